// The budget report of "Print Report": a budget year by year from its start age to its end age,
// each item's yearly amount grown by its applied rate, and the year's total. The budget file
// the report is made from does not carry the items' inflation switches, so the amounts are
// before inflation.
#pragma once

#include <string>
#include <vector>

#include "core/budget_record.h"

namespace reports {

struct BudgetReport {
  std::string title;                          // "Budget Report: NAME"
  std::string ages;                           // "Ages 40 to 65, ..."
  std::vector<std::string> columns;           // "Age", "Yearly Total", then the item names
  std::vector<std::vector<std::string>> rows;  // one per age
};

BudgetReport MakeBudgetReport(const core::Budget& budget);

// The report as a table of tab-separated lines: the column titles, then the rows.
std::vector<std::string> BudgetReportTable(const BudgetReport& report);

}  // namespace reports
