// Withdrawals from retirement money: income tax and the early-withdrawal penalty, and how the
// year's taxes (purpose 67) and penalties (purpose 98) are paid.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

TEST(RetirementWithdrawal, EarlyWithdrawalIsTaxedAndPenalised) {
  Harness h;
  h.scenario.initial.startAge = 50.0f;
  h.scenario.initial.endAge = 51.0f;
  h.scenario.initial.taxRate = 20.0f;
  const uint16_t ira = h.AddAccount("IRA", core::kRetirementSavings, 5000.0f, 0.0f);
  h.scenario.account(0).penaltyApplies = 1;
  core::FinancialEvent& take = h.AddEvent(core::kWithdrawal, "Car", 50.0f, 50.0f, 1000.0f);
  take.oneTimeOnly = 1;
  take.accountId = ira;
  take.accountChosen = core::kAccountChosen;
  h.ctx->options.showSummary = true;
  h.ctx->options.showDetails = true;
  const std::string text = h.RunText();
  // 1,000 out of 5,000 at 20 %: 200 of tax and, before age 59, 10 % = 100 of penalty. The tax
  // is paid from the same account without further tax (purpose 67 leaves money in it) but
  // with the early penalty on it, 20.00; the penalties, 120.00, are paid without tax or
  // penalty (purpose 98): 5,000 - 1,000 - 200 - 120 = 3,680.
  EXPECT_NE(text.find("  Car - Withdraw $1,000.00\n      $1,000.00 from IRA\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("  Withdrawal Taxes = $200.00\n         $200.00 from IRA\n"),
            std::string::npos);
  EXPECT_NE(text.find("  Penalties Paid = $120.00\n         $120.00 from IRA\n"),
            std::string::npos);
  EXPECT_NE(text.find("       Taxes on withdrawals=$200.00\n"), std::string::npos);
  EXPECT_NE(text.find("       Penalties Paid=$120.00\n"), std::string::npos);
  EXPECT_FLOAT_EQ(h.AccountNamed("IRA").balance, 3680.0f);
  EXPECT_EQ(h.scenario.slots.penaltyStartAge[0], 50);
  EXPECT_NE(text.find(" 50.0   A penalty was paid starting at this age.\n"), std::string::npos);
}

TEST(RetirementWithdrawal, TaxesThatEmptyARetirementAccountAreTaxedAgain) {
  Harness h;
  h.scenario.initial.startAge = 60.0f;
  h.scenario.initial.endAge = 61.0f;
  h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 10.0f);
  h.AddAccount("IRA", core::kRetirementSavings, 10.0f, 0.0f);
  h.ctx->options.showDetails = true;
  const std::string text = h.RunText();
  // Cash earns 100.00, tax 15.00: paying it takes 15 out of Cash first (case 1) and is
  // untaxed. No second payment happens, so the IRA keeps its 10.00.
  EXPECT_NE(text.find("  Pay $15.00 Tax On Savings Interest\n         $15.00 from Cash\n"),
            std::string::npos)
      << text;
  EXPECT_FLOAT_EQ(h.AccountNamed("IRA").balance, 10.0f);

  Harness emptied;
  emptied.scenario.initial.startAge = 60.0f;
  emptied.scenario.initial.endAge = 61.0f;
  emptied.AddAccount("IRA", core::kRetirementSavings, 10.0f, 0.0f);
  emptied.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 10.0f);
  emptied.ctx->options.showDetails = true;
  const std::string second = emptied.RunText();
  // The IRA comes first: the 15.00 tax empties it (10.00 taken, case 2), which is taxed at
  // 15 % = 1.50 as a withdrawal; the other 5.00 come from Cash; the 1.50 is paid next.
  EXPECT_NE(second.find("  Pay $15.00 Tax On Savings Interest\n      $10.00 from IRA\n"
                        "         $5.00 from Cash\n  Withdrawal Taxes = $1.50\n"
                        "         $1.50 from Cash\n"),
            std::string::npos)
      << second;
  EXPECT_FLOAT_EQ(emptied.AccountNamed("Cash").balance, 1100.0f - 5.0f - 1.5f);
}

TEST(RetirementWithdrawal, PenaltiesArePaidWithoutTaxOrPenalty) {
  Harness h;
  h.scenario.initial.startAge = 40.0f;
  h.scenario.initial.endAge = 41.0f;
  const uint16_t ira = h.AddAccount("IRA", core::kRetirementSavings, 1000.0f, 0.0f);
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  h.scenario.account(0).penaltyApplies = 1;
  core::FinancialEvent& move = h.AddEvent(core::kTransfer, "Out", 40.0f, 40.0f, 100.0f);
  move.oneTimeOnly = 1;
  move.fromAccountId = ira;
  move.accountId = cash;
  h.RunText();
  // The transfer: 15.00 tax, 10.00 penalty. Tax (67) from the IRA keeps money: untaxed, but
  // still penalised before 59 (1.50). Penalties 11.50 (98) from the IRA: no charges at all.
  // IRA: 1,000 - 100 - 15 - 11.50 = 873.50.
  EXPECT_FLOAT_EQ(h.AccountNamed("IRA").balance, 873.5f);
  EXPECT_FLOAT_EQ(h.ctx->results.years[0].penalties, 11.5f);
}

}  // namespace
