// Transfers: a transfer short of money, taxes and penalties on money leaving retirement
// accounts, and the transfer of all funds.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

core::FinancialEvent& AddTransfer(Harness& h, const char* name, uint16_t from, uint16_t to,
                                  float amount) {
  core::FinancialEvent& event = h.AddEvent(core::kTransfer, name, 30.0f, 30.0f, amount);
  event.oneTimeOnly = 1;
  event.fromAccountId = from;
  event.accountId = to;
  return event;
}

TEST(Transfer, ShortOfMoneyMovesWhatThereIsAndRaisesTheFlag) {
  Harness h;
  const uint16_t a = h.AddAccount("Checking", core::kInvestmentSavings, 3000.0f, 0.0f);
  const uint16_t b = h.AddAccount("Brokerage", core::kInvestmentSavings, 0.0f, 0.0f);
  AddTransfer(h, "Move", a, b, 5000.0f);
  const std::string text = h.RunText();
  // 5,000 wanted, 3,000 there: 3,000 moves and 2,000 is reported as not transferred.
  EXPECT_NE(text.find("\n  Move  Transfer $3,000.00 from Checking to Brokerage \n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\n  Move - Checking depleted $2,000.00 not transferred!\n"),
            std::string::npos);
  EXPECT_NE(text.find("Red flags at age(s):\n"
                      " 30.0   There were 1 transfer(s) not completed due to insufficient "
                      "funds starting at this age.\n"),
            std::string::npos);
  EXPECT_FLOAT_EQ(h.AccountNamed("Brokerage").balance, 3000.0f);
  EXPECT_EQ(h.dir.Read("outfile.tmp"), " 30.0\tChecking\t3000.00    \nDooone\n");
  EXPECT_EQ(h.ctx->results.redFlags.unfinishedTransferCount, 1);
}

TEST(Transfer, OutOfRetirementBeforePenaltyAgeIsTaxedAndPenalised) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  const uint16_t ira = h.AddAccount("IRA", core::kRetirementSavings, 10000.0f, 0.0f);
  const uint16_t roth = h.AddAccount("Roth", core::kTaxFreeSavings, 0.0f, 0.0f);
  h.scenario.account(1).penaltyApplies = 1;
  AddTransfer(h, "ToCash", ira, cash, 1000.0f);
  AddTransfer(h, "ToRoth", ira, roth, 1000.0f);
  h.ctx->options.showSummary = true;
  const std::string text = h.RunText();
  // Only the move to Cash is taxed (15 % of 1,000 = 150) and penalised (10 % = 100, age 30 is
  // below the penalty age 59); the move to Roth stays within retirement kinds.
  EXPECT_NE(text.find("  Withdrawal Taxes = $150.00\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  Penalties Paid = $100.00\n"), std::string::npos);
  EXPECT_NE(text.find(" 30.0   A penalty was paid starting at this age.\n"), std::string::npos);
  // Taxes (purpose 67) come from Cash first: 1,000 - 150 = 850, then the penalty: 750.
  EXPECT_FLOAT_EQ(h.AccountNamed("Cash").balance, 750.0f);
  EXPECT_FLOAT_EQ(h.AccountNamed("IRA").balance, 8000.0f);
  EXPECT_FLOAT_EQ(h.AccountNamed("Roth").balance, 1000.0f);
}

TEST(Transfer, AllFundsEmptiesTheAccountOnce) {
  Harness h;
  const uint16_t a = h.AddAccount("Old", core::kInvestmentSavings, 1234.5f, 0.0f);
  const uint16_t b = h.AddAccount("New", core::kInvestmentSavings, 0.0f, 0.0f);
  core::FinancialEvent& all = AddTransfer(h, "Close", a, b, 0.0f);
  all.oneTimeOnly = 0;
  all.endAge = 40.0f;
  all.transferAll = 1;
  const std::string text = h.RunText();
  EXPECT_NE(text.find("\n  Close  Transfer $1,234.50 from Old to New \n"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("\n  Close  Transfer", text.find("\n31.0 ")), std::string::npos);
  EXPECT_FLOAT_EQ(h.AccountNamed("New").balance, 1234.5f);
}

}  // namespace
