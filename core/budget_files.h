// The budget's text files: the exchange file of "Copy All" and "Paste All", the file behind the
// printed budget report, and the budget page that "Print" sends to the printer.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <string>

#include "core/budget.h"
#include "platform/prompter.h"

namespace core {

inline constexpr const char* kBudgetExchangeFile = "budout.tmp";
inline constexpr const char* kBudgetReportFile = "pbudout.tmp";
inline constexpr const char* kBudgetPageFile = "rpage1";

// The exchange format: count, name, ages, one tab-separated line per item, "Dooone".
std::string BudgetExchangeText(const Budget& budget);
// The printed page: heading, one line per item, the total, "Dooone".
std::string BudgetPageText(const Budget& budget);

// "Copy All": writes "budout.tmp" in `workDir`.
bool CopyBudgetItems(const Budget& budget, const std::filesystem::path& workDir,
                     platform::Prompter& prompter);
// "Print Report": stores name and ages, then writes "pbudout.tmp" for the budget report.
bool WriteBudgetReportFile(Document& document, int budgetIndex, const BudgetHeading& heading,
                           const std::filesystem::path& workDir, platform::Prompter& prompter);
// Writes "pbudout.tmp" of `budget` as it stands.
bool WriteBudgetReport(const Budget& budget, const std::filesystem::path& workDir,
                       platform::Prompter& prompter);
// "Print": writes "rpage1".
bool WriteBudgetPage(const Budget& budget, const std::filesystem::path& workDir,
                     platform::Prompter& prompter);

// The budget an exchange-format text holds, on top of `current` (whose switches and account
// stay); none when the text is not a whole budget file.
std::optional<Budget> ParseBudgetExchangeText(std::string_view bytes, const Budget& current);

// The budget of "pbudout.tmp" as "Print Report" wrote it, for the budget report. A budget of no
// items is written with a count of 0 and reads back as its name and ages alone.
std::optional<Budget> ReadBudgetReportFile(const std::filesystem::path& workDir,
                                           const Budget& current, platform::Prompter& prompter);

// "Paste All": name, ages and items of "budout.tmp" replace those of budget `budgetIndex`; the
// switches and the account stay. A file that cannot be read as a whole leaves the budget as it
// was.
bool PasteBudgetItems(Document& document, int budgetIndex, const std::filesystem::path& workDir,
                      platform::Prompter& prompter);

}  // namespace core
