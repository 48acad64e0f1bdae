// The year-by-year schedule of a mortgage event: principal and interest of each year, their
// totals, the equity and the property's value, shown in the Mortgage Schedule and written to
// "psched.tmp" for printing.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/event.h"
#include "platform/prompter.h"

namespace calc {

inline constexpr const char* kScheduleFile = "psched.tmp";

struct ScheduleRow {
  int age = 0;
  float principal = 0.0f;
  float interest = 0.0f;
  float totalPrincipal = 0.0f;
  float totalInterest = 0.0f;
  float totalPayment = 0.0f;
  float equity = 0.0f;
  float inflatedEquity = 0.0f;
  float propertyValue = 0.0f;
  float propertyLiability = 0.0f;
};

// The rows of `mortgage` (none when its values make no schedule); `currentAge` is the
// scenario's, before which no payment is counted.
std::vector<ScheduleRow> MortgageSchedule(const core::FinancialEvent& mortgage, float currentAge);

// The column titles, in order.
const std::vector<std::string>& ScheduleColumns();
// "psched.tmp": the titles, the rows in their formats, "Dooone".
std::string ScheduleFileText(const std::vector<ScheduleRow>& rows);
// A row as the list shows it: the same values without the tabs.
std::vector<std::string> ScheduleCells(const ScheduleRow& row);

// Writes "psched.tmp" into `workDir`; its failure is shown ("FILE OPEN ERROR") and no schedule
// is shown then.
bool WriteScheduleFile(const std::filesystem::path& workDir, const std::vector<ScheduleRow>& rows,
                       platform::Prompter& prompter);

}  // namespace calc
