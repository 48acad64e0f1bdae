#include "reports/budget_report.h"

#include <algorithm>

#include "core/text.h"

namespace reports {

namespace {

// The ages of a budget whose end lies before its start are its start age alone; a budget
// never outlives the planner's oldest age.
constexpr int kMostYears = 121;

std::string Amount(float value) { return core::Format("%13.2f", static_cast<double>(value)); }

}  // namespace

BudgetReport MakeBudgetReport(const core::Budget& budget) {
  BudgetReport report;
  std::string name = core::TextOf(budget.budgetName);
  report.title = "Budget Report: " + (name.empty() ? std::string("Budget") : name);
  const int start = budget.budgetStartAge;
  const int end = std::max<int>(start, budget.budgetEndAge);
  report.ages = core::Format("Ages %d to %d; each item grows by its applied rate, before inflation",
                             start, end);
  const int count = std::clamp<int>(budget.itemCount, 0, core::kMaxBudgetItems);
  report.columns = {"Age", "Yearly Total"};
  std::vector<float> current(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    std::string item = core::TextOf(budget.itemName[i]);
    std::replace(item.begin(), item.end(), '\t', ' ');  // a column of its own
    report.columns.push_back(item);
    current[static_cast<size_t>(i)] = budget.itemYearlyAmount[i];
  }
  for (int age = start; age <= end && age - start < kMostYears; ++age) {
    // The total adds the items in their order, as a run sums the budget's withdrawal.
    float total = 0.0f;
    for (float amount : current) total += amount;
    std::vector<std::string> row = {core::Format("%3d", age), Amount(total)};
    for (float amount : current) row.push_back(Amount(amount));
    report.rows.push_back(std::move(row));
    for (int i = 0; i < count; ++i) {
      float& amount = current[static_cast<size_t>(i)];
      amount = amount * (1.0f + budget.itemRate[i] * 0.01f);
    }
  }
  return report;
}

std::vector<std::string> BudgetReportTable(const BudgetReport& report) {
  auto join = [](const std::vector<std::string>& cells) {
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c) line += (c == 0 ? "" : "\t") + cells[c];
    return line;
  };
  std::vector<std::string> lines = {join(report.columns)};
  for (const auto& row : report.rows) lines.push_back(join(row));
  return lines;
}

}  // namespace reports
