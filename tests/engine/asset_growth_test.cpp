// Year-end growth of asset and equity accounts: appreciation counted as incoming, depreciation
// as a loss; and a negative rate on savings that is no income.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

TEST(AssetGrowth, AppreciationOfTwoAssetsIsSummed) {
  Harness h;
  h.AddAccount("Land", core::kAsset, 1000.0f, 10.0f);
  h.AddAccount("Art", core::kAsset, 2000.0f, 10.0f);
  h.ctx->options.showSummary = true;
  const std::string text = h.RunText();
  // 100 + 200 of appreciation.
  EXPECT_NE(text.find("    Total Incoming=$300.00\n       Appreciation=$300.00\n"),
            std::string::npos)
      << text;
  EXPECT_FLOAT_EQ(h.ctx->results.years[0].assetGain, 300.0f);
  EXPECT_FLOAT_EQ(h.ctx->results.years[1].assetAccounts, 3300.0f);
}

TEST(AssetGrowth, DepreciationIsALoss) {
  Harness h;
  h.AddAccount("Car", core::kEquity, 10000.0f, -20.0f);
  h.ctx->options.showSummary = true;
  const std::string text = h.RunText();
  // 20 % of 10,000 lost: 2,000.00 of depreciation, nothing incoming.
  EXPECT_NE(text.find("    Total Incoming=$0.00\n    Total Outgoing=$2,000.00\n"
                      "       Depreciation=$2,000.00\n"),
            std::string::npos)
      << text;
  EXPECT_FLOAT_EQ(h.ctx->results.years[0].lossesAndCosts, 2000.0f);
  EXPECT_FLOAT_EQ(h.ctx->results.years[1].equity, 8000.0f);
  EXPECT_NE(h.dir.Read("infile.tmp").find(" 30.0\tCar\t     -2000.00\n"), std::string::npos);
}

TEST(AssetGrowth, ANegativeSavingsRateIsNoIncomeAndNoTax) {
  Harness h;
  h.AddAccount("Fund", core::kInvestmentSavings, 10000.0f, -10.0f);
  h.ctx->options.showSummary = true;
  const std::string text = h.RunText();
  EXPECT_NE(text.find("    Total Incoming=$0.00\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Tax On Savings Interest"), std::string::npos);
  EXPECT_FLOAT_EQ(h.ctx->results.years[1].investment, 9000.0f);
}

}  // namespace
