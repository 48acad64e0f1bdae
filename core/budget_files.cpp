#include "core/budget_files.h"

#include <climits>
#include <cmath>
#include <optional>
#include <vector>

#include "core/file_io.h"
#include "core/text.h"
#include "core/text_reading.h"

namespace core {

namespace {

constexpr size_t kPastedNameLength = 29;
constexpr size_t kExchangeFileLimit = 1u << 20;  // far above 30 items
constexpr const char* kEndMark = "Dooone";

bool WriteBudgetFile(const std::filesystem::path& workDir, const char* name,
                     const std::string& text, platform::Prompter& prompter) {
  if (WriteFileReplacing(ResolvePath(workDir, name), text)) return true;
  prompter.ShowMessage("File Open Error", Format("Cannot open the budget output file %s.", name),
                       platform::Icon::Error);
  return false;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

// "name\tamount\tmonthly\ttrack\trate"; nothing when a field is missing or holds no number.
// The file carries no inflation switch: a pasted item has none.
std::optional<BudgetItem> ParseItemLine(std::string_view line) {
  const std::vector<std::string_view> fields = SplitTabs(line);
  if (fields.size() < 5) return std::nullopt;
  size_t used[4] = {};
  BudgetItem item;
  CopyText(item.name, fields[0].substr(0, kBudgetItemNameLength));
  item.amount = LeadingFloat(fields[1], &used[0]);
  item.monthly = LeadingInt(fields[2], INT_MIN, INT_MAX, &used[1]) != 0 ? 1 : 0;
  item.track = LeadingInt(fields[3], INT_MIN, INT_MAX, &used[2]) != 0 ? 1 : 0;
  item.rate = LeadingFloat(fields[4], &used[3]);
  for (size_t u : used) {
    if (u == 0) return std::nullopt;
  }
  return item;
}

// A name as the file can carry it: a scenario file may hold any bytes in its names, and a
// line break would shift every line after it (a tab, every field after it on an item's
// line), so that Paste All refused the budget just copied. Those are written as blanks.
std::string WithBlanksFor(std::string text, std::string_view characters) {
  for (char& c : text) {
    if (characters.find(c) != std::string_view::npos) c = ' ';
  }
  return text;
}
std::string AsNameLine(const std::string& name) { return WithBlanksFor(name, "\n"); }
std::string AsItemField(const std::string& name) { return WithBlanksFor(name, "\t\n"); }

std::string WithoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// The budget with the file's name, ages and items, or nothing when the file is not a budget.
std::optional<Budget> ParseExchangeFile(std::string_view bytes, const Budget& current,
                                        int fewestItems = 1) {
  const std::vector<std::string> lines = SplitLines(bytes);
  if (lines.size() < 4) return std::nullopt;
  const int count = LeadingInt(lines[0], INT_MIN, INT_MAX);
  if (count < fewestItems || count > kMaxBudgetItems) return std::nullopt;
  std::vector<BudgetItem> items;
  for (size_t l = 4; l < lines.size() && static_cast<int>(items.size()) < count; ++l) {
    if (lines[l] == kEndMark) break;
    std::optional<BudgetItem> item = ParseItemLine(lines[l]);
    if (!item) return std::nullopt;
    items.push_back(*item);
  }
  Budget budget = current;
  // The writer pads the name to 30 characters; the padding is not part of it.
  CopyText(budget.budgetName, WithoutTrailingBlanks(lines[1].substr(0, kPastedNameLength)));
  budget.budgetStartAge = static_cast<int16_t>(LeadingInt(lines[2], INT16_MIN, INT16_MAX));
  budget.budgetEndAge = static_cast<int16_t>(LeadingInt(lines[3], INT16_MIN, INT16_MAX));
  SetItems(budget, items);
  RefreshBudgetTotals(budget);
  // Amounts near the largest float make a yearly amount or the total overflow: such a file
  // holds no budget a run could withdraw.
  if (!std::isfinite(budget.yearlyTotal)) return std::nullopt;
  for (int i = 0; i < ItemCount(budget); ++i) {
    if (!std::isfinite(budget.itemYearlyAmount[i])) return std::nullopt;
  }
  return budget;
}

}  // namespace

std::string BudgetExchangeText(const Budget& budget) {
  std::string text = Format("%d\n", ItemCount(budget));
  text += Format("%-30s\n", AsNameLine(TextOf(budget.budgetName)).c_str());
  text += Format("%3d\n", budget.budgetStartAge);
  text += Format("%3d\n", budget.budgetEndAge);
  for (int i = 0; i < ItemCount(budget); ++i) {
    text += Format("%s\t%f\t%d\t%d\t%f\n", AsItemField(TextOf(budget.itemName[i])).c_str(),
                   static_cast<double>(budget.itemAmount[i]), budget.itemMonthly[i],
                   budget.itemTrack[i], static_cast<double>(budget.itemRate[i]));
  }
  return text + kEndMark;
}

std::string BudgetPageText(const Budget& budget) {
  std::string text = "Name\tAmount \tMonth\tTrack\tApplied Rate \tYearly Amount\n";
  text += "------------------------\n";
  float total = 0.0f;
  for (int i = 0; i < ItemCount(budget); ++i) {
    const double rate = budget.itemRate[i];
    const double yearly = budget.itemYearlyAmount[i];
    text += Format("%s\t%13.2f \t", AsItemField(TextOf(budget.itemName[i])).c_str(),
                   static_cast<double>(budget.itemAmount[i]));
    text += budget.itemMonthly[i] == 1 ? "X\t" : " \t";
    text += budget.itemTrack[i] == 1 ? "X\t" : " \t";
    if (budget.itemInflation[i] == 1 && rate == 0.0) {
      text += Format("Inflation \t%13.2f \n", yearly);
    } else if (budget.itemInflation[i] == 1) {
      text += Format("Inf.+%8.3f \t%13.2f \n", rate, yearly);
    } else {
      text += Format("%8.3f \t%13.2f \n", rate, yearly);
    }
    total += budget.itemYearlyAmount[i];
  }
  text += Format("\t\t\t\tTotal\t%13.2f\n", static_cast<double>(total));
  return text + kEndMark;
}

bool CopyBudgetItems(const Budget& budget, const std::filesystem::path& workDir,
                     platform::Prompter& prompter) {
  return WriteBudgetFile(workDir, kBudgetExchangeFile, BudgetExchangeText(budget), prompter);
}

bool WriteBudgetReportFile(Document& document, int budgetIndex, const BudgetHeading& heading,
                           const std::filesystem::path& workDir, platform::Prompter& prompter) {
  if (budgetIndex < 0 || budgetIndex >= kBudgetCount) return false;
  Budget& budget = document.scenario.budgets[budgetIndex];
  StoreBudgetNameAndAges(budget, heading);
  document.modified = true;
  return WriteBudgetReport(budget, workDir, prompter);
}

bool WriteBudgetReport(const Budget& budget, const std::filesystem::path& workDir,
                       platform::Prompter& prompter) {
  return WriteBudgetFile(workDir, kBudgetReportFile, BudgetExchangeText(budget), prompter);
}

bool WriteBudgetPage(const Budget& budget, const std::filesystem::path& workDir,
                     platform::Prompter& prompter) {
  return WriteBudgetFile(workDir, kBudgetPageFile, BudgetPageText(budget), prompter);
}

std::optional<Budget> ParseBudgetExchangeText(std::string_view bytes, const Budget& current) {
  return ParseExchangeFile(bytes, current);
}

std::optional<Budget> ReadBudgetReportFile(const std::filesystem::path& workDir,
                                           const Budget& current, platform::Prompter& prompter) {
  const std::optional<std::string> bytes =
      ReadWholeFile(ResolvePath(workDir, kBudgetReportFile), kExchangeFileLimit);
  if (!bytes) {
    prompter.ShowMessage("File Open Error", "Cannot open the budget input file pbudout.tmp file.",
                         platform::Icon::Error);
    return std::nullopt;
  }
  std::optional<Budget> budget = ParseExchangeFile(*bytes, current, 0);
  if (!budget) {
    prompter.ShowMessage("Budget File Error",
                         "The budget input file pbudout.tmp doesn't seem to be a valid file.",
                         platform::Icon::Error);
  }
  return budget;
}

bool PasteBudgetItems(Document& document, int budgetIndex, const std::filesystem::path& workDir,
                      platform::Prompter& prompter) {
  if (budgetIndex < 0 || budgetIndex >= kBudgetCount) return false;
  const std::optional<std::string> bytes =
      ReadWholeFile(ResolvePath(workDir, kBudgetExchangeFile), kExchangeFileLimit);
  if (!bytes) {
    prompter.ShowMessage("File Open Error", "Cannot open the budget input file budout.tmp file.",
                         platform::Icon::Error);
    return false;
  }
  Budget& budget = document.scenario.budgets[budgetIndex];
  const std::optional<Budget> pasted = ParseExchangeFile(*bytes, budget);
  if (!pasted) {
    prompter.ShowMessage("Budget File Error",
                         "The budget input file budout.tmp doesn't seem to be a valid file.",
                         platform::Icon::Error);
    return false;
  }
  budget = *pasted;
  document.modified = true;
  return true;
}

}  // namespace core
