// The loan arithmetic: the annuity payment and the replay of a stretch of the schedule, with
// the rates and terms that the editor never stores.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "engine/debt_payments.h"
#include "tests/engine/debt_fixture.h"

namespace {

using engine::AmortizedMonths;
using engine::AmortizeMonths;
using engine::MonthlyPayment;
using engine_test::kCent;

constexpr float kOnePercentAMonth = 12.0f * 0.01f / 12.0f;

TEST(MonthlyPayment, IsTheAnnuityPayment) {
  // 100,000 at 0.5 % a month for 360 months: 100,000 x 0.005 / (1 - 1.005^-360) = 599.55.
  EXPECT_NEAR(MonthlyPayment(100000.0f, 6.0f * 0.01f / 12.0f, 360), 599.55f, kCent);
  // 1,000 at 1 % a month for 4 months: 10 / (1 - 1.01^-4) = 256.28.
  EXPECT_NEAR(MonthlyPayment(1000.0f, kOnePercentAMonth, 4), 256.28f, kCent);
}

TEST(MonthlyPayment, RatesAndTermsTheFormulaCannotTake) {
  // A rate of 0: equal parts.
  EXPECT_FLOAT_EQ(MonthlyPayment(1200.0f, 0.0f, 12), 100.0f);
  // No months counts as one: the whole principal with a month's interest.
  EXPECT_NEAR(MonthlyPayment(1000.0f, kOnePercentAMonth, 0), 1010.00f, kCent);
  EXPECT_FLOAT_EQ(MonthlyPayment(1000.0f, 0.0f, 0), 1000.0f);
  // -100 % a month leaves nothing to compound: equal parts again.
  EXPECT_FLOAT_EQ(MonthlyPayment(1200.0f, -1.0f, 12), 100.0f);
  // A term of 65,535 years at 6 %: the payment is the interest alone, quickly.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_NEAR(MonthlyPayment(100000.0f, 0.005f, 65535 * 12), 500.0f, kCent);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
}

TEST(AmortizeMonths, SumsTheMonthsAskedFor) {
  // 256.28 a month on 1,000 at 1 %: interest 10.00, 7.54, 5.05, 2.54 = 25.12.
  const AmortizedMonths all = AmortizeMonths(1000.0f, kOnePercentAMonth, 4, 0, 11, 0.0f, 0);
  EXPECT_NEAR(all.principal, 1000.0f, kCent);
  EXPECT_NEAR(all.interest, 25.12f, kCent);
  EXPECT_EQ(all.payments, 4);  // the schedule ends after month 3
  // Months 2 and 3 only: 7.59 of interest, 504.97 of principal.
  const AmortizedMonths late = AmortizeMonths(1000.0f, kOnePercentAMonth, 4, 2, 11, 0.0f, 0);
  EXPECT_NEAR(late.principal, 504.97f, kCent);
  EXPECT_NEAR(late.interest, 7.59f, kCent);
  EXPECT_EQ(late.payments, 2);
  // Nothing before month 0.
  const AmortizedMonths none = AmortizeMonths(1000.0f, kOnePercentAMonth, 4, 0, -1, 0.0f, 0);
  EXPECT_EQ(none.payments, 0);
  EXPECT_FLOAT_EQ(none.principal, 0.0f);
}

TEST(AmortizeMonths, ExtraPaymentsEndTheScheduleEarlier) {
  // 100 more each month: 356.28 of principal and interest; the third payment repays the rest,
  // so only 19.58 of interest is paid.
  const AmortizedMonths extra =
      AmortizeMonths(1000.0f, kOnePercentAMonth, 4, 0, 11, 100.0f, 0);
  EXPECT_EQ(extra.payments, 3);
  EXPECT_NEAR(extra.principal, 1000.0f, kCent);
  EXPECT_NEAR(extra.interest, 19.58f, kCent);
  // From month 3 on the extra changes nothing before it.
  const AmortizedMonths first = AmortizeMonths(1000.0f, kOnePercentAMonth, 4, 0, 1, 100.0f, 3);
  const AmortizedMonths plain = AmortizeMonths(1000.0f, kOnePercentAMonth, 4, 0, 1, 0.0f, 0);
  EXPECT_FLOAT_EQ(first.principal, plain.principal);
}

TEST(AmortizeMonths, NeverRepaysMoreThanThePrincipal) {
  const AmortizedMonths year = AmortizeMonths(1200.0f, 0.0f, 12, 0, 11, 500.0f, 0);
  EXPECT_NEAR(year.principal, 1200.0f, kCent);  // 600 a month: done after two payments
  EXPECT_EQ(year.payments, 2);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const AmortizedMonths broken = AmortizeMonths(1000.0f, nan, 12, 0, 11, 0.0f, 0);
  EXPECT_LE(broken.payments, 12);
}

// Debts stored with values the editor refuses run to the end without running away.
TEST(DebtHostileValues, RunCompletes) {
  engine_test::Harness h;
  h.scenario.initial.endAge = 35.0f;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 0.0f);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  engine_test::AddLoan(h, "Endless", cash, 1000.0f, 1.0e30f, 65535).sellAge = nan;
  engine_test::AddLoan(h, "Negative", cash, -500.0f, -2400.0f, 0).endAge = -5.0f;
  core::FinancialEvent& house = engine_test::AddMortgage(h, "Odd", nan, 1.0e38f, 6.0f, 30);
  house.startAge = -1.0e30f;
  house.propertyTaxes = 1.0e38f;
  house.inflateTaxes = 1;
  engine_test::AddCard(h, "Card", 1000.0f, 0.0f, 1.0e30f).monthlyPurchases = nan;
  const auto start = std::chrono::steady_clock::now();
  h.RunText();
  EXPECT_TRUE(h.ok);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

}  // namespace
