#include "calc/payment_schedule.h"

#include <algorithm>

#include "core/file_io.h"
#include "core/text.h"
#include "engine/debt_payments.h"

namespace calc {

namespace {

bool MakesASchedule(const core::FinancialEvent& e) {
  const float startAge = e.startAge;
  const float endAge = e.endAge;
  const float sellAge = e.sellAge;
  return startAge >= 1.0f && startAge < 120.0f && (endAge == 0.0f || endAge >= startAge) &&
         (sellAge == 0.0f || sellAge >= startAge) && e.amount - e.downPayment > 0.0f &&
         e.loanRate >= 0.0f && e.loanRate < 100.0f && e.years >= 1 && e.years <= 100;
}

// The last whole age with a row: the term, the payoff age and the sale age, the earliest.
int LastAge(const core::FinancialEvent& e) {
  const int start = static_cast<int>(e.startAge);
  int last = start + e.years - 1;
  if (e.endAge != 0.0f) last = std::min(last, static_cast<int>(e.endAge));
  if (e.sellAge != 0.0f) last = std::min(last, static_cast<int>(e.sellAge));
  return last;
}

void FillColumns(ScheduleRow& row, const core::FinancialEvent& e) {
  row.totalPayment = row.totalPrincipal + row.totalInterest;
  row.equity = e.downPayment + row.totalPrincipal;
  row.inflatedEquity = e.downPayment + row.totalPrincipal + row.propertyValue - e.amount;
  const float liability = e.amount - (e.downPayment + row.totalPrincipal);
  row.propertyLiability = liability < 0.0f ? 0.0f : liability;
}

}  // namespace

std::vector<ScheduleRow> MortgageSchedule(const core::FinancialEvent& e, float currentAge) {
  std::vector<ScheduleRow> rows;
  if (!MakesASchedule(e)) return rows;
  const int start = static_cast<int>(e.startAge);
  const float principal = e.amount - e.downPayment;
  const float monthlyRate = e.loanRate * 0.01f / 12.0f;
  const int months = e.years * 12;
  // Payments before the plan's current age are not the plan's.
  const int firstMonth = std::max(0, static_cast<int>((currentAge - e.startAge) * 12.0f));
  ScheduleRow row;
  row.age = start;
  row.propertyValue = e.amount;
  FillColumns(row, e);
  rows.push_back(row);
  for (int age = start + 1; age <= LastAge(e); ++age) {
    row.age = age;
    row.propertyValue += row.propertyValue * e.appreciationRate * 0.01f;
    const int first = std::max((age - start - 1) * 12, firstMonth);
    const int last = (age - start) * 12 - 1;
    const engine::AmortizedMonths year =
        first <= last ? engine::AmortizeMonths(principal, monthlyRate, months, first, last, 0.0f, 0)
                      : engine::AmortizedMonths{};
    row.principal = year.principal;
    row.interest = year.interest;
    row.totalPrincipal += year.principal;
    row.totalInterest += year.interest;
    FillColumns(row, e);
    rows.push_back(row);
  }
  return rows;
}

const std::vector<std::string>& ScheduleColumns() {
  static const std::vector<std::string> kColumns = {
      "Age",           "Principal", "Interest",        "Total Principal", "Total Interest",
      "Total Payment", "Equity",    "Inflated Equity", "Property Value",  "Property Liability"};
  return kColumns;
}

std::vector<std::string> ScheduleCells(const ScheduleRow& r) {
  auto money = [](const char* format, float value) {
    return core::Format(format, static_cast<double>(value));
  };
  return {core::Format("%3d", r.age),           money("%14.2f", r.principal),
          money("%14.2f", r.interest),          money("%16.2f", r.totalPrincipal),
          money("%16.2f", r.totalInterest),     money("%16.2f", r.totalPayment),
          money("%16.2f", r.equity),            money("%16.2f", r.inflatedEquity),
          money("%16.2f", r.propertyValue),     money("%16.2f", r.propertyLiability)};
}

std::string ScheduleFileText(const std::vector<ScheduleRow>& rows) {
  std::string text;
  for (const std::string& column : ScheduleColumns()) text += column + "\t";
  text += "\n";
  for (const ScheduleRow& row : rows) {
    const std::vector<std::string> cells = ScheduleCells(row);
    for (size_t c = 0; c < cells.size(); ++c) text += cells[c] + (c + 1 < cells.size() ? "\t" : "\t\n");
  }
  text += "Dooone\n";
  return text;
}

bool WriteScheduleFile(const std::filesystem::path& workDir, const std::vector<ScheduleRow>& rows,
                       platform::Prompter& prompter) {
  if (core::WriteFileReplacing(core::ResolvePath(workDir, kScheduleFile), ScheduleFileText(rows))) {
    return true;
  }
  prompter.ShowMessage("FILE OPEN ERROR", "Cannot open temporary print file - psched.tmp",
                       platform::Icon::Error);
  return false;
}

}  // namespace calc
