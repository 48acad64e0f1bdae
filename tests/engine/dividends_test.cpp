// Dividends: credited to their receiving account on the balance before interest, taxed unless
// they stay within retirement kinds, and shown only from 1.00 on.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

void PayDividends(Harness& h, uint16_t payer, uint16_t receiver, float rate) {
  const int slot = h.SlotOf(payer);
  h.scenario.dividends.dividendRate[slot] = rate;
  h.scenario.dividends.dividendTaxablePercent[slot] = 100.0f;
  h.scenario.dividends.dividendAccountId[slot] = receiver;
}

TEST(Dividends, FromRetirementIntoInvestmentIsTaxed) {
  Harness h;
  h.scenario.initial.endAge = 31.0f;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  const uint16_t ira = h.AddAccount("IRA", core::kRetirementSavings, 10000.0f, 5.0f);
  PayDividends(h, ira, cash, 2.0f);
  h.ctx->options.showSummary = true;
  const std::string text = h.RunText();
  // 2 % of 10,000 = 200.00 into Cash; 15 % tax on it = 30.00, paid from Cash: 170.00. The IRA
  // earns 5 % on 10,000 = 500.00, untaxed.
  EXPECT_NE(text.find("  Dividend received = $200.00\n      $200.00 from IRA deposited to Cash \n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("  Taxes on Dividends = $30.00\n"), std::string::npos);
  EXPECT_NE(text.find("    Total Incoming=$700.00\n"), std::string::npos);
  EXPECT_NE(text.find("           Dividends=$200.00\n"), std::string::npos);
  EXPECT_NE(text.find("           Retirement Account Interest=$500.00\n"), std::string::npos);
  EXPECT_FLOAT_EQ(h.AccountNamed("Cash").balance, 170.0f);
  EXPECT_FLOAT_EQ(h.AccountNamed("IRA").balance, 10500.0f);
}

TEST(Dividends, BetweenRetirementKindsIsUntaxed) {
  Harness h;
  h.scenario.initial.endAge = 31.0f;
  const uint16_t roth = h.AddAccount("Roth", core::kTaxFreeSavings, 0.0f, 0.0f);
  const uint16_t ira = h.AddAccount("IRA", core::kRetirementSavings, 10000.0f, 0.0f);
  PayDividends(h, ira, roth, 2.0f);
  const std::string text = h.RunText();
  EXPECT_EQ(text.find("Taxes on Dividends"), std::string::npos) << text;
  EXPECT_FLOAT_EQ(h.AccountNamed("Roth").balance, 200.0f);
}

TEST(Dividends, SmallDividendsAreCreditedWithoutScheduleLines) {
  Harness h;
  h.scenario.initial.endAge = 31.0f;
  const uint16_t cash = h.AddAccount("Cash", core::kTaxFreeSavings, 50.0f, 0.0f);
  PayDividends(h, cash, cash, 1.0f);
  const std::string text = h.RunText();
  // 1 % of 50 = 0.50: below 1.00 no line, but at least 0.10 it gets its record line.
  EXPECT_EQ(text.find("Dividend received"), std::string::npos);
  EXPECT_FLOAT_EQ(h.AccountNamed("Cash").balance, 50.5f);
  EXPECT_EQ(h.dir.Read("infile.tmp"), "1\nCash\n 30.0\tCash\t         0.50\nDooone\n");
}

TEST(Dividends, WithoutAReceivingAccountNothingIsPaid) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 0.0f);
  PayDividends(h, cash, core::kNoAccountId, 10.0f);
  const std::string text = h.RunText();
  EXPECT_EQ(text.find("Dividend"), std::string::npos);
  EXPECT_FLOAT_EQ(h.AccountNamed("Cash").balance, 1000.0f);
}

}  // namespace
