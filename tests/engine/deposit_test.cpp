// Deposits: tax withheld at the current rate, growth by an applied rate and inflation, and
// amounts stated in start-age money.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

TEST(Deposit, TaxIsDeductedFromTheDepositAndReported) {
  Harness h;
  const uint16_t savings = h.AddAccount("Savings", core::kInvestmentSavings, 0.0f, 0.0f);
  core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Bonus", 30.0f, 30.0f, 1000.0f);
  pay.oneTimeOnly = 1;
  pay.accountId = savings;
  pay.taxDeposit = 1;
  h.ctx->options.showSummary = true;
  const std::string text = h.RunText();
  // 15 % of 1,000.00 is 150.00 of tax; 850.00 reaches the account.
  EXPECT_NE(text.find("  Bonus - Deposit $850.00 to Savings. $150.00 tax deducted from deposit.\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("  Deposit Taxes = $150.00\n"), std::string::npos);
  EXPECT_NE(text.find("       Deposits=$850.00\n"), std::string::npos);
  EXPECT_NE(text.find("       Taxes on deposits=$150.00\n"), std::string::npos);
  EXPECT_FLOAT_EQ(h.AccountNamed("Savings").balance, 850.0f);
  // The results row counts the deposit before tax: 850 + 150.
  EXPECT_FLOAT_EQ(h.ctx->results.years[0].deposits, 1000.0f);
  EXPECT_FLOAT_EQ(h.ctx->results.years[0].totalIncoming, 1000.0f);
  EXPECT_FLOAT_EQ(h.ctx->results.years[0].taxes, 150.0f);
  EXPECT_EQ(h.dir.Read("infile.tmp"), "1\nSavings\n 30.0\tSavings\t       850.00\nDooone\n");
  EXPECT_NE(h.dir.Read("bigfile.tmp").find(" 30.0\tBonus\t2\t      1000.00\n"), std::string::npos);
}

TEST(Deposit, GrowsByItsRateAndTheInflationRate) {
  Harness h;
  h.scenario.initial.inflationRate = 4.0f;
  h.scenario.initial.endAge = 33.0f;
  const uint16_t savings = h.AddAccount("Savings", core::kInvestmentSavings, 0.0f, 0.0f);
  core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Salary", 30.0f, 40.0f, 1000.0f);
  pay.accountId = savings;
  pay.appliedRate = 3.0f;
  pay.applyInflation = 1;
  const std::string text = h.RunText();
  // 1,000.00, then x 1.07 = 1,070.00, then 1,144.90.
  EXPECT_NE(text.find("  Salary - Deposit $1,000.00 to Savings\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  Salary - Deposit $1,070.00 to Savings\n"), std::string::npos);
  EXPECT_NE(text.find("  Salary - Deposit $1,144.90 to Savings\n"), std::string::npos);
  EXPECT_NEAR(h.AccountNamed("Savings").balance, 3214.90f, 0.005f);
}

TEST(Deposit, StartAgeMoneyIsInflatedToTheStartYearOnly) {
  Harness h;
  h.scenario.initial.inflationRate = 4.0f;
  h.scenario.initial.endAge = 34.0f;
  const uint16_t savings = h.AddAccount("Savings", core::kInvestmentSavings, 0.0f, 0.0f);
  core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Pension", 32.0f, 40.0f, 1000.0f);
  pay.accountId = savings;
  pay.inTodaysDollars = 1;
  const std::string text = h.RunText();
  // Two years of 4 % between 30 and 32: 1,000 x 1.04 x 1.04 = 1,081.60; no growth after.
  EXPECT_NE(text.find("  Pension - Deposit $1,081.60 to Savings\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("  Pension - Deposit $1,000.00"), std::string::npos);
  EXPECT_NEAR(h.AccountNamed("Savings").balance, 2163.20f, 0.005f);
}

TEST(Deposit, ToAnAccountThatIsGoneMovesNoMoney) {
  Harness h;
  h.AddAccount("Savings", core::kInvestmentSavings, 100.0f, 0.0f);
  core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Lost", 30.0f, 40.0f, 1000.0f);
  pay.accountId = 4242;
  const std::string text = h.RunText();
  EXPECT_TRUE(h.ok);
  EXPECT_EQ(text.find("\n  Lost - Deposit"), std::string::npos);
  EXPECT_FLOAT_EQ(h.AccountNamed("Savings").balance, 100.0f);
}

}  // namespace
