// A plan that starts part-way through a year of age: the first year counts only its remaining
// part for interest, inflation and recurring amounts, while one-time amounts are whole.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

// Today is 15 June (day 166); a birthday on 27 August (day 239) was 292 days ago, so the age
// is 30 + 292/365 = 30.8 and the first year keeps 0.2 of itself.
void StartAtThirtyPointEight(Harness& h) {
  h.scenario.initial.useBirthday = 1;
  h.scenario.initial.birthMonth = 8;
  h.scenario.initial.birthDay = 27;
  h.scenario.initial.inflationRate = 4.0f;
}

TEST(FirstYearFraction, InterestInflationAndHeadingUseThePartOfTheYearLeft) {
  Harness h;
  StartAtThirtyPointEight(h);
  h.AddAccount("Savings", core::kInvestmentSavings, 10000.0f, 5.0f);
  const std::string text = h.RunText();
  // 10,000 x 5 % x 0.2 = 100.00 of interest, 15.00 of tax; inflation 4 % x 0.2 = 0.800.
  EXPECT_NE(text.find("\n30.8 \t     $10,000.00\t"), std::string::npos) << text;
  EXPECT_NE(text.find("  Inflation Rate = 0.800  \n"), std::string::npos);
  EXPECT_NE(text.find("  Pay $15.00 Tax On Savings Interest\n"), std::string::npos);
  EXPECT_NE(text.find("\n31.0 \t     $10,085.00\t"), std::string::npos);
  EXPECT_NEAR(h.ctx->results.inflationByAge[30], 0.8f, 1e-5f);
  EXPECT_NEAR(h.ctx->results.inflationByAge[31], 4.0f, 1e-6f);
  // The plot file shows the age with its fraction for the first point.
  EXPECT_NE(h.dir.Read("plotinf01.tmp").find("\n30.8 10000.00 "), std::string::npos);
}

TEST(FirstYearFraction, RecurringAmountsArePartialAndOneTimeAmountsWhole) {
  Harness h;
  StartAtThirtyPointEight(h);
  h.AddAccount("Savings", core::kInvestmentSavings, 10000.0f, 0.0f);
  h.AddEvent(core::kWithdrawal, "Rent", 30.0f, 40.0f, 1000.0f);
  core::FinancialEvent& gift = h.AddEvent(core::kWithdrawal, "Gift", 30.0f, 30.0f, 500.0f);
  gift.oneTimeOnly = 1;
  const std::string text = h.RunText();
  // 1,000 x 0.2 = 200.00 of the yearly rent; the one-time gift is 500.00 in full.
  EXPECT_NE(text.find("  Rent - Withdraw $200.00\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  Gift - Withdraw $500.00\n"), std::string::npos);
  EXPECT_NE(text.find("  Rent - Withdraw $1,000.00\n"), std::string::npos);
  // 10,000 - 200 - 500 = 9,300 at 31; the gift is not repeated.
  EXPECT_NE(text.find("\n31.0 \t      $9,300.00\t"), std::string::npos);
  EXPECT_EQ(text.find("Gift - Withdraw", text.find("\n31.0 ")), std::string::npos);
}

}  // namespace
