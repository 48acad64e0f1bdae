// Asset-allocation withdrawals: proportional and equal spreading over the member accounts,
// with the shortfall of an account that cannot pay carried to the next one.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

void WithdrawOnce(Harness& h, float amount) {
  core::FinancialEvent& take = h.AddEvent(core::kWithdrawal, "Spend", 30.0f, 30.0f, amount);
  take.oneTimeOnly = 1;
}

void MakeMembers(Harness& h, uint16_t method) {
  h.scenario.trailer().aaMethod = method;
  h.scenario.trailer().aaStartAge = 30.0f;
  h.scenario.trailer().aaMinimumWithdrawal = 100.0f;
  for (int i = 0; i < h.scenario.accountCount(); ++i) h.scenario.slots.aaMember[i] = 1;
}

TEST(AssetAllocation, ProportionalSpreadsByBalance) {
  Harness h;
  h.AddAccount("Stocks", core::kInvestmentSavings, 3000.0f, 0.0f);
  h.AddAccount("Bonds", core::kInvestmentSavings, 1000.0f, 0.0f);
  MakeMembers(h, 1);
  WithdrawOnce(h, 400.0f);
  h.ctx->options.showDetails = true;
  const std::string text = h.RunText();
  // Weights 3,000/4,000 and 1,000/4,000 of 400: 300 and 100.
  EXPECT_NE(text.find("  Spend - Withdraw $400.00\n      $300.00 from Stocks\n"
                      "      $100.00 from Bonds\n"),
            std::string::npos)
      << text;
  EXPECT_FLOAT_EQ(h.AccountNamed("Stocks").balance, 2700.0f);
  EXPECT_FLOAT_EQ(h.AccountNamed("Bonds").balance, 900.0f);
}

TEST(AssetAllocation, EqualCarriesTheShortfallOnce) {
  Harness h;
  h.AddAccount("Small", core::kInvestmentSavings, 50.0f, 0.0f);
  h.AddAccount("Large", core::kInvestmentSavings, 1000.0f, 0.0f);
  MakeMembers(h, 2);
  WithdrawOnce(h, 400.0f);
  h.RunText();
  // Equal shares of 200: Small pays its 50, the 150 missing go to Large with its own 200.
  EXPECT_FLOAT_EQ(h.AccountNamed("Small").balance, 0.0f);
  EXPECT_FLOAT_EQ(h.AccountNamed("Large").balance, 650.0f);
  EXPECT_FALSE(h.ctx->results.redFlags.liquidDepleted.set);
}

TEST(AssetAllocation, BelowTheMinimumAccountsPayInOrder) {
  Harness h;
  h.AddAccount("Stocks", core::kInvestmentSavings, 3000.0f, 0.0f);
  h.AddAccount("Bonds", core::kInvestmentSavings, 1000.0f, 0.0f);
  MakeMembers(h, 1);
  WithdrawOnce(h, 50.0f);
  h.RunText();
  // 50 is below the 100 minimum: the first liquid account pays it all.
  EXPECT_FLOAT_EQ(h.AccountNamed("Stocks").balance, 2950.0f);
  EXPECT_FLOAT_EQ(h.AccountNamed("Bonds").balance, 1000.0f);
}

}  // namespace
