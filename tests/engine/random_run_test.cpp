// Runs with random account and group rates: the drawn rate replaces the working rate, the
// year's inflation is drawn unless the schedule window is open, the detail lines and the
// "Rate Statistics:" block, and a seed that repeats a run.
#include <gtest/gtest.h>

#include "engine/monte_carlo.h"
#include "tests/engine/engine_harness.h"

namespace {

using engine::RandomRateSource;
using engine_test::Harness;

// A harness with no tax, uniform random rates and a random inflation of exactly 4 %.
struct RandomHarness : Harness {
  RandomHarness() {
    scenario.initial.taxRate = 0.0f;
    scenario.groups.mcRateType = engine::kUniform;
    scenario.groups.mcMinInflation = 4.0f;
    scenario.groups.mcMaxInflation = 4.0f;
    ctx->random.source.Seed(2026);
  }
  uint16_t AddRandomAccount(const char* name, float amount, float rate, float low, float high) {
    const uint16_t id = AddAccount(name, core::kInvestmentSavings, amount, rate);
    core::Account& account = AccountNamed(name);
    account.randomMinRate = low;
    account.randomMaxRate = high;
    return id;
  }
  std::string RandomText(RandomRateSource source) {
    std::string text;
    ctx->env.fileText = &text;
    ok = engine::RunWithRandomRates(*ctx, scenario, source, engine::ScheduleMode::ResultsFile);
    ctx->env.fileText = nullptr;
    return text;
  }
};

size_t CountOf(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(RandomAccountRates, ReplaceTheWorkingRateAndDrawTheInflation) {
  RandomHarness h;
  h.AddRandomAccount("Cash", 10000.0f, 5.0f, 8.0f, 8.0f);
  h.ctx->options.showDetails = true;
  const std::string text = h.RandomText(RandomRateSource::Accounts);
  ASSERT_TRUE(h.ok);
  // 8 % instead of 5 %: 10,000 -> 10,800 -> 11,664.
  EXPECT_NEAR(h.ctx->results.years[2].netWorth, 11664.0f, 0.005f);
  EXPECT_EQ(h.AccountNamed("Cash").currentRate, 5.0f);  // the drawn rate is not stored back
  EXPECT_NE(text.find("  Inflation Rate = 4.000  \n"), std::string::npos) << text;
  EXPECT_EQ(CountOf(text, "  Uniform random account rates in effect.\n      Cash rate=8.000%\n"),
            2u);
  EXPECT_NE(text.find("Rate Statistics:\nAverage Cash Rate = 8.00   Number = 2.00   Min = 8.00   "
                      "Max = 8.00  \n"),
            std::string::npos)
      << text;
  EXPECT_FALSE(h.ctx->options.randomAccountRates);  // switched off again
}

TEST(RandomAccountRates, InflationStaysWhileTheScheduleWindowIsOpen) {
  RandomHarness h;
  h.scenario.initial.inflationRate = 2.5f;
  h.AddRandomAccount("Cash", 10000.0f, 5.0f, 8.0f, 8.0f);
  h.ctx->options.scheduleWindowOpen = true;
  const std::string text = h.RandomText(RandomRateSource::Accounts);
  EXPECT_EQ(CountOf(text, "  Inflation Rate = 2.500  \n"), 2u) << text;
  EXPECT_EQ(h.scenario.initial.inflationRate, 2.5f);
}

TEST(RandomAccountRates, WithoutDetailsNoLinesButStillCounted) {
  RandomHarness h;
  h.AddRandomAccount("Cash", 10000.0f, 5.0f, 8.0f, 8.0f);
  const std::string text = h.RandomText(RandomRateSource::Accounts);
  EXPECT_EQ(text.find("rate="), std::string::npos);
  EXPECT_EQ(text.find("Rate Statistics:"), std::string::npos);
  EXPECT_EQ(h.scenario.slots.randomRateCount[h.AccountNamed("Cash").slot], 2.0f);
  EXPECT_EQ(h.AccountNamed("Cash").sumRandomRates, 16.0f);
}

TEST(RandomGroupRates, OneLinePerGroupAndYearAndTheGroupStatistics) {
  RandomHarness h;
  core::CopyText(h.scenario.groups.groupName[0], "Stocks");
  h.scenario.groups.groupRandomMinRate[0] = 3.0f;
  h.scenario.groups.groupRandomMaxRate[0] = 3.0f;
  // The accounts' own ranges are not used with group rates.
  h.AddRandomAccount("Fund A", 1000.0f, 5.0f, 20.0f, 20.0f);
  h.AddRandomAccount("Fund B", 2000.0f, 5.0f, 20.0f, 20.0f);
  h.ctx->options.showDetails = true;
  const std::string text = h.RandomText(RandomRateSource::Groups);
  // 3 %: 1,000 -> 1,030 -> 1,060.90 and 2,000 -> 2,121.80.
  EXPECT_NEAR(h.ctx->results.years[2].netWorth, 3182.70f, 0.005f);
  EXPECT_EQ(CountOf(text, "  Uniform random group rates in effect.\n      Stocks rate=3.000%\n"),
            2u)
      << text;
  EXPECT_EQ(CountOf(text, "rate="), 2u);
  EXPECT_NE(text.find("Rate Statistics:\nAverage Stocks Rate    = 3.00   Number = 2   "
                      "Min = 3.00   Max = 3.00  \n"),
            std::string::npos)
      << text;
}

TEST(RandomAccountRates, EmptyAccountDrawsButIsNotCounted) {
  // With the same seed the draws of "Cash" do not depend on whether the account before it
  // holds money: every account draws every year.
  float cashAfter[2] = {};
  for (const float emptyAmount : {0.0f, 100.0f}) {
    RandomHarness h;
    h.scenario.groups.mcRateType = engine::kGaussianRange;
    h.AddRandomAccount("Empty", emptyAmount, 5.0f, 0.0f, 10.0f);
    h.AddRandomAccount("Cash", 10000.0f, 5.0f, 0.0f, 20.0f);
    h.ctx->options.showDetails = true;
    const std::string text = h.RandomText(RandomRateSource::Accounts);
    const core::Account& empty = h.AccountNamed("Empty");
    cashAfter[emptyAmount > 0.0f] = h.ctx->results.accountBalances[2][1];
    if (emptyAmount == 0.0f) {
      EXPECT_EQ(h.scenario.slots.randomRateCount[empty.slot], 0.0f);
      EXPECT_EQ(text.find("Empty rate="), std::string::npos);
      EXPECT_EQ(text.find("Average Empty"), std::string::npos);
    } else {
      EXPECT_EQ(h.scenario.slots.randomRateCount[empty.slot], 2.0f);
    }
  }
  EXPECT_EQ(cashAfter[0], cashAfter[1]);
  EXPECT_NE(cashAfter[0], 11025.0f);  // not the working rate
}

TEST(RandomAccountRates, EachRandomRunCountsAfreshFromTheRatesDrawn) {
  // Standard-deviation rates with no deviation are the working rate, 7 %, far outside the
  // account's (unset) random range 0..0: the lowest and highest rate are the rates drawn.
  RandomHarness h;
  h.scenario.groups.mcRateType = engine::kGaussianDeviation;
  h.AddRandomAccount("Cash", 10000.0f, 7.0f, 0.0f, 0.0f);
  h.ctx->options.showDetails = true;
  h.RandomText(RandomRateSource::Accounts);
  const std::string text = h.RandomText(RandomRateSource::Accounts);
  EXPECT_NE(text.find("  Gaussian Standard Distribution random account rates in effect.\n"),
            std::string::npos);
  EXPECT_NE(text.find("Average Cash Rate = 7.00   Number = 2.00   Min = 7.00   Max = 7.00  \n"),
            std::string::npos)
      << text;
}

TEST(RandomAccountRates, TheSeedRepeatsTheRun) {
  std::string texts[3];
  const uint64_t seeds[3] = {99, 99, 100};
  for (int i = 0; i < 3; ++i) {
    RandomHarness h;
    h.scenario.groups.mcRateType = engine::kGaussianRange;
    h.scenario.groups.mcMaxInflation = 8.0f;
    h.scenario.initial.endAge = 40.0f;
    h.AddRandomAccount("Cash", 10000.0f, 5.0f, 0.0f, 20.0f);
    h.ctx->random.source.Seed(seeds[i]);
    h.ctx->options.showDetails = true;
    texts[i] = h.RandomText(RandomRateSource::Accounts);
  }
  EXPECT_EQ(texts[0], texts[1]);
  EXPECT_NE(texts[0], texts[2]);
}

}  // namespace
