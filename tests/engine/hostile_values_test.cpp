// Values that no editor stores but a damaged file can hold: the run must neither crash nor
// write past its tables.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(HostileValues, AgeSpanLongerThanTheResultsTable) {
  Harness h;
  h.scenario.initial.startAge = 0.0f;
  h.scenario.initial.endAge = 500.0f;  // ages end at 120: 121 rows, the table holds 100
  h.AddAccount("Cash", core::kInvestmentSavings, 100.0f, 1.0f);
  h.RunText(engine::ScheduleMode::List);
  EXPECT_TRUE(h.ok);
  EXPECT_EQ(h.ctx->results.RowCount(), engine::kMaxResultsYears);
}

TEST(HostileValues, AgesThatAreNoNumbersOrHuge) {
  for (const float start : {kNaN, -1e30f, 1e30f, -5.0f}) {
    Harness h;
    h.scenario.initial.endAge = 40.0f;
    const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 100.0f, 1.0f);
    core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Odd", start, kNaN, 10.0f);
    pay.accountId = cash;
    pay.inTodaysDollars = 1;
    core::FinancialEvent& take = h.AddEvent(core::kWithdrawal, "Odder", 31.0f, 1e30f, kNaN);
    take.oneTimeOnly = 1;
    h.RunText();
    EXPECT_TRUE(h.ok) << start;
    EXPECT_LE(h.ctx->results.RowCount(), engine::kMaxResultsYears);
  }
}

TEST(HostileValues, BudgetNumbersAndItemCountsOutOfRange) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 100.0f, 1.0f);
  core::FinancialEvent& spend = h.AddEvent(core::kWithdrawal, "Budget", 30.0f, 40.0f, 10.0f);
  spend.withdrawalVariant = core::kBudgetWithdrawal;
  spend.budgetNumber = 9;
  h.scenario.budgets[0].itemCount = 30000;
  core::FinancialEvent& other = h.AddEvent(core::kWithdrawal, "Budget1", 30.0f, 40.0f, 10.0f);
  other.withdrawalVariant = core::kBudgetWithdrawal;
  other.budgetNumber = 1;
  h.RunText();
  EXPECT_TRUE(h.ok);
}

TEST(HostileValues, SlotsAndKindsOutOfRange) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 100.0f, 1.0f);
  h.AddAccount("Odd", 77, 100.0f, 1.0f);
  h.scenario.account(0).slot = 4000;
  h.scenario.trailer().aaMethod = 1;
  core::FinancialEvent& take = h.AddEvent(core::kWithdrawal, "Take", 30.0f, 40.0f, 500.0f);
  take.oneTimeOnly = 0;
  h.RunText();
  EXPECT_TRUE(h.ok);
}

}  // namespace
