// "stats.dat": the title of each rate type and source and an account's histogram section,
// worked by hand from chosen counts.
#include "engine/stats_file.h"

#include <gtest/gtest.h>

#include "core/text.h"
#include "engine/rate_draws.h"

namespace {

struct StatsFixture : testing::Test {
  StatsFixture() {
    scenario.accountTable.count = 2;
    for (int i = 0; i < 2; ++i) scenario.account(i).slot = static_cast<uint16_t>(i);
    core::Account& cash = scenario.account(0);
    core::CopyText(cash.name, "Cash");
    cash.kind = core::kInvestmentSavings;
    cash.randomMinRate = 4.0f;
    cash.randomMaxRate = 8.0f;
    cash.lowestRandomRate = 3.9f;
    cash.highestRandomRate = 8.1f;
    cash.sumRandomRates = 120.0f;
    scenario.slots.randomRateCount[0] = 20.0f;
    core::CopyText(scenario.account(1).name, "Never drawn");
    scenario.groups.mcRateType = engine::kUniform;
  }
  core::Scenario scenario = core::MakeNewScenario();
  engine::RateStatistics statistics;
};

TEST_F(StatsFixture, AccountSectionWithItsHistogram) {
  // Uniform 4..8: bins of 0.4 from 4.00. 20 rates: 1 below, 2 + 5 + 4 + 8 in bins 0, 3, 5, 9.
  engine::RateHistogram& histogram = statistics.histograms[0];
  histogram.below = 1;
  histogram.bins = {2, 0, 0, 5, 0, 4, 0, 0, 0, 8};
  histogram.squaredDeviations = 80.0;  // sqrt(80 / 20) = 2
  const std::string expected =
      "Monte Carlo Statistics - Uniform Accounts\n"
      "\n"
      "Cash\n"
      "\t\t\t  No.\n"
      "\tRange\t\tRates\t        Frequency\n"
      "Below   4.00\t\t    1\t   one per 20.0 years\n"
      "  4.00\tto\t  4.40\t     2\t   one per 10.0 years\n"
      "  4.40\tto\t  4.80\t     0\t\n"
      "  4.80\tto\t  5.20\t     0\t\n"
      "  5.20\tto\t  5.60\t     5\t   one per  4.0 years\n"
      "  5.60\tto\t  6.00\t     0\t\n"
      "  6.00\tto\t  6.40\t     4\t   one per  5.0 years\n"
      "  6.40\tto\t  6.80\t     0\t\n"
      "  6.80\tto\t  7.20\t     0\t\n"
      "  7.20\tto\t  7.60\t     0\t\n"
      "  7.60\tto\t  8.00\t     8\t   one per  2.5 years\n"
      "Above   8.00\t\t    0\t\n"
      "Count -- 20 yearly rates generated.\n"
      "Minimum Rate\t=   3.90\n"
      "Maximum Rate\t=   8.10\n"
      "Average Rate\t=   6.00\n"
      "Standard Deviation\t=   2.00\n"
      "\n";
  EXPECT_EQ(engine::StatsFileText(scenario, statistics), expected);
}

TEST_F(StatsFixture, TitlesByTypeAndSource) {
  scenario.slots.randomRateCount[0] = 0.0f;  // no sections
  scenario.groups.mcRangeFactor = 3;
  scenario.groups.mcStdDevFactor = 7;
  scenario.groups.mcRateType = engine::kGaussianRange;
  EXPECT_EQ(engine::StatsFileText(scenario, statistics),
            "Monte Carlo Statistics - Gaussian Range Accounts\nDistribution Factor = 3\n\n");
  scenario.groups.mcRateSource = 1;
  EXPECT_EQ(engine::StatsFileText(scenario, statistics),
            "Monte Carlo Statistics - Gaussian Range Groups\nDistribution Factor = 3\n\n");
  scenario.groups.mcRateType = engine::kUniform;
  EXPECT_EQ(engine::StatsFileText(scenario, statistics),
            "Monte Carlo Statistics - Uniform Groups\n\n");
  scenario.groups.mcRateType = engine::kGaussianDeviation;
  EXPECT_EQ(engine::StatsFileText(scenario, statistics),
            "Monte Carlo Statistics - Gaussian Standard Deviation Groups\n"
            "Distribution Factor = 7\n\n");
}

TEST_F(StatsFixture, GroupRangeAndWorkingRateSetTheBins) {
  statistics.histograms[0].bins[0] = 20;
  // Group rates: the group's range 2..12 with the range factor 0, bins of 1.0 from 2.00.
  scenario.groups.mcRateType = engine::kGaussianRange;
  scenario.groups.mcRateSource = 1;
  scenario.account(0).groupIndex = 4;
  scenario.groups.groupRandomMinRate[4] = 2.0f;
  scenario.groups.groupRandomMaxRate[4] = 12.0f;
  std::string text = engine::StatsFileText(scenario, statistics);
  EXPECT_NE(text.find("Below   2.00\t\t    0\t\n  2.00\tto\t  3.00\t    20\t   one per  1.0 years\n"),
            std::string::npos)
      << text;
  // Standard deviation 0.5 around the working rate 6, factor 0: 6 * 0.5 = 3 wide, from 4.50.
  scenario.groups.mcRateType = engine::kGaussianDeviation;
  scenario.account(0).currentRate = 6.0f;
  scenario.slots.stdDeviation[0] = 0.5f;
  text = engine::StatsFileText(scenario, statistics);
  EXPECT_NE(text.find("Below   4.50\t\t    0\t\n  4.50\tto\t  4.80\t"), std::string::npos) << text;
  EXPECT_NE(text.find("Above   7.50\t"), std::string::npos) << text;
}

TEST(StatsFile, UncreatableFileIsSkipped) {
  const core::Scenario scenario = core::MakeNewScenario();
  EXPECT_FALSE(engine::WriteStatsFile("/nonexistent/folder", scenario, engine::RateStatistics{}));
}

}  // namespace
