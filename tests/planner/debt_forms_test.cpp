// The Loan, Mortgage and Credit Card Debt forms: their checks, the payment and payoff they
// compute, and what OK stores.
#include <gtest/gtest.h>

#include "planner/forms/credit_card_payoff.h"
#include "tests/planner/form_fixture.h"

namespace planner_testing {
namespace {

using planner::forms::Outcome;

constexpr float kCents = 0.01f;

void FillMortgage(FormTest& t, planner::forms::Form& form) {
  (void)t;
  form.Set("Description", "House");
  form.Set("Start Age", "35");
  form.Set("Payoff Age", "65");
  form.Set("Rate", "6");
  form.Set("Amount", "200000");
  form.Set("Number of Years", "30");
}

struct AcceleratedCase {
  const char* amount;
  Outcome outcome;
};

class MortgageAccelerated : public FormTest,
                            public ::testing::WithParamInterface<AcceleratedCase> {};

TEST_P(MortgageAccelerated, MustStayBelowOneHundredThousand) {
  planner::forms::Form& form = Open("MORTGAGE");
  FillMortgage(*this, form);
  Set("Accelerated Payment Monthly Amount", GetParam().amount);
  EXPECT_EQ(Press("OK"), GetParam().outcome);
  if (GetParam().outcome == Outcome::Kept) {
    EXPECT_EQ(LastMessage(),
              "Additional Monthly Amount Error: This amount must be greater than or equal to  "
              "0.00 and less than 99999.99");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, MortgageAccelerated,
                         ::testing::Values(AcceleratedCase{"99999.99", Outcome::Stored},
                                           AcceleratedCase{"0", Outcome::Stored},
                                           AcceleratedCase{"100000", Outcome::Kept},
                                           AcceleratedCase{"-1", Outcome::Kept}));

TEST_F(FormTest, MortgageCalculateShowsTheMonthlyPaymentAndStoresNothing) {
  planner::forms::Form& form = Open("MORTGAGE");
  FillMortgage(*this, form);
  Set("Down Payment / Equity", "40000");
  // Worked by hand: 160,000 at 0.5 % a month over 360 months is 959.28 a month.
  EXPECT_EQ(Press("Calculate"), Outcome::Done);
  EXPECT_EQ(Shown("Monthly Payment"), "959.28     ");
  EXPECT_EQ(scenario().eventCount(), 0);
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  const core::FinancialEvent& e = scenario().events[0];
  EXPECT_EQ(e.kind, core::kMortgage);
  EXPECT_EQ(e.years, 30);
  EXPECT_NEAR(e.monthlyPayment, 959.28f, kCents);
  EXPECT_EQ(e.paymentAccountId, core::kNoAccountId);
}

TEST_F(FormTest, MortgageOfNoYearsIsRefused) {
  planner::forms::Form& form = Open("MORTGAGE");
  FillMortgage(*this, form);
  Set("Number of Years", "0");
  EXPECT_EQ(Press("OK"), Outcome::Kept);
  EXPECT_EQ(LastMessage(), "NO OF YEARS ERROR: The number of years must be between 1 and 100.");
}

TEST_F(FormTest, MortgageScheduleChecksWhatIsTypedFirst) {
  Open("MORTGAGE");
  view.opens = true;
  // The schedule is of the values typed: an empty dialog has none to show.
  EXPECT_EQ(Press("Schedule"), Outcome::Kept);
  EXPECT_EQ(form_->Active().name(), "MORTGAGE");
  const size_t before = view.opened.size();
  EXPECT_EQ(Press("Do Accelerated Payment Analysis"), Outcome::Done);  // a new mortgage: none
  EXPECT_EQ(view.opened.size(), before);
}

TEST_F(FormTest, LoanStoresItsPaymentAndTheDepositAccountsRate) {
  const uint16_t id = AddAccount("Checking");
  scenario().account(0).rate = 2.5f;
  Open("LOAN");
  Set("Start Age", "40");
  Set("Payoff Age", "45");
  Set("Rate", "12");
  Set("Amount", "10000");
  Set("Number of Years", "5");
  Set("Deposit to:", "Checking");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  const core::FinancialEvent& e = scenario().events[0];
  EXPECT_EQ(e.kind, core::kLoan);
  EXPECT_NE(e.cardMarker, core::kCardMarker);
  EXPECT_EQ(e.accountId, id);
  EXPECT_FLOAT_EQ(e.depositAccountRate, 2.5f);
  // Worked by hand: 10,000 at 1 % a month over 60 months is 222.44.
  EXPECT_NEAR(e.monthlyPayment, 222.44f, kCents);
}

TEST_F(FormTest, LoanRateBelowOnePercentIsRefused) {
  Open("LOAN");
  Set("Start Age", "40");
  Set("Payoff Age", "45");
  Set("Rate", "0.5");
  EXPECT_EQ(Press("Calculate"), Outcome::Kept);
  EXPECT_EQ(LastMessage(),
            "RATE ERROR: Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.");
}

struct PayoffCase {
  float balance, rate, payment, purchases;
  int months;
  float interest;  // -1: not checked
};

class CardPayoff : public ::testing::TestWithParam<PayoffCase> {};

TEST_P(CardPayoff, CountsMonthsUntilTheBalanceIsGone) {
  const PayoffCase& c = GetParam();
  const planner::forms::CardPayoff payoff =
      planner::forms::ComputeCardPayoff(c.balance, c.rate, c.payment, c.purchases);
  EXPECT_EQ(payoff.months, c.months);
  if (c.interest >= 0.0f) {
    EXPECT_NEAR(payoff.totalInterest, c.interest, kCents);
  }
  EXPECT_FLOAT_EQ(payoff.years, static_cast<float>(c.months) * (1.0f / 12.0f));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CardPayoff,
    ::testing::Values(
        // No interest: 1,000 at 100 a month; the 9th month leaves 200 - 100 <= 100, the final
        // payment, which is counted: 9 months.
        PayoffCase{1000.0f, 0.0f, 100.0f, 0.0f, 9, 0.0f},
        // A payment below the interest never pays off: stopped after 100 years.
        PayoffCase{10000.0f, 20.0f, 10.0f, 0.0f, 1200, -1.0f},
        // Worked by hand: 500 less a payment of 400 leaves no more than the payment, so the
        // first month is the final one, with 500 x 12 % x 30/365 = 4.93 of interest.
        PayoffCase{500.0f, 12.0f, 400.0f, 0.0f, 1, 4.93f},
        // 2,000 at 12 %: 19.73 of interest the first month leaves 1,619.73; the second month
        // 15.98 leaves 1,235.71; ... until the final month: 5 months in all.
        PayoffCase{2000.0f, 12.0f, 400.0f, 0.0f, 5, -1.0f}));

TEST_F(FormTest, CreditCardMayNotStartBeforeThePlan) {
  Open("CCARD");
  Set("Start Age", "25");
  Set("Payoff Age", "40");
  Set("Rate", "18");
  Set("Balance", "5000");
  Set("Monthly Payments", "200");
  EXPECT_EQ(Press("OK"), Outcome::Kept);
  EXPECT_EQ(LastMessage(),
            "START AGE ERROR: The Start Age must be equal or greater than the Initial Values "
            "Start Age!");
  Set("Start Age", "30");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  const core::FinancialEvent& e = scenario().events[0];
  EXPECT_TRUE(core::IsCreditCard(e));
  EXPECT_GT(e.payoffMonths, 0.0f);
  EXPECT_EQ(Shown("Months"), std::to_string(static_cast<int>(e.payoffMonths)));
}

TEST_F(FormTest, CreditCardCalculatorReadsPlainNumbersAndStoresNothing) {
  Open("CCARD", -1, -1, -1);
  planner::Place place{planner::PlaceKind::Dialog, "CCARD"};
  place.calculator = true;
  form_ = planner::forms::MakeForm(session(), place);
  Set("Balance", "1000");
  Set("Monthly Payments", "100");
  Set("Rate", "0");
  EXPECT_EQ(Press("Calculate"), Outcome::Done);
  EXPECT_EQ(Shown("Months"), "9");
  EXPECT_EQ(scenario().eventCount(), 0);
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace planner_testing
