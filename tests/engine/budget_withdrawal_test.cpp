// Withdrawals from a budget: the year's amount is the sum of the items, tracked items get a
// line each, and every item grows by its own rate and, when chosen, the inflation rate.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

TEST(BudgetWithdrawal, SumsItemsTracksAndGrowsEachByItsRule) {
  Harness h;
  h.scenario.initial.inflationRate = 4.0f;
  h.AddAccount("Cash", core::kInvestmentSavings, 100000.0f, 0.0f);
  core::Budget& budget = h.scenario.budgets[0];
  budget.itemCount = 2;
  core::CopyText(budget.itemName[0], "Food");
  budget.itemYearlyAmount[0] = 1200.0f;
  budget.itemInflation[0] = 1;
  budget.itemTrack[0] = 1;
  core::CopyText(budget.itemName[1], "Rent");
  budget.itemYearlyAmount[1] = 6000.0f;
  budget.itemRate[1] = 2.0f;
  core::FinancialEvent& spend = h.AddEvent(core::kWithdrawal, "Household", 30.0f, 40.0f, 7200.0f);
  spend.withdrawalVariant = core::kBudgetWithdrawal;
  spend.budgetNumber = 1;
  const std::string text = h.RunText();
  // Age 30: 1,200 + 6,000. Then Food grows by the 4 % inflation (1,248), Rent by its own 2 %
  // (6,120): 7,368 at 31.
  EXPECT_NE(text.find("  Budget - Household - Withdraw $7,200.00\n"
                      "           Tracking budget item(s):\n"
                      "                Food - $1,200.00\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("  Budget - Household - Withdraw $7,368.00\n"
                      "           Tracking budget item(s):\n"
                      "                Food - $1,248.00\n"),
            std::string::npos);
  EXPECT_FLOAT_EQ(h.AccountNamed("Cash").balance, 100000.0f - 7200.0f - 7368.0f);
}

TEST(OneTimeEvent, RunsInItsStartYearEvenWithAnEarlierEndAge) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  core::FinancialEvent& gift = h.AddEvent(core::kDeposit, "Gift", 31.0f, 20.0f, 300.0f);
  gift.oneTimeOnly = 1;
  gift.accountId = cash;
  const std::string text = h.RunText();
  EXPECT_NE(text.find("  Gift - Deposit $300.00 to Cash\n"), std::string::npos) << text;
  EXPECT_FLOAT_EQ(h.AccountNamed("Cash").balance, 300.0f);
}

}  // namespace
