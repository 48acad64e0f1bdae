// The Monte Carlo analysis: the curves it reports, success against the goal (strictly
// above), averages, judging on purchasing power, the switches given back, "stats.dat", and
// that a seed repeats the analysis byte for byte.
#include "engine/monte_carlo.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

struct Recorder : engine::MonteCarloObserver {
  static std::vector<float> Values(const engine::MonteCarloCurve& curve) {
    return {curve.values.begin(), curve.values.end()};
  }
  void OnBaseCurve(const engine::MonteCarloCurve& curve) override { base = Values(curve); }
  void OnTrialStarted(int trial, int trials) override {
    started.push_back(trial);
    announcedTrials = trials;
  }
  void OnTrialCurve(int, const engine::MonteCarloCurve& curve) override {
    trialCurves.push_back(Values(curve));
    ages.assign(curve.ages.begin(), curve.ages.end());
  }
  void OnAverageCurve(const engine::MonteCarloCurve& curve) override { average = Values(curve); }
  void OnFinalCurve(const engine::MonteCarloCurve& curve) override { final = Values(curve); }

  std::vector<float> base, average, final, ages;
  std::vector<int> started;
  int announcedTrials = 0;
  std::vector<std::vector<float>> trialCurves;
};

// One savings account of 10,000 from 30 to 32, no tax, whose random rate is always 10 %:
// 10,000 -> 11,000 -> 12,100 in every trial; 5 % in the plain runs: 10,500 -> 11,025.
struct MonteCarloHarness : Harness {
  MonteCarloHarness() {
    scenario.initial.taxRate = 0.0f;
    core::GroupsAndMonteCarlo& settings = scenario.groups;
    settings.mcRateType = engine::kUniform;
    settings.mcTrials = 5;
    AddAccount("Cash", core::kInvestmentSavings, 10000.0f, 5.0f);
    AccountNamed("Cash").randomMinRate = 10.0f;
    AccountNamed("Cash").randomMaxRate = 10.0f;
    ctx->random.source.Seed(1234);
  }
  engine::MonteCarloResult Analyse(int threads = 0) {
    return engine::RunMonteCarlo(*ctx, scenario, &recorder, threads);
  }
  Recorder recorder;
};

TEST(MonteCarlo, CurvesOfThePlainRunTheTrialsAndTheirAverage) {
  MonteCarloHarness h;
  const engine::MonteCarloResult result = h.Analyse();
  ASSERT_TRUE(result.completed);
  EXPECT_EQ(result.trials, 5);
  EXPECT_EQ(h.recorder.started, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(h.recorder.announcedTrials, 5);
  ASSERT_EQ(h.recorder.trialCurves.size(), 5u);
  EXPECT_EQ(h.recorder.ages, (std::vector<float>{30.0f, 31.0f, 32.0f}));
  const std::vector<float> plain{10000.0f, 10500.0f, 11025.0f};
  const std::vector<float> random{10000.0f, 11000.0f, 12100.0f};
  EXPECT_EQ(h.recorder.base, plain);
  EXPECT_EQ(h.recorder.final, plain);
  for (const auto& curve : h.recorder.trialCurves) EXPECT_EQ(curve, random);
  EXPECT_EQ(h.recorder.average, random);
  EXPECT_EQ(result.years, 3);
  EXPECT_EQ(result.average[2], 12100.0f);
}

TEST(MonteCarlo, SuccessNeedsMoreThanTheGoal) {
  for (const float goal : {12100.0f, 12099.99f}) {
    MonteCarloHarness h;
    h.scenario.groups.mcGoalAmount = goal;
    const engine::MonteCarloResult result = h.Analyse();
    const bool above = goal < 12100.0f;
    EXPECT_EQ(result.successes, above ? 5 : 0) << goal;
    EXPECT_FLOAT_EQ(result.SuccessShare(), above ? 100.0f : 0.0f) << goal;
  }
}

TEST(MonteCarlo, AverageOfRandomTrialsAndShareOfSuccesses) {
  MonteCarloHarness h;
  h.scenario.initial.endAge = 40.0f;
  h.scenario.groups.mcRateType = engine::kGaussianRange;
  h.scenario.groups.mcTrials = 40;
  h.AccountNamed("Cash").randomMinRate = -10.0f;
  h.AccountNamed("Cash").randomMaxRate = 20.0f;
  h.scenario.groups.mcGoalAmount = 16000.0f;
  const engine::MonteCarloResult result = h.Analyse();
  ASSERT_EQ(h.recorder.trialCurves.size(), 40u);
  int above = 0;
  for (const auto& curve : h.recorder.trialCurves) above += curve.back() > 16000.0f ? 1 : 0;
  EXPECT_EQ(result.successes, above);
  EXPECT_GT(above, 0);
  EXPECT_LT(above, 40);
  EXPECT_FLOAT_EQ(result.SuccessShare(), static_cast<float>(above) / 40.0f * 100.0f);
  for (size_t year = 0; year < h.recorder.average.size(); ++year) {
    double sum = 0.0;
    for (const auto& curve : h.recorder.trialCurves) sum += curve[year];
    EXPECT_NEAR(h.recorder.average[year], sum / 40.0, 0.005) << "year " << year;
  }
}

TEST(MonteCarlo, JudgedOnPurchasingPowerWhenAsked) {
  // A random inflation of 10 % in both years: 12,100 * 0.9 * 0.9 = 9,801 of purchasing power.
  for (const int16_t purchasingPower : {int16_t{0}, int16_t{1}}) {
    MonteCarloHarness h;
    h.scenario.groups.mcMinInflation = 10.0f;
    h.scenario.groups.mcMaxInflation = 10.0f;
    h.scenario.groups.mcGoalAmount = 10000.0f;
    h.scenario.groups.mcTodaysPurchasingPower = purchasingPower;
    const engine::MonteCarloResult result = h.Analyse();
    EXPECT_EQ(result.successes, purchasingPower ? 0 : 5);
    EXPECT_NEAR(result.average[2], purchasingPower ? 9801.0f : 12100.0f, 0.005f);
  }
}

TEST(MonteCarlo, TrialCounts) {
  core::GroupsAndMonteCarlo settings{};
  settings.mcTrials = 5;
  EXPECT_EQ(engine::TrialCount(settings), 5);
  settings.mcTrials = -3;
  EXPECT_EQ(engine::TrialCount(settings), 100);
  settings.mcTrials = 2000;
  EXPECT_EQ(engine::TrialCount(settings), 1000);
  settings.mcTrials = 0;
  EXPECT_EQ(engine::TrialCount(settings), 0);
}

TEST(MonteCarlo, NoTrialsAndNoAccounts) {
  MonteCarloHarness zero;
  zero.scenario.groups.mcTrials = 0;
  const engine::MonteCarloResult none = zero.Analyse();
  EXPECT_TRUE(none.completed);
  EXPECT_EQ(none.SuccessShare(), 0.0f);  // no division by zero
  EXPECT_TRUE(zero.recorder.average.empty());

  Harness empty;
  empty.scenario.groups.mcTrials = 5;
  const engine::MonteCarloResult result = engine::RunMonteCarlo(*empty.ctx, empty.scenario);
  EXPECT_TRUE(result.completed);
  EXPECT_EQ(result.trials, 0);
  EXPECT_EQ(empty.dir.Read("stats.dat"), "Monte Carlo Statistics - Gaussian Range Accounts\n"
                                         "Distribution Factor = 0\n\n");
}

TEST(MonteCarlo, SwitchesGivenBackAndThePlainScheduleLeftInTheList) {
  MonteCarloHarness h;
  engine::ScheduleList list;
  h.ctx->env.list = &list;
  h.ctx->options.showDetails = true;
  h.ctx->options.showSummary = true;
  h.Analyse();
  EXPECT_TRUE(h.ctx->options.showDetails);
  EXPECT_TRUE(h.ctx->options.showSummary);
  EXPECT_TRUE(h.ctx->options.trackFlows);
  EXPECT_TRUE(h.ctx->options.writeRecordFiles);
  EXPECT_FALSE(h.ctx->RandomRates());
  EXPECT_EQ(h.ctx->env.list, &list);
  std::string shown;
  for (const auto& line : list.lines()) shown += line.text + "\n";
  EXPECT_NE(shown.find("Initial Rates:"), std::string::npos);
  EXPECT_EQ(shown.find("random"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("Rate Statistics:"), std::string::npos);
  // The plain run's files are left behind.
  EXPECT_NE(h.dir.Read("plotinf01.tmp").find("Done\n"), std::string::npos);
  EXPECT_EQ(h.ctx->results.years[2].netWorth, 11025.0f);
}

TEST(MonteCarlo, StatsFileOfTheTrials) {
  // Five trials of two years: ten rates of exactly 10 %, all on the top edge of an empty
  // uniform range, so in the last bin; an account that never holds money gets no section.
  MonteCarloHarness h;
  h.AddAccount("Empty", core::kRetirementSavings, 0.0f, 5.0f);
  const engine::MonteCarloResult result = h.Analyse();
  EXPECT_TRUE(result.statsWritten);
  std::string bins;
  for (int i = 0; i < 9; ++i) bins += " 10.00\tto\t 10.00\t     0\t\n";
  EXPECT_EQ(h.dir.Read("stats.dat"),
            "Monte Carlo Statistics - Uniform Accounts\n\n"
            "Cash\n\t\t\t  No.\n\tRange\t\tRates\t        Frequency\n"
            "Below  10.00\t\t    0\t\n" +
                bins +
                " 10.00\tto\t 10.00\t    10\t   one per  1.0 years\n"
                "Above  10.00\t\t    0\t\n"
                "Count -- 10 yearly rates generated.\n"
                "Minimum Rate\t=  10.00\nMaximum Rate\t=  10.00\nAverage Rate\t=  10.00\n"
                "Standard Deviation\t=   0.00\n\n");
}

std::string GaussianStats(uint64_t seed, int& successes, int threads = 0,
                          std::vector<float>* average = nullptr) {
  MonteCarloHarness h;
  h.scenario.initial.endAge = 60.0f;
  h.scenario.groups.mcRateType = engine::kGaussianRange;
  h.scenario.groups.mcRangeFactor = 2;
  h.scenario.groups.mcTrials = 50;
  h.scenario.groups.mcMaxInflation = 6.0f;
  h.scenario.groups.mcGoalAmount = 50000.0f;
  h.AccountNamed("Cash").randomMinRate = -5.0f;
  h.AccountNamed("Cash").randomMaxRate = 15.0f;
  h.ctx->random.source.Seed(seed);
  successes = h.Analyse(threads).successes;
  if (average != nullptr) *average = h.recorder.average;
  return h.dir.Read("stats.dat");
}

TEST(MonteCarlo, TheSeedRepeatsTheAnalysisByteForByte) {
  int first = 0, again = 0, other = 0;
  const std::string a = GaussianStats(77, first);
  const std::string b = GaussianStats(77, again);
  const std::string c = GaussianStats(78, other);
  EXPECT_EQ(a, b);
  EXPECT_EQ(first, again);
  EXPECT_NE(a, c);
  // 50 trials of 30 years.
  EXPECT_NE(a.find("Count -- 1500 yearly rates generated.\n"), std::string::npos) << a;
  EXPECT_NE(a.find("Distribution Factor = 2\n"), std::string::npos);
}

TEST(MonteCarlo, TheNumberOfThreadsDoesNotChangeTheOutcome) {
  int successes[3] = {};
  std::vector<float> averages[3];
  std::string stats[3];
  for (int threads = 1; threads <= 3; ++threads) {
    const size_t i = static_cast<size_t>(threads - 1);
    stats[i] = GaussianStats(5, successes[i], threads, &averages[i]);
  }
  for (size_t i = 1; i < 3; ++i) {
    EXPECT_EQ(stats[i], stats[0]) << i + 1 << " threads";
    EXPECT_EQ(successes[i], successes[0]);
    EXPECT_EQ(averages[i], averages[0]);
  }
  EXPECT_EQ(averages[0].size(), 31u);
}

TEST(MonteCarlo, TrialsAreReportedInOrderAcrossChunks) {
  MonteCarloHarness h;
  h.scenario.groups.mcTrials = 70;  // more than two chunks of trials
  h.Analyse(2);
  ASSERT_EQ(h.recorder.started.size(), 70u);
  for (int t = 0; t < 70; ++t) EXPECT_EQ(h.recorder.started[static_cast<size_t>(t)], t + 1);
}

}  // namespace
