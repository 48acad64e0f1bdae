// Rate changes: new tax, inflation and account rates take effect for every later event and
// year; a rate already in effect gives no line.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

TEST(RateChange, ChangesRatesFromItsYearOn) {
  Harness h;
  h.scenario.initial.endAge = 33.0f;
  h.scenario.initial.inflationRate = 3.0f;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 5.0f);
  core::FinancialEvent& change = h.AddEvent(core::kFundamentals, "Retire", 31.0f, 31.0f, 0.0f);
  change.newTaxRate = 20.0f;
  change.newInflationRate = 2.0f;
  change.rateAccountId = cash;
  change.newAccountRate = 10.0f;
  const std::string text = h.RunText();
  EXPECT_NE(text.find("  Retire - Rate Changes: \n     Cash = 10.000%\n     Tax Rate = 20.000%\n"
                      "     Inflation Rate = 2.000%\n"),
            std::string::npos)
      << text;
  // The new rates hold in the years after the change as well.
  const std::string at32 = Harness::Section(text, "32.0 ", 7);
  EXPECT_NE(at32.find("  Inflation Rate = 2.000  \n  Tax Rate = 20.000 \n"), std::string::npos)
      << at32;
  // Interest: 30: 50.00 (tax 7.50) -> 1,042.50; 31 at 10 %: 104.25 (tax 20.85) -> 1,125.90.
  EXPECT_NE(text.find("  Pay $20.85 Tax On Savings Interest\n"), std::string::npos);
  EXPECT_NEAR(h.ctx->results.years[2].investment, 1125.90f, 0.005f);
}

TEST(RateChange, RatesAlreadyInEffectGiveOnlyTheHeadingLine) {
  Harness h;
  h.scenario.initial.inflationRate = 3.0f;
  h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 5.0f);
  core::FinancialEvent& change = h.AddEvent(core::kFundamentals, "Same", 30.0f, 30.0f, 0.0f);
  change.newTaxRate = 15.0f;
  change.newInflationRate = 3.0f;
  change.rateAccountId = core::kNoAccountId;
  const std::string text = h.RunText();
  EXPECT_NE(text.find("\n  Same - Rate Changes: \n  Pay "), std::string::npos) << text;
}

}  // namespace
