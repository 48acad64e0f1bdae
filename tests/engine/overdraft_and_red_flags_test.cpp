// Running out of money: the chosen account that runs dry, the liquid accounts exhausted, the
// overdraft of the first Investment Savings account, and the red flags with their ages.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

TEST(Overdraft, ExhaustedAccountsOverdrawTheFirstInvestmentAccount) {
  Harness h;
  h.scenario.initial.endAge = 33.0f;
  h.AddAccount("House", core::kAsset, 50000.0f, 0.0f);
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 500.0f, 0.0f);
  h.AddAccount("Roth", core::kTaxFreeSavings, 300.0f, 0.0f);
  core::FinancialEvent& take = h.AddEvent(core::kWithdrawal, "Trip", 31.0f, 40.0f, 1000.0f);
  take.accountId = cash;
  take.accountChosen = core::kAccountChosen;
  h.ctx->options.showDetails = true;
  const std::string text = h.RunText();
  // Age 31: Cash gives its 500 (emptied), the line names the 500 still wanted; Roth gives its
  // 300; the last 200 overdraw Cash to -200.
  EXPECT_NE(
      text.find("  Trip - Withdraw $1,000.00\n      $500.00 from Cash\n"
                "      Withdrawal account Cash depleted $500.00 withdrawn from other accounts!\n"
                "      $300.00 from Roth\n"
                "      Savings depleted -- $200.00 withdrawn from Cash.\n"),
      std::string::npos)
      << text;
  // Age 32: nothing liquid is left: all 1,000 overdraw Cash to -1,200.
  EXPECT_FLOAT_EQ(h.AccountNamed("Cash").balance, -1200.0f);
  EXPECT_NE(text.find("Red flags at age(s):\n"
                      " 31.0   Liquid accounts were depleted.\n"
                      " 31.0   A withdrawal account was depleted.\n"),
            std::string::npos);
  EXPECT_EQ(h.ctx->results.redFlags.liquidDepleted.age, 31);
}

TEST(Overdraft, AChosenAssetAccountSuppliesNothing) {
  Harness h;
  const uint16_t house = h.AddAccount("House", core::kAsset, 50000.0f, 0.0f);
  h.AddAccount("Cash", core::kInvestmentSavings, 5000.0f, 0.0f);
  core::FinancialEvent& take = h.AddEvent(core::kWithdrawal, "Roof", 30.0f, 30.0f, 800.0f);
  take.oneTimeOnly = 1;
  take.accountId = house;
  take.accountChosen = core::kAccountChosen;
  const std::string text = h.RunText();
  EXPECT_NE(text.find("      Withdrawal account House depleted $800.00 withdrawn from other "
                      "accounts!\n"),
            std::string::npos)
      << text;
  EXPECT_FLOAT_EQ(h.AccountNamed("House").balance, 50000.0f);
  EXPECT_FLOAT_EQ(h.AccountNamed("Cash").balance, 4200.0f);
  // At the initial start age the withdrawal-account flag is not raised.
  EXPECT_FALSE(h.ctx->results.redFlags.withdrawalAccountDepleted.set);
}

TEST(Overdraft, AnAmountEqualToTheBalanceMakesTheNextAccountSupplyNothing) {
  Harness h;
  h.AddAccount("First", core::kInvestmentSavings, 400.0f, 0.0f);
  h.AddAccount("Second", core::kInvestmentSavings, 1000.0f, 0.0f);
  core::FinancialEvent& take = h.AddEvent(core::kWithdrawal, "Even", 30.0f, 30.0f, 400.0f);
  take.oneTimeOnly = 1;
  h.RunText();
  EXPECT_EQ(h.dir.Read("outfile.tmp"),
            " 30.0\tFirst\t       400.00\n 30.0\tSecond\t         0.00\nDooone\n");
}

TEST(NegativeNetWorth, IsFlaggedOnceAtTheFirstAge) {
  Harness h;
  h.scenario.initial.endAge = 34.0f;
  h.AddAccount("Cash", core::kInvestmentSavings, 1500.0f, 0.0f);
  h.AddEvent(core::kWithdrawal, "Living", 30.0f, 40.0f, 1000.0f);
  const std::string text = h.RunText();
  // 1,500 -> 500 at 31 -> -500 at 32 -> -1,500 at 33: negative first at the 32 heading.
  EXPECT_NE(text.find("\n32.0 \t       $-500.00\t"), std::string::npos) << text;
  EXPECT_NE(text.find("\t       $-500.00\n"), std::string::npos);
  EXPECT_NE(text.find(" 32.0   Your net worth went negative.\n"), std::string::npos);
  EXPECT_EQ(h.ctx->results.redFlags.negativeNetWorth.age, 32);
  EXPECT_FLOAT_EQ(h.ctx->results.years[2].netWorth, -500.0f);
}

TEST(RedFlags, NoFlagsNoBlock) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 1500.0f, 0.0f);
  EXPECT_EQ(h.RunText().find("Red flags"), std::string::npos);
}

}  // namespace
