// Interest on an investment account and the tax on it, over a two-year plan: the whole
// results-file text and the three record files.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Dashes;
using engine_test::Harness;

std::string HeadingLine(const char* age, const char* investment, const char* netWorth) {
  const std::string zero = "          $0.00";
  return std::string(age) + " \t" + investment + "\t" + zero + "\t" + zero + "\t" + zero + "\t" +
         zero + "\t" + zero + "\t" + netWorth + "\n";
}

TEST(InterestWithTax, ResultsFileTextOverTwoYears) {
  Harness h;
  h.AddAccount("Savings", core::kInvestmentSavings, 10000.0f, 5.0f);
  h.ctx->options.showSummary = true;
  const std::string text = h.RunText();
  ASSERT_TRUE(h.ok);
  // Worked by hand: age 30: 10,000 at 5 % earns 500.00; 15 % of it, 75.00, is paid from the
  // account: 10,425.00. Age 31: 521.25 of interest, tax 78.1875 ($78.19): 10,868.0625.
  const std::string expected =
      " 30.0 Initial Rates  Tax=15.000% Inflation=0.000%\n" + Dashes(184) + "\n" +
      HeadingLine("30.0", "     $10,000.00", "     $10,000.00") + Dashes(185) + "\n" + Dashes(185) +
      "\n" +
      "Financial Events:\n"
      "  Inflation Rate = 0.000  \n"
      "  Tax Rate = 15.000 \n"
      "  Pay $75.00 Tax On Savings Interest\n"
      "Summary:\n"
      "    Total Incoming=$500.00\n"
      "       Taxable Income=$500.00\n"
      "           Interest=$500.00\n"
      "    Total Outgoing=$75.00\n"
      "       Taxes on savings interest=$75.00\n" +
      Dashes(184) + "\n" + HeadingLine("31.0", "     $10,425.00", "     $10,425.00") + Dashes(185) +
      "\n" + Dashes(185) + "\n" +
      "Financial Events:\n"
      "  Inflation Rate = 0.000  \n"
      "  Tax Rate = 15.000 \n"
      "  Pay $78.19 Tax On Savings Interest\n"
      "Summary:\n"
      "    Total Incoming=$521.25\n"
      "       Taxable Income=$521.25\n"
      "           Interest=$521.25\n"
      "    Total Outgoing=$78.19\n"
      "       Taxes on savings interest=$78.19\n" +
      Dashes(175) + "\n" + HeadingLine("32.0", "     $10,868.06", "     $10,868.06");
  EXPECT_EQ(text, expected);
}

TEST(InterestWithTax, RecordFilesHoldInterestAndTaxPayments) {
  Harness h;
  h.AddAccount("Savings", core::kInvestmentSavings, 10000.0f, 5.0f);
  h.RunText();
  // Interest comes into the account, the tax goes out of it; each file ends with its mark.
  EXPECT_EQ(h.dir.Read("infile.tmp"),
            "1\nSavings\n 30.0\tSavings\t       500.00\n 31.0\tSavings\t       521.25\nDooone\n");
  EXPECT_EQ(h.dir.Read("outfile.tmp"),
            " 30.0\tSavings\t        75.00\n 31.0\tSavings\t        78.19\nDooone\n");
  const std::string big = h.dir.Read("bigfile.tmp");
  EXPECT_NE(big.find(" 30.0\tInterest/Dividends Earned\t2\t       500.00\n"), std::string::npos);
  EXPECT_NE(big.find(" 30.0\tTaxes\t6\t        75.00\n"), std::string::npos);
  // The closing row repeats the flows the last year end left, without the cleared taxes.
  EXPECT_NE(big.find(" 32.0\tInterest/Dividends Earned\t2\t       521.25\n"), std::string::npos);
  EXPECT_NE(big.find(" 32.0\tTaxes\t6\t         0.00\n"), std::string::npos) << big;
  EXPECT_NE(big.find(" 32.0\tPenalties\t6\t         0.00\nDooone\n"), std::string::npos);
}

TEST(InterestWithTax, ResultsRowsHoldStartOfYearTotalsAndYearFlows) {
  Harness h;
  h.AddAccount("Savings", core::kInvestmentSavings, 10000.0f, 5.0f);
  h.RunText();
  const engine::RunResults& r = h.ctx->results;
  ASSERT_EQ(r.yearIndex, 2);  // ages 30 and 31 and the closing row at 32
  EXPECT_FLOAT_EQ(r.years[0].age, 30.0f);
  EXPECT_FLOAT_EQ(r.years[0].investment, 10000.0f);
  EXPECT_FLOAT_EQ(r.years[0].totalIncoming, 500.0f);
  EXPECT_FLOAT_EQ(r.years[0].taxes, 75.0f);
  EXPECT_FLOAT_EQ(r.years[0].totalOutgoing, 75.0f);
  EXPECT_FLOAT_EQ(r.years[1].netWorth, 10425.0f);
  EXPECT_NEAR(r.years[2].netWorth, 10868.06f, 0.005f);
  EXPECT_FLOAT_EQ(r.accountBalances[1][0], 10425.0f);
}

}  // namespace
