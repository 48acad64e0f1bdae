// Every run starts from scratch: a second run of the same scenario leaves the same text, the
// same files and the same tables; and the purchasing-power line deflates net worth.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

TEST(RepeatedRun, LeavesTheSameTextFilesAndTables) {
  Harness h;
  h.scenario.initial.endAge = 40.0f;
  h.scenario.initial.inflationRate = 3.0f;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 5000.0f, 4.0f);
  h.AddAccount("House", core::kAsset, 100000.0f, 2.0f);
  h.AddAccount("Car", core::kEquity, 8000.0f, -10.0f);
  core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Pay", 30.0f, 35.0f, 2000.0f);
  pay.accountId = cash;
  pay.applyInflation = 1;
  h.AddEvent(core::kWithdrawal, "Spend", 32.0f, 40.0f, 3000.0f);
  h.ctx->options.showSummary = true;
  const std::string first = h.RunText();
  const std::string plot = h.dir.Read("plotinf01.tmp");
  const std::string in = h.dir.Read("infile.tmp");
  const engine::RunResults results = h.ctx->results;
  EXPECT_EQ(h.RunText(), first);
  EXPECT_EQ(h.dir.Read("plotinf01.tmp"), plot);
  EXPECT_EQ(h.dir.Read("infile.tmp"), in);
  EXPECT_EQ(h.ctx->results.yearIndex, results.yearIndex);
  EXPECT_EQ(0, std::memcmp(&h.ctx->results.years, &results.years, sizeof results.years));
  EXPECT_EQ(h.ctx->results.redFlags.negativeNetWorth.set, results.redFlags.negativeNetWorth.set);
}

TEST(PurchasingPower, DeflatesNetWorthToTheStartAge) {
  Harness h;
  h.scenario.initial.inflationRate = 10.0f;
  h.scenario.initial.todaysPurchasingPower = 1;
  h.AddAccount("Land", core::kAsset, 10000.0f, 0.0f);
  const std::string text = h.RunText();
  // At 30 nothing is deflated; at 31 one year of 10 %: 9,000; at 32 two: 8,100.
  EXPECT_NE(text.find("\t\t\t\t\t\t\t\tNet Worth in Age 30.00 Purchasing Power      $10,000.00\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Purchasing Power       $9,000.00\n"), std::string::npos);
  EXPECT_NE(text.find("Purchasing Power       $8,100.00\n"), std::string::npos);
  EXPECT_FLOAT_EQ(h.ctx->results.purchasingPowerByYear[2], 8100.0f);
}

}  // namespace
