// The refinance analysis: the refinanced amount from the balance, the new payment, the
// break-even month against the yearly rows, the checks with their bounds, and the two files.
#include <gtest/gtest.h>

#include "calc/refinance.h"
#include "core/text_reading.h"
#include "engine/debt_payments.h"
#include "platform/scripted.h"
#include "tests/support/refinance_example.h"
#include "tests/support/temp_dir.h"

namespace calc {
namespace {

using testing_support::TenYearRefinance;

TEST(Refinance, AnAmountOfZeroIsTheBalanceAtTheRefinancingPlusTheCashOut) {
  platform::ScriptedPrompter prompter;
  RefinanceInputs in = TenYearRefinance();
  in.cashOut = 10000.0f;
  const auto out = AnalyseRefinance(in, prompter);
  ASSERT_TRUE(out);
  // The balance after 120 of 360 payments at 7/12 % a month: 171,624 (worked in double).
  EXPECT_NEAR(out->refinancedAmount - 10000.0f, 171624.0f, 5.0f);
  EXPECT_EQ(out->refinancedPayment,
            engine::MonthlyPayment(out->refinancedAmount, 5.0f * 0.01f / 12.0f, 120));
  EXPECT_EQ(out->payment, engine::MonthlyPayment(200000.0f, 7.0f * 0.01f / 12.0f, 360));
}

TEST(Refinance, AtTheStartAgeItRefinancesBeforeTheFirstPayment) {
  platform::ScriptedPrompter prompter;
  RefinanceInputs in = TenYearRefinance();
  in.refinanceAge = 40.0f;
  const auto out = AnalyseRefinance(in, prompter);
  ASSERT_TRUE(out);
  EXPECT_FLOAT_EQ(out->refinancedAmount, 200000.0f);
  EXPECT_EQ(out->rows.front().age, 40);
}

TEST(Refinance, CostsInTheMortgageRaiseItAndPointsAreAShareOfIt) {
  platform::ScriptedPrompter prompter;
  RefinanceInputs in = TenYearRefinance();
  in.refinancedAmount = 100000.0f;
  in.closingCosts = 3000.0f;
  in.closingCostsInMortgage = true;
  in.points = 1.0f;
  in.pointsInMortgage = true;
  const auto out = AnalyseRefinance(in, prompter);
  ASSERT_TRUE(out);
  // 100,000 + 3,000, then 1 % of 103,000 more.
  EXPECT_FLOAT_EQ(out->refinancedAmount, 104030.0f);
  EXPECT_FLOAT_EQ(out->mortgageCosts, 3000.0f + 1030.0f);
}

TEST(Refinance, TheBreakEvenMonthIsWhereTheGraphsCross) {
  platform::ScriptedPrompter prompter;
  RefinanceInputs in = TenYearRefinance();
  in.refinancedRate = 4.0f;
  in.refinancedYears = 20;
  in.closingCosts = 5000.0f;  // paid out of savings: the refinancing starts behind
  const auto out = AnalyseRefinance(in, prompter);
  ASSERT_TRUE(out);
  ASSERT_GT(out->breakEvenMonth, 1);
  EXPECT_LT(out->points.front().refinanced, out->points.front().existing);
  // Every plotted point before the break-even month has the existing side ahead; the yearly
  // rows of the year after it have the refinanced side ahead or level.
  for (const RefinancePoint& point : out->points) {
    if (point.month > 0 && point.month < out->breakEvenMonth) {
      EXPECT_GT(point.existing, point.refinanced) << point.month;
    }
  }
  const size_t yearAfter = static_cast<size_t>(out->breakEvenMonth / 12 + 1);
  ASSERT_LT(yearAfter, out->rows.size());
  EXPECT_LE(out->rows[yearAfter].existing.netWorth, out->rows[yearAfter].refinanced.netWorth);
}

TEST(Refinance, TheGraphFileOfATenYearRefinance) {
  platform::ScriptedPrompter prompter;
  RefinanceInputs in = TenYearRefinance();
  in.years = 20;  // ends at 60 with the 10-year refinance: 120 months plotted
  const auto out = AnalyseRefinance(in, prompter);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->plottedMonths, 120);
  // Month 0 and every fourth month to 120: 31 points.
  ASSERT_EQ(out->points.size(), 31u);
  EXPECT_EQ(out->points[1].month, 4);
  EXPECT_EQ(out->points.back().month, 120);
  const auto lines = core::SplitLines(RefinanceGraphText(*out));
  EXPECT_EQ(lines[4], "120.000000");
  EXPECT_EQ(lines[5], "2");
  EXPECT_EQ(lines[6], "Existing Mortgage");
  EXPECT_EQ(lines[9], "0.0");
  EXPECT_EQ(lines[10].substr(0, 9), "0.000000 ");
  EXPECT_EQ(lines.size(), 8u + 31u * 3u + 1u);
  EXPECT_EQ(lines.back(), "Done");
}

TEST(Refinance, ThePrintFileHasTwoRowsAnAge) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  const auto out = AnalyseRefinance(TenYearRefinance(), prompter);
  ASSERT_TRUE(out);
  ASSERT_TRUE(WriteRefinancePrintFile(dir.path(), *out, prompter));
  const auto lines = core::SplitLines(dir.Read("refprt.tmp"));
  ASSERT_EQ(lines.size(), 1 + 2 * out->rows.size());
  EXPECT_EQ(lines[0].substr(0, 14), "Age\tNet Worth\t");
  EXPECT_EQ(lines[1].substr(0, 6), " 50 O\t");
  EXPECT_EQ(lines[2].substr(0, 6), " 50 R\t");
  // The existing row's payment difference is 0.00; its fourth value.
  EXPECT_NE(lines[1].find("\t            0.00\t"), std::string::npos);
}

TEST(Refinance, ChecksAndTheirBounds) {
  platform::ScriptedPrompter prompter;
  RefinanceInputs in = TenYearRefinance();
  in.savingsRate = 200.0f;
  EXPECT_TRUE(AnalyseRefinance(in, prompter));
  in.savingsRate = -200.0f;
  EXPECT_TRUE(AnalyseRefinance(in, prompter));
  in.savingsRate = 200.01f;
  EXPECT_FALSE(AnalyseRefinance(in, prompter));
  EXPECT_EQ(prompter.Lines().back(),
            "RATE ERROR: The Savings Rate must be between -200.00% and 200.00 %.");
  in = TenYearRefinance();
  in.refinanceAge = 39.0f;
  EXPECT_FALSE(AnalyseRefinance(in, prompter));
  EXPECT_EQ(prompter.shown().back().caption, "Age Error!");
  in = TenYearRefinance();
  in.refinancedYears = 51;
  EXPECT_FALSE(AnalyseRefinance(in, prompter));
  EXPECT_EQ(prompter.Lines().back(),
            "Number of Years Error!: The number of years be less than 50.");
}

}  // namespace
}  // namespace calc
