// Mortgages in the run: the purchase with its down payment and closing costs, the payments,
// property taxes, extra payments, the payoff age and the sale of the property.
#include <gtest/gtest.h>

#include "tests/engine/debt_fixture.h"

namespace {

using engine::kSeriesAsset;
using engine::kSeriesEquity;
using engine::kSeriesInvestment;
using engine_test::AddLoan;
using engine_test::AddMortgage;
using engine_test::Harness;
using engine_test::HasLine;
using engine_test::kCent;
using engine_test::kLargeCent;
using engine_test::LiabilitiesAt;
using engine_test::SeriesAt;

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// A house of 250,000 with 50,000 down: 200,000 at 6 % for 30 years, payment 1,199.10, the
// first year 2,456.03 of principal and 11,933.19 of interest (twice the 100,000 loan's).
core::FinancialEvent& AddHouse(Harness& h) {
  return AddMortgage(h, "House", 250000.0f, 50000.0f, 6.0f, 30);
}

TEST(Mortgage, PurchaseBooksThePropertyAndPaysDownPaymentAndClosingCosts) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 100000.0f, 0.0f);
  core::FinancialEvent& house = AddHouse(h);
  house.closingCosts = 4000.0f;
  house.propertyTaxes = 3000.0f;
  h.ctx->options.showSummary = true;
  const std::string text = h.RunText();
  EXPECT_NE(text.find("\n  House - Withdraw $50,000.00 for down payment\n"
                      "  House - Withdraw $4,000.00 for closing costs\n"
                      "  House - Withdraw $14,389.22 for monthly payments - "
                      "principal=$2,456.03 interest=$11,933.19\n"
                      "  Withdraw $3,000.00 for property taxes\n"),
            std::string::npos)
      << text;
  EXPECT_TRUE(HasLine(text, "       Property taxes=$3,000.00"));
  EXPECT_TRUE(HasLine(text, "       Closing costs=$4,000.00"));
  // The unpaid principal stays an asset; the down payment and the principal repaid are equity.
  EXPECT_NEAR(SeriesAt(h, kSeriesAsset, 31), 197543.97f, kCent);
  EXPECT_NEAR(SeriesAt(h, kSeriesEquity, 31), 52456.03f, kCent);
  EXPECT_NEAR(LiabilitiesAt(h, 31), 197543.97f, kCent);
  // 100,000 - 50,000 - 4,000 - 14,389.22 - 3,000.
  EXPECT_NEAR(SeriesAt(h, kSeriesInvestment, 31), 28610.78f, kCent);
  EXPECT_NEAR(h.scenario.events[0].monthlyPayment, 1199.10f, kCent);
  EXPECT_NEAR(h.ctx->results.years[0].lossesAndCosts, 4000.0f, kCent);
  EXPECT_NEAR(h.ctx->results.years[0].taxes, 3000.0f, kCent);
  // The run's mortgage principal: two years of it, 2,456.03 + 2,607.51.
  EXPECT_NEAR(h.ctx->mortgagePrincipal, 5063.54f, kCent);
}

TEST(Mortgage, DownPaymentToEquityIsNotWithdrawn) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 100000.0f, 0.0f);
  AddHouse(h).downPaymentToEquity = 1;
  const std::string text = h.RunText();
  EXPECT_TRUE(HasLine(text, "  House - $50,000.00 to equity.")) << text;
  EXPECT_EQ(text.find("for down payment"), std::string::npos);
  EXPECT_NEAR(SeriesAt(h, kSeriesEquity, 31), 52456.03f, kCent);
  EXPECT_NEAR(SeriesAt(h, kSeriesInvestment, 31), 100000.0f - 14389.22f, kCent);
}

// Bought at 28 with taxes of 3,000 grown by 4 % for each whole year since: 3,000 x 1.04^2 =
// 3,244.80 at 30 and 3,374.59 at 31. Taxes of 0.50 a year are below 1.00 and never charged.
TEST(Mortgage, PropertyTaxesGrowWithInflationAndSmallOnesAreNotCharged) {
  Harness h;
  h.scenario.initial.inflationRate = 4.0f;
  h.AddAccount("Cash", core::kInvestmentSavings, 500000.0f, 0.0f);
  core::FinancialEvent& house = AddHouse(h);
  house.startAge = 28.0f;
  house.propertyTaxes = 3000.0f;
  house.inflateTaxes = 1;
  AddMortgage(h, "Shed", 1000.0f, 0.0f, 6.0f, 5).propertyTaxes = 0.5f;
  const std::string text = h.RunText();
  EXPECT_TRUE(HasLine(text, "  Withdraw $3,244.80 for property taxes")) << text;
  EXPECT_TRUE(HasLine(text, "  Withdraw $3,374.59 for property taxes"));
  EXPECT_EQ(Count(text, "for property taxes"), 2u);
}

// 12,000 at 12 % for one year is repaid by 30; the term is over before the payoff age 40.
TEST(Mortgage, TermEndingBeforeThePayoffAgeWritesNoPayoff) {
  Harness h;
  h.scenario.initial.endAge = 33.0f;
  h.AddAccount("Cash", core::kInvestmentSavings, 50000.0f, 0.0f);
  core::FinancialEvent& cabin = AddMortgage(h, "Cabin", 12000.0f, 0.0f, 12.0f, 1);
  cabin.endAge = 40.0f;
  cabin.propertyTaxes = 100.0f;
  const std::string text = h.RunText();
  EXPECT_EQ(Count(text, "for monthly payments"), 1u) << text;
  EXPECT_EQ(text.find("Paid off"), std::string::npos);
  // A paid-off property is still owned: its taxes go on every year.
  EXPECT_EQ(Count(text, "  Withdraw $100.00 for property taxes"), 3u);
  EXPECT_FLOAT_EQ(LiabilitiesAt(h, 31), 0.0f);
  EXPECT_NEAR(SeriesAt(h, kSeriesEquity, 31), 12000.0f, kCent);
}

// The house gains 5 % in its first year (262,500) and is sold at 31 with 6 % selling expenses
// (15,750); 246,750 goes to Cash and the 197,543.97 still owed is paid off.
TEST(Mortgage, SaleDepositsTheNetProceedsAndPaysOffTheRest) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 100000.0f, 0.0f);
  core::FinancialEvent& house = AddHouse(h);
  house.appreciationRate = 5.0f;
  house.sellAge = 31.0f;
  house.sellingCostPercent = 6.0f;
  house.propertyTaxes = 3000.0f;
  const std::string text = h.RunText();
  EXPECT_NE(text.find("\n  House - Sold property for $262,500.00\n"
                      "     Selling expenses = $15,750.00\n"
                      "      Deposited $246,750.00 to Cash\n"
                      "   Paid off mortgage with $197,543.97\n"
                      "    Total Principal=$2,456.03 Total Interest=$11,933.19\n"),
            std::string::npos)
      << text;
  // No payment and no property taxes in the year of the sale.
  EXPECT_EQ(Count(text, "for property taxes"), 1u);
  EXPECT_EQ(Count(text, "for monthly payments"), 1u);
  EXPECT_NEAR(SeriesAt(h, kSeriesAsset, 32), 0.0f, kCent);
  EXPECT_NEAR(SeriesAt(h, kSeriesEquity, 32), 0.0f, kCent);
  EXPECT_FLOAT_EQ(LiabilitiesAt(h, 32), 0.0f);
  // 100,000 - 50,000 - 14,389.22 - 3,000 + 246,750 - 197,543.97.
  EXPECT_NEAR(SeriesAt(h, kSeriesInvestment, 32), 81816.81f, kCent);
  EXPECT_NE(h.dir.Read("infile.tmp").find("\n 31.0\tCash\t246750.00  \n"), std::string::npos);
  EXPECT_EQ(h.scenario.events[0].runPropertySold, 1);
}

TEST(Mortgage, SaleWithoutInvestmentAccountCreditsOnlyTheTotal) {
  Harness h;
  h.AddAccount("Roth", core::kTaxFreeSavings, 100000.0f, 0.0f);
  core::FinancialEvent& house = AddHouse(h);
  house.sellAge = 31.0f;
  const std::string text = h.RunText();
  EXPECT_TRUE(HasLine(text, "      Deposited $250,000.00 to Investment Savings")) << text;
  EXPECT_NEAR(SeriesAt(h, kSeriesInvestment, 32), 250000.0f, kCent);
}

// Paid off at 31, sold at 32: the sale must not take the paid-off balance off the liabilities
// a second time. A car loan keeps something owed: 10,000 at 6 % for 5 years has 4,362.02 left
// after three years (1,768.04 + 1,877.08 + 1,992.86 repaid).
TEST(Mortgage, PaidOffThenSoldIsNotRepaidTwice) {
  Harness h;
  h.scenario.initial.endAge = 33.0f;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 300000.0f, 0.0f);
  AddLoan(h, "Car", cash, 10000.0f, 6.0f, 5);
  core::FinancialEvent& house = AddHouse(h);
  house.endAge = 31.0f;
  house.sellAge = 32.0f;
  const std::string text = h.RunText();
  EXPECT_NE(text.find("\n   House - Paid off mortgage with $197,543.97\n"
                      "    Total Principal=$2,456.03 Total Interest=$11,933.19\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\n  House - Sold property for $250,000.00\n"
                      "     Selling expenses = $0.00\n"
                      "      Deposited $250,000.00 to Cash\n"
                      "    Total Principal=$2,456.03 Total Interest=$11,933.19\n"),
            std::string::npos);
  EXPECT_EQ(Count(text, "Paid off mortgage"), 1u);
  EXPECT_NEAR(LiabilitiesAt(h, 33), 4362.02f, kLargeCent);
  EXPECT_NEAR(SeriesAt(h, kSeriesEquity, 33), 0.0f, kCent);
  EXPECT_NEAR(SeriesAt(h, kSeriesAsset, 33), 0.0f, kCent);
}

// Bought at 28 with 100 a month extra. From the plan's start (extraPaymentStart 2) the extra
// applies from month 24, the first month of the plan: months 24..35 repay 4,001.89 instead of
// 2,768.33. From the mortgage's own start (3) the whole schedule carries it, so months 24..35
// repay 4,158.75. The payments are 1,199.10 + 100 a month either way.
TEST(Mortgage, ExtraPaymentsFromThePlanOrFromThePurchase) {
  for (const uint16_t start : {uint16_t{2}, uint16_t{3}}) {
    Harness h;
    h.AddAccount("Cash", core::kInvestmentSavings, 500000.0f, 0.0f);
    core::FinancialEvent& house = AddHouse(h);
    house.startAge = 28.0f;
    house.extraMonthlyPayment = 100.0f;
    house.extraPaymentStart = start;
    const std::string text = h.RunText();
    const std::string expected =
        start == 2 ? "principal=$4,001.89 interest=$11,587.33" : "principal=$4,158.75 interest=$11,430.47";
    EXPECT_TRUE(HasLine(text, "  House - Withdraw $15,589.22 for monthly payments - " + expected))
        << "extraPaymentStart " << start << "\n"
        << text;
  }
}

}  // namespace
