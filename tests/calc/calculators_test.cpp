// Known answers of the calculators, each worked out beside its case: the mortgage payment, the
// accelerated payments and their investment sentence, the inflation calculator, the effective
// yearly rate and the taxes, inflation and investment analysis, with their refusals.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/checks.h"
#include "calc/mortgage_calculator.h"
#include "calc/small_calculators.h"
#include "engine/debt_payments.h"
#include "platform/scripted.h"

namespace calc {
namespace {

constexpr float kCent = 0.005f;

class Calculators : public ::testing::Test {
 protected:
  std::vector<std::string> Messages() const { return prompter.Lines(); }
  platform::ScriptedPrompter prompter;
};

TEST_F(Calculators, MortgagePaymentIsThePaymentOfTheAmountLessTheDownPayment) {
  // 100,000 less 20,000 at 6 % for 30 years: PMT(80,000, 0.005, 360) = 479.64.
  const auto payment = MortgagePayment({100000.0f, 20000.0f, 6.0f, 30}, prompter);
  ASSERT_TRUE(payment);
  EXPECT_EQ(*payment, engine::MonthlyPayment(80000.0f, 0.005f, 360));
  EXPECT_NEAR(*payment, 479.64f, kCent);
}

TEST_F(Calculators, MortgageRefusalsInTheirOrder) {
  struct Case {
    MortgageInputs inputs;
    const char* message;
  };
  const Case cases[] = {
      // A rate of 0.5 is refused although the text speaks of "greater than 0.0".
      {{100000, 0, 0.5f, 30},
       "RATE ERROR: Loan/Mortgage rates must be greater than 0.0 and less than 1000.0."},
      {{0.5f, 0, 6, 30},
       "AMOUNT ERROR: This amount must be greater than 0.00 and less than 99999999.00."},
      {{100000, -1, 6, 30},
       "DOWN PAYMENT ERROR: This amount must be greater than 0.00 and less than 99999999.00."},
      {{100000, 0, 6, 101}, "NO OF YEARS ERROR: The number of years must be between 1 and 100."},
      {{0, 0, 0, 0},
       "RATE ERROR: Loan/Mortgage rates must be greater than 0.0 and less than 1000.0."},
  };
  for (const Case& c : cases) {
    prompter.Clear();
    EXPECT_FALSE(MortgagePayment(c.inputs, prompter));
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
  }
}

TEST_F(Calculators, NoExtraPaymentSavesNothingAndKeepsTheTerm) {
  const auto out = AcceleratedPayments({200000, 30, 30, 6, 0, 5, 0, 0}, prompter);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->savings, 0.0f);
  EXPECT_FLOAT_EQ(out->paymentYears, 30.0f);
  EXPECT_FLOAT_EQ(out->acceleratedPayment, out->payment);
  // 360 payments of 1,199.10 less the 200,000 borrowed: about 231,676 of interest.
  EXPECT_NEAR(out->totalInterest, 360 * out->payment - 200000.0f, 5.0f);
  EXPECT_FLOAT_EQ(out->totalPayments, out->totalInterest + 200000.0f);
}

TEST_F(Calculators, AnExtraPaymentEndsTheMortgageEarlyAndSavesInterest) {
  const auto plain = AcceleratedPayments({200000, 30, 30, 6, 0, 5, 0, 0}, prompter);
  const auto fast = AcceleratedPayments({200000, 30, 30, 6, 200, 5, 0, 0}, prompter);
  ASSERT_TRUE(plain && fast);
  // 1,399.10 a month repays 200,000 at 0.5 % a month in n = -ln(1 - 0.005 x 200,000 /
  // 1,399.10) / ln(1.005) = 251.5 months: 252 months of payments, 21 years.
  EXPECT_FLOAT_EQ(fast->paymentYears, 21.0f);
  EXPECT_GT(fast->savings, 40000.0f);
  EXPECT_FLOAT_EQ(fast->savings, plain->totalInterest - fast->acceleratedTotalInterest);
  EXPECT_EQ(fast->investedYears, static_cast<int>(fast->paymentYears));
}

TEST_F(Calculators, YearsLeftDecidesFromWhichMonthTheExtraIsPaid) {
  // Years left equal to the term: from the first month; 1: only the last twelve months.
  const auto all = AcceleratedPayments({100000, 10, 10, 5, 100, 5, 0, 0}, prompter);
  const auto last = AcceleratedPayments({100000, 10, 1, 5, 100, 5, 0, 0}, prompter);
  ASSERT_TRUE(all && last);
  EXPECT_LT(all->paymentYears, 10.0f);
  // The last year's extra 1,200 ends it a month or so early and saves a few dollars.
  EXPECT_GT(last->paymentYears, 9.8f);
  EXPECT_GT(last->savings, 0.0f);
  EXPECT_LT(last->savings, 50.0f);
}

TEST_F(Calculators, TheInvestmentSentenceGrowsTheExtraYearByYear) {
  // 100 a month, 10 % a year, no tax or inflation: V0 = 1,200, then V = 1.1 V + 1,200.
  AcceleratedInputs in{100000, 10, 10, 5, 100, 10, 0, 0};
  const auto out = AcceleratedPayments(in, prompter);
  ASSERT_TRUE(out);
  float value = 1200.0f;
  for (int y = 0; y < out->investedYears; ++y) value = value + 0.1f * value + 1200.0f;
  EXPECT_NEAR(out->investedValue, value, 0.01f);
}

TEST_F(Calculators, AcceleratedRefusals) {
  struct Case {
    AcceleratedInputs inputs;
    const char* caption;
  };
  const Case cases[] = {
      {{0, 30, 30, 6, 0, 5, 0, 0}, "Amount Error!"},
      {{100000, 51, 30, 6, 0, 5, 0, 0}, "Number of Years Error!"},
      {{100000, 30, 31, 6, 0, 5, 0, 0}, "Number of Years Left Error!"},
      {{100000, 30, 30, 0, 0, 5, 0, 0}, "Rate Error!"},
      {{100000, 30, 30, 6, 100000.01f, 5, 0, 0}, "Additional Amount Error!"},
      {{100000, 30, 30, 6, 0, 5, 50.5f, 0}, "Rate Error!"},
  };
  for (const Case& c : cases) {
    prompter.Clear();
    EXPECT_FALSE(AcceleratedPayments(c.inputs, prompter)) << c.caption;
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, c.caption);
  }
  EXPECT_TRUE(AcceleratedPayments({100000, 30, 30, 6, 99999.99f, 5, 0, 0}, prompter));
}

TEST_F(Calculators, InflationCalculator) {
  // 1,000 from 30 to 32 at 4 %: 1,040, then 1,081.60.
  const auto inflated = InflatedAmount({30, 32, 1000, 4}, prompter);
  ASSERT_TRUE(inflated);
  EXPECT_NEAR(*inflated, 1081.60f, kCent);
  EXPECT_FALSE(InflatedAmount({30, 30, 1000, 4}, prompter));
  EXPECT_EQ(Messages().back(), "End Age Error!: End Age must be greater the Start Age.");
  EXPECT_FALSE(InflatedAmount({30, 40, 0.5f, 4}, prompter));
  EXPECT_EQ(prompter.shown().back().caption, "Amount Error!");
  EXPECT_FALSE(InflatedAmount({30, 40, 1000, 100.5f}, prompter));
  EXPECT_EQ(prompter.shown().back().caption, "Rate Error!");
}

TEST_F(Calculators, EffectiveYearlyRate) {
  // 12 % monthly: 1.01^12 - 1 = 12.6825 %.
  const auto monthly = EffectiveYearlyRate(12.0f, Compounding::Monthly, 0, prompter);
  ASSERT_TRUE(monthly);
  EXPECT_NEAR(*monthly, 12.6825f, 0.0005f);
  // No choice compounds once a year: the nominal rate itself.
  EXPECT_NEAR(*EffectiveYearlyRate(7.0f, Compounding::None, 0, prompter), 7.0f, 0.0001f);
  EXPECT_TRUE(EffectiveYearlyRate(2000.0f, Compounding::Quarterly, 0, prompter));
  EXPECT_FALSE(EffectiveYearlyRate(2000.01f, Compounding::Quarterly, 0, prompter));
  EXPECT_EQ(prompter.shown().back().caption, "Rate Error!");
  EXPECT_FALSE(EffectiveYearlyRate(5.0f, Compounding::Other, 366, prompter));
  EXPECT_EQ(prompter.shown().back().caption, "Period Error!");
  EXPECT_TRUE(EffectiveYearlyRate(5.0f, Compounding::Other, 365, prompter));
}

TEST_F(Calculators, TaxesInflationAndYourInvestment) {
  // 1,000 for 10 years at 10 %: 1.1^10 = 2.59374, so 2,593.74; a real gain of 159.37 % over
  // ten years is 15.94 % a year on average.
  const auto out = TaxesInflationInvestment({1000, 10, 10, 0, 0}, prompter);
  ASSERT_TRUE(out);
  EXPECT_NEAR(out->endValue, 2593.74f, 0.01f);
  EXPECT_NEAR(out->todaysValue, 2593.74f, 0.01f);
  EXPECT_NEAR(out->effectiveRate, 15.94f, 0.005f);
  // 25 % tax makes 10 % a 7.5 % return: 1.075^10 = 2.06103.
  EXPECT_NEAR(TaxesInflationInvestment({1000, 10, 10, 25, 0}, prompter)->endValue, 2061.03f, 0.01f);
  EXPECT_FALSE(TaxesInflationInvestment({1000, 0, 10, 0, 0}, prompter));
  EXPECT_EQ(Messages().back(), "Number of Years Error!: The number of years be greater than 0.");
  EXPECT_FALSE(TaxesInflationInvestment({0, 5, 10, 0, 0}, prompter));
  EXPECT_EQ(prompter.shown().back().caption, "Amount Error!");
}

TEST(RepeatedPowers, NMinusOneMultiplications) {
  EXPECT_EQ(RepeatedPower(2.0f, 10), 1024.0f);
  EXPECT_EQ(RepeatedPower(1.5f, 1), 1.5f);
  EXPECT_EQ(RepeatedPower(1.5f, 0), 1.5f);  // below one: x itself
}

}  // namespace
}  // namespace calc
