// Loans in the run: the money paid out, twelve monthly payments a year, the payoff age, the
// sale of what the loan bought, and loans that started before the plan.
#include <gtest/gtest.h>

#include "tests/engine/debt_fixture.h"

namespace {

using engine::kSeriesAsset;
using engine::kSeriesEquity;
using engine::kSeriesInvestment;
using engine_test::AddLoan;
using engine_test::Harness;
using engine_test::HasLine;
using engine_test::kCent;
using engine_test::kLargeCent;
using engine_test::LiabilitiesAt;
using engine_test::SeriesAt;

// 100,000 at 6 % for 30 years: r = 0.005 a month, payment 100,000 x 0.005 / (1 - 1.005^-360)
// = 599.55. Month 1 pays 500.00 of interest and 99.55 of principal; the balance falls a little
// each month, so the first year pays 5,966.60 of interest and 1,228.01 of principal
// (payments 12 x 599.55 = 7,194.61), the second 5,890.85 and 1,303.75.
TEST(Loan, FirstYearRepaysTwelveMonthsOfTheSchedule) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  AddLoan(h, "Home loan", cash, 100000.0f, 6.0f, 30);
  const std::string text = h.RunText();
  EXPECT_TRUE(HasLine(text, "  Home loan - Deposit $100,000.00 to Cash from loan")) << text;
  EXPECT_TRUE(HasLine(text,
                      "  Home loan - Withdraw $7,194.61 for monthly payments - "
                      "principal=$1,228.01 interest=$5,966.60"));
  EXPECT_TRUE(HasLine(text,
                      "  Home loan - Withdraw $7,194.61 for monthly payments - "
                      "principal=$1,303.75 interest=$5,890.85"));
  const core::FinancialEvent& loan = h.scenario.events[0];
  EXPECT_NEAR(loan.monthlyPayment, 599.55f, kCent);
  EXPECT_EQ(loan.runMonthsPaid, 24);
  // Owed at 31: 100,000 - 1,228.01; Cash: 100,000 - 7,194.61.
  EXPECT_NEAR(LiabilitiesAt(h, 31), 98771.98f, kLargeCent);
  EXPECT_NEAR(SeriesAt(h, kSeriesInvestment, 31), 92805.39f, kCent);
  EXPECT_NEAR(h.ctx->results.years[0].loans, 100000.0f, kCent);
  EXPECT_NEAR(h.ctx->results.years[0].interestPaid, 5966.60f, kCent);
  EXPECT_EQ(h.dir.Read("outfile.tmp").substr(0, 25), " 30.0\tCash\t      7194.61\n");
}

TEST(Loan, ZeroRatePaysThePrincipalInEqualParts) {
  Harness h;
  h.scenario.initial.endAge = 33.0f;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  AddLoan(h, "Phone", cash, 24000.0f, 0.0f, 2);
  const std::string text = h.RunText();
  // 24,000 over 24 months is 1,000 a month and 12,000 a year; the term ends at 32.
  const std::string year =
      "  Phone - Withdraw $12,000.00 for monthly payments - principal=$12,000.00 "
      "interest=$0.00";
  EXPECT_TRUE(HasLine(text, year)) << text;
  EXPECT_NE(text.find(year, text.find("\n31.0 ")), std::string::npos);
  EXPECT_EQ(text.find("Phone - Withdraw", text.find("\n32.0 ")), std::string::npos);
  EXPECT_FLOAT_EQ(h.scenario.events[0].monthlyPayment, 1000.0f);
  EXPECT_FLOAT_EQ(LiabilitiesAt(h, 32), 0.0f);
  EXPECT_FLOAT_EQ(SeriesAt(h, kSeriesInvestment, 32), 0.0f);
}

// 10,000 at 12 % for 5 years: payment 222.44; the first year repays 1,552.90 and pays 1,116.43
// of interest, leaving 8,447.10, all of it paid at the payoff age 31.
TEST(Loan, PayoffAgeRepaysTheRest) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 20000.0f, 0.0f);
  AddLoan(h, "Boat loan", cash, 10000.0f, 12.0f, 5).endAge = 31.0f;
  const std::string text = h.RunText();
  EXPECT_TRUE(HasLine(text,
                      "  Boat loan - Withdraw $2,669.34 for monthly payments - "
                      "principal=$1,552.90 interest=$1,116.43"))
      << text;
  EXPECT_NE(text.find("\n   Boat loan - Paid off loan with $8,447.10\n"
                      "    Total Principal=$1,552.90 Total Interest=$1,116.43\n"),
            std::string::npos);
  EXPECT_EQ(text.find("monthly payments", text.find("\n31.0 ")), std::string::npos);
  EXPECT_FLOAT_EQ(LiabilitiesAt(h, 32), 0.0f);
  // 20,000 + 10,000 - 2,669.34 - 8,447.10.
  EXPECT_NEAR(SeriesAt(h, kSeriesInvestment, 32), 18883.57f, kCent);
}

// A car bought for 20,000 with 2,000 down: 18,000 at 6 % for 5 years, payment 347.99, first
// year 3,182.46 of principal and 993.43 of interest. The car loses 10 % in its first year and
// is sold at 31 for 18,000; the 14,817.54 still owed is paid off.
TEST(Loan, IntoAnAssetIsSoldAtTheSellAge) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 30000.0f, 0.0f);
  const uint16_t car = h.AddAccount("Car", core::kAsset, 0.0f, -10.0f);
  core::FinancialEvent& loan = AddLoan(h, "Car loan", car, 20000.0f, 6.0f, 5);
  loan.downPayment = 2000.0f;
  loan.sellAge = 31.0f;
  loan.paymentAccountChosen = core::kAccountChosen;
  loan.paymentAccountId = cash;
  const std::string text = h.RunText();
  EXPECT_NE(text.find("\n  Car loan - Transfer $20,000.00 to Car from loan\n"
                      "  Car loan - Withdraw $2,000.00 for down payment\n"
                      "  Car loan - Withdraw $4,175.89 for monthly payments - "
                      "principal=$3,182.46 interest=$993.43\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\n  Car loan - Sold asset for $18,000.00\n"
                      "      Deposited $18,000.00 to Cash\n"
                      "   Paid off loan with $14,817.54\n"
                      "    Total Principal=$3,182.46 Total Interest=$993.43\n"),
            std::string::npos);
  EXPECT_NEAR(LiabilitiesAt(h, 31), 14817.54f, kCent);
  EXPECT_NEAR(SeriesAt(h, kSeriesAsset, 31), 18000.0f, kCent);
  EXPECT_FLOAT_EQ(LiabilitiesAt(h, 32), 0.0f);
  EXPECT_NEAR(SeriesAt(h, kSeriesAsset, 32), 0.0f, kCent);
  EXPECT_NEAR(h.AccountNamed("Car").balance, 0.0f, kCent);
  // 30,000 - 2,000 - 4,175.89 + 18,000 - 14,817.54.
  EXPECT_NEAR(h.AccountNamed("Cash").balance, 27006.57f, kCent);
  EXPECT_NE(h.dir.Read("infile.tmp").find("\n 31.0\tCash\t18000.00   \n"), std::string::npos);
  EXPECT_FLOAT_EQ(h.scenario.events[0].runPrincipalPaid, 18000.0f);
  EXPECT_EQ(h.scenario.events[0].runState, 2);
}

// 10,000 at 6 % for 5 years into shares that gain 10 %: first year 1,768.04 of principal, the
// rest 8,231.96 is paid off when the shares are sold for 11,000 at 31, and is no longer owed.
TEST(Loan, IntoEquityIsSoldAndTheRestIsNoLongerOwed) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 5000.0f, 0.0f);
  const uint16_t stocks = h.AddAccount("Stocks", core::kEquity, 0.0f, 10.0f);
  AddLoan(h, "Margin", stocks, 10000.0f, 6.0f, 5).sellAge = 31.0f;
  (void)cash;
  const std::string text = h.RunText();
  EXPECT_TRUE(HasLine(text, "  Margin - Transfer $10,000.00 to Stocks from loan")) << text;
  EXPECT_NE(text.find("\n  Margin - Sold equity for $11,000.00\n"
                      "      Deposited $11,000.00 to Cash\n"
                      "   Paid off loan with $8,231.96\n"
                      "    Total Principal=$1,768.04 Total Interest=$551.90\n"),
            std::string::npos);
  EXPECT_FLOAT_EQ(LiabilitiesAt(h, 32), 0.0f);
  EXPECT_NEAR(SeriesAt(h, kSeriesEquity, 32), 0.0f, kCent);
  // 5,000 - 2,319.94 of payments + 11,000 from the sale - 8,231.96 paid off.
  EXPECT_NEAR(SeriesAt(h, kSeriesInvestment, 32), 5448.10f, kCent);
}

TEST(Loan, IntoSavingsIsOnlyPaidOffAtTheSellAge) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  AddLoan(h, "Personal", cash, 5000.0f, 6.0f, 5).sellAge = 31.0f;
  const std::string text = h.RunText();
  // 5,000 at 6 % for 5 years: 884.02 repaid in the first year, 4,115.98 left.
  EXPECT_NE(text.find("\n   Paid off loan with $4,115.98\n"
                      "    Total Principal=$884.02 Total Interest=$275.95\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("Sold"), std::string::npos);
  EXPECT_FLOAT_EQ(LiabilitiesAt(h, 32), 0.0f);
}

// Started at 28, two years before the plan: the first results year pays months 24..35, 1,384.17
// of principal and 5,810.44 of interest; 1,228.01 + 1,303.75 were repaid before the plan.
TEST(Loan, StartedBeforeThePlanContinuesItsSchedule) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 50000.0f, 0.0f);
  AddLoan(h, "Home loan", cash, 100000.0f, 6.0f, 30).startAge = 28.0f;
  const std::string text = h.RunText();
  EXPECT_TRUE(HasLine(text,
                      "  Home loan - Withdraw $7,194.61 for monthly payments - "
                      "principal=$1,384.17 interest=$5,810.44"))
      << text;
  EXPECT_EQ(text.find("from loan"), std::string::npos);
  EXPECT_NEAR(LiabilitiesAt(h, 30), 97468.23f, kCent);
  // Years before the plan draw nothing: Cash starts the plan at its initial amount.
  EXPECT_NEAR(SeriesAt(h, kSeriesInvestment, 31), 50000.0f - 7194.61f, kCent);
}

// A plan starting at 30.5 keeps half of its first year: the schedule still moves on by twelve
// months (1,228.01 less owed) while half the payments, 3,597.30, are drawn.
TEST(Loan, PartialFirstYearDrawsItsShareOfAFullYear) {
  Harness h;
  h.scenario.initial.startAge = 30.5f;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  AddLoan(h, "Home loan", cash, 100000.0f, 6.0f, 30);
  const std::string text = h.RunText();
  EXPECT_TRUE(HasLine(text,
                      "  Home loan - Withdraw $3,597.30 for monthly payments - "
                      "principal=$614.01 interest=$2,983.30"))
      << text;
  EXPECT_NEAR(LiabilitiesAt(h, 31), 98771.98f, kLargeCent);
  EXPECT_EQ(h.scenario.events[0].runMonthsPaid, 24);
}

TEST(Loan, WithoutItsAccountBorrowsNothing) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 0.0f);
  AddLoan(h, "Ghost", 4321, 10000.0f, 6.0f, 5);
  const std::string text = h.RunText();
  // The scenario description at the head of the file names it; the schedule does not.
  EXPECT_EQ(text.find("Ghost", text.find(engine_test::Dashes(184))), std::string::npos) << text;
  EXPECT_FLOAT_EQ(LiabilitiesAt(h, 31), 0.0f);
  EXPECT_FLOAT_EQ(h.AccountNamed("Cash").balance, 1000.0f);
}

}  // namespace
