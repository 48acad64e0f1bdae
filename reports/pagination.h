// Cuts the print file ".\\ptmpsch.dat" into the page files "page1", "page2", ... that a print
// job renders: the financial schedule (its column header block at the "??" line and again at
// the top of every later page) or the scenario listing.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/prompter.h"

namespace reports {

enum class PaginationVariant { Schedule, Scenario };

inline constexpr const char* kPrintFile = ".\\ptmpsch.dat";
inline constexpr int kCountedLinesPerPage = 55;
inline constexpr const char* kPageMargin = "          ";  // ten spaces
inline constexpr const char* kBoldOn = "?BO";
inline constexpr const char* kBoldOff = "?Bo";

// Writes the pages and returns their number; 0 when the print file or a page file could not
// be opened (its name is shown under "FILE OPEN ERROR").
int Paginate(const std::filesystem::path& workDir, PaginationVariant variant,
             platform::Prompter* prompter);

// The page texts of a pagination of `text`, as they are written into "page%d".
std::vector<std::string> PaginateText(const std::string& text, PaginationVariant variant);

}  // namespace reports
