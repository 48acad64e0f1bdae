#include "planner/summary_pane.h"

#include "core/text.h"
#include "engine/money_text.h"

namespace planner {

namespace {

std::string Money(float value, char mark) { return engine::MoneyText(value, mark).c_str(); }

std::string ShareOf(float part, float whole) {
  const float share = whole != 0.0f ? part / whole * 100.0f : 0.0f;
  return core::Format("%6.2f%%", static_cast<double>(share));
}

// "Age %1d Net Worth", "%2d" or "%3d" by the number of digits of the age.
std::string NetWorthLabel(int age) {
  if (age < 10) return core::Format("Age %1d Net Worth", age);
  if (age < 100) return core::Format("Age %2d Net Worth", age);
  return core::Format("Age %3d Net Worth", age);
}

}  // namespace

int ResultsRowOfAge(const engine::RunResults& results, int age) {
  for (int row = 0; row < results.RowCount(); ++row) {
    if (static_cast<int>(results.years[static_cast<size_t>(row)].age) == age) return row;
  }
  return -1;
}

std::vector<SummaryLine> SummaryPane(const engine::RunResults& results, int row, float startAge,
                                     char mark) {
  if (row < 0 || row >= results.RowCount()) return {};
  const engine::ResultsYear& y = results.years[static_cast<size_t>(row)];
  const float worth = y.netWorth;
  auto part = [&](const char* label, float value) {
    return SummaryLine{label, Money(value, mark), ShareOf(value, worth), false};
  };
  auto money = [&](const char* label, float value) {
    return SummaryLine{label, Money(value, mark), "", false};
  };
  auto heading = [](std::string label) { return SummaryLine{std::move(label), "", "", true}; };
  const int age = static_cast<int>(y.age);
  return {
      heading(core::Format("Age %5.1f", static_cast<double>(y.age))),
      SummaryLine{"Net Worth", Money(worth, mark), "", true},
      part("Investment Accounts", y.investment),
      part("Tax Free Accounts", y.taxFree),
      part("Retirement Accounts", y.retirement),
      part("Assets", y.assetAccounts),
      part("Equity", y.equity),
      heading("Incoming"),
      money("Deposits", y.deposits),
      money("Taxable Income", y.taxableIncome),
      money("Non-Taxable Income", y.nonTaxableIncome),
      money("Loans", y.loans),
      money("Income From Assets", y.assetGain),
      money("Income From Equity", y.equityGain),
      money("Total Incoming", y.totalIncoming),
      heading("Outgoing"),
      money("Withdrawals", y.withdrawals),
      money("Interest Paid", y.interestPaid),
      money("Other", y.lossesAndCosts),
      money("Taxes", y.taxes),
      money("Penalties", y.penalties),
      money("Total Outgoing", y.totalOutgoing),
      money(NetWorthLabel(age).c_str(), worth),
      money(core::Format("Age %-4.1f Purch. Power", static_cast<double>(startAge)).c_str(),
            results.purchasingPowerByYear[static_cast<size_t>(row)]),
  };
}

}  // namespace planner
