// The conversion of an account balance report (tab- or comma-delimited, the balance last on
// each line) into an intermediate file of "name\tvalue" lines, with the cleaning of names and
// amounts that it and the account import share.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/prompter.h"

namespace core {

enum class Delimiter { Tab, Comma };

// Comma for ".CSV" (any case), tab otherwise (".KXI", ".TXT", ".PRN").
Delimiter DelimiterForPath(const std::filesystem::path& path);

// "tabout.tmp" or "csvout.tmp".
const char* IntermediateFileName(Delimiter delimiter);

// An amount as text: commas dropped, "(1,234.50)" made "-1234.50", blanks and trailing marks
// removed. Empty when what is left is not made only of digits, "-" and ".".
std::string CleanValue(std::string_view value);
// A name without its surrounding double quotes, leading blanks and trailing non-alphanumerics.
std::string CleanName(std::string_view name);

// Writes the intermediate file into `workDir` from the source file: one "name\tvalue" line per
// account line. Failures are reported through the prompter.
bool ConvertTabFile(const std::filesystem::path& source, const std::filesystem::path& workDir,
                    platform::Prompter& prompter);
bool ConvertCsvFile(const std::filesystem::path& source, const std::filesystem::path& workDir,
                    platform::Prompter& prompter);
bool ConvertDelimitedFile(Delimiter delimiter, const std::filesystem::path& source,
                          const std::filesystem::path& workDir, platform::Prompter& prompter);

}  // namespace core
