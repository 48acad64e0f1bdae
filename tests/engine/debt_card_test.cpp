// Credit cards in the run: monthly purchases, interest and payments until the card is clear,
// the payoff at the payoff age, and cards older than the plan.
#include <gtest/gtest.h>

#include "tests/engine/debt_fixture.h"

namespace {

using engine::kSeriesInvestment;
using engine_test::AddCard;
using engine_test::Harness;
using engine_test::HasLine;
using engine_test::kCent;
using engine_test::LiabilitiesAt;
using engine_test::SeriesAt;

// 1,000 at 18 % paid 100 a month: a month's interest is 30 days at 18 %/365, 14.79 in the
// first month, so the balance falls to 914.79, 828.33, ... 186.17 after nine payments. Then
// less than two payments are owed and the 186.17 is paid at once: 900 + 186.17 = 1,086.17.
// The interest of the ten months is 88.92.
TEST(CreditCard, IsClearedWhenLessThanTwoPaymentsAreOwed) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 5000.0f, 0.0f);
  core::FinancialEvent& card = AddCard(h, "Visa", 1000.0f, 100.0f, 18.0f);
  card.accountId = cash;
  card.accountChosen = core::kAccountChosen;
  const std::string text = h.RunText();
  EXPECT_TRUE(HasLine(text, "  Visa - Withdraw $1,086.17 to pay off credit card.")) << text;
  EXPECT_EQ(text.find("credit card", text.find("\n31.0 ")), std::string::npos);
  EXPECT_NEAR(LiabilitiesAt(h, 30), 1000.0f, kCent);
  EXPECT_FLOAT_EQ(LiabilitiesAt(h, 31), 0.0f);
  EXPECT_NEAR(h.AccountNamed("Cash").balance, 3913.83f, kCent);
  EXPECT_NEAR(h.ctx->results.years[0].interestPaid, 88.92f, kCent);
  EXPECT_NEAR(h.ctx->results.years[0].withdrawals, 1086.17f, kCent);
}

// 1,000 at 12 % with 50 of purchases and 100 of payment a month: after twelve months 497.60
// is owed, and the liabilities say so (1,000 + 600 of purchases - 1,200 paid + 97.60 interest).
TEST(CreditCard, PurchasesAreOwedLikeTheBalance) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 5000.0f, 0.0f);
  core::FinancialEvent& card = AddCard(h, "Store", 1000.0f, 100.0f, 12.0f);
  card.monthlyPurchases = 50.0f;
  const std::string text = h.RunText();
  EXPECT_TRUE(HasLine(text, "  Store - Withdraw $1,200.00 to pay off credit card.")) << text;
  EXPECT_NEAR(LiabilitiesAt(h, 31), 497.60f, kCent);
}

// 5,000 at 18 % paid 100 a month owes 4,660.96 after a year; the rest is paid at the payoff
// age 31.
TEST(CreditCard, RestIsPaidAtThePayoffAge) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 10000.0f, 0.0f);
  AddCard(h, "Visa", 5000.0f, 100.0f, 18.0f).endAge = 31.0f;
  const std::string text = h.RunText();
  EXPECT_TRUE(HasLine(text, "  Visa - Withdraw $1,200.00 to pay off credit card.")) << text;
  EXPECT_TRUE(HasLine(text, "   Visa - Paid off credit card with $4,660.96"));
  EXPECT_NEAR(LiabilitiesAt(h, 31), 4660.96f, kCent);
  EXPECT_FLOAT_EQ(LiabilitiesAt(h, 32), 0.0f);
  // 10,000 - 1,200 - 4,660.96.
  EXPECT_NEAR(SeriesAt(h, kSeriesInvestment, 32), 4139.04f, kCent);
  EXPECT_NEAR(h.ctx->results.years[1].withdrawals, 4660.96f, kCent);
}

// A card taken at 29, a year before the plan: its first year is paid before the plan (nothing
// drawn), and the 4,660.96 left is owed when the plan starts.
TEST(CreditCard, OlderThanThePlanIsOwedFromItsStart) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 10000.0f, 0.0f);
  AddCard(h, "Visa", 5000.0f, 100.0f, 18.0f).startAge = 29.0f;
  const std::string text = h.RunText();
  EXPECT_NEAR(LiabilitiesAt(h, 30), 4660.96f, kCent) << text;
  EXPECT_NEAR(SeriesAt(h, kSeriesInvestment, 31), 8800.0f, kCent);
}

// A plan starting at 30.5 has six months in its first year.
TEST(CreditCard, PartialFirstYearHasItsShareOfMonths) {
  Harness h;
  h.scenario.initial.startAge = 30.5f;
  h.AddAccount("Cash", core::kInvestmentSavings, 10000.0f, 0.0f);
  AddCard(h, "Visa", 5000.0f, 100.0f, 18.0f);
  const std::string text = h.RunText();
  EXPECT_TRUE(HasLine(text, "  Visa - Withdraw $600.00 to pay off credit card.")) << text;
}

}  // namespace
