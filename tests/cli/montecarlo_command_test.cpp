// kxplan-cli montecarlo and the random-rate words of kxplan-cli run: the texts printed, the
// files left behind, seeds that repeat the output, and bad command lines.
#include "cli/montecarlo_command.h"

#include <gtest/gtest.h>

#include "cli/cli.h"
#include "core/accounts.h"
#include "core/scenario_file.h"
#include "core/text.h"
#include "engine/rate_draws.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::RunIn;
using testing_support::TempDir;

// Savings of 10,000 from 30 to 40 at 5 %, no tax; random rates from `low` to `high`
// (Gaussian range), inflation 2..4, 30 trials, goal 15,000.
std::string ScenarioBytes(float low, float high) {
  core::Scenario scenario = core::MakeNewScenario();
  scenario.initial.endAge = 40.0f;
  scenario.initial.taxRate = 0.0f;
  (void)core::AllocateAccountId(scenario);
  core::Account& account = scenario.account(0);
  core::CopyText(account.name, "Savings");
  core::CopyText(account.accessOrder, "1");
  account.kind = core::kInvestmentSavings;
  account.initialAmount = 10000.0f;
  account.rate = 5.0f;
  account.randomMinRate = low;
  account.randomMaxRate = high;
  core::RecomputeInitialTotals(scenario);
  core::GroupsAndMonteCarlo& settings = scenario.groups;
  settings.mcTrials = 30;
  settings.mcRateType = engine::kGaussianRange;
  settings.mcMinInflation = 2.0f;
  settings.mcMaxInflation = 4.0f;
  settings.mcGoalAmount = 15000.0f;
  return core::ScenarioFileBytes(scenario);
}

TEST(MonteCarloCommand, PrintsTheGraphTextsAndLeavesTheFiles) {
  TempDir dir;
  // Always 6 %: 10,000 * 1.06^10 = 17,908.48, above the goal in every trial.
  const auto file = dir.Write("PLAN.RET", ScenarioBytes(6.0f, 6.0f));
  const auto result = RunIn(dir.path(), {"montecarlo", file.string(), "--seed", "5"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out,
            "  Monte Carlo Analysis - Number of Trials = 30  \nScenario Success = 100.00%\n");
  EXPECT_NE(dir.Read("stats.dat").find("Count -- 300 yearly rates generated.\n"),
            std::string::npos);
  EXPECT_NE(dir.Read("plotinf01.tmp").find("Done\n"), std::string::npos);
  EXPECT_NE(dir.Read("infile.tmp").find("Dooone\n"), std::string::npos);
}

TEST(MonteCarloCommand, TrialsOptionAndAGoalNeverReached) {
  TempDir dir;
  // Always 4 %: 14,802.44 at 40, below the goal.
  const auto file = dir.Write("PLAN.RET", ScenarioBytes(4.0f, 4.0f));
  const auto seven = RunIn(dir.path(), {"montecarlo", file.string(), "--trials", "7"});
  ASSERT_EQ(seven.exitCode, 0) << seven.err;
  EXPECT_EQ(seven.out,
            "  Monte Carlo Analysis - Number of Trials = 7  \nScenario Success =  0.00%\n");
  // As the dialog stores an entry: below 0 gives 10, above 1000 gives 1000.
  const auto negative = RunIn(dir.path(), {"montecarlo", file.string(), "--trials=-4"});
  EXPECT_NE(negative.out.find("Number of Trials = 10  \n"), std::string::npos) << negative.err;
}

TEST(MonteCarloCommand, TheSeedRepeatsStatsDatByteForByte) {
  TempDir dir;
  const auto file = dir.Write("PLAN.RET", ScenarioBytes(-4.0f, 14.0f));
  std::string stats[3], out[3];
  const char* seeds[3] = {"31", "31", "32"};
  for (int i = 0; i < 3; ++i) {
    const auto result = RunIn(dir.path(), {"montecarlo", file.string(), "--seed", seeds[i]});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    stats[i] = dir.Read("stats.dat");
    out[i] = result.out;
  }
  EXPECT_EQ(stats[0], stats[1]);
  EXPECT_EQ(out[0], out[1]);
  EXPECT_NE(stats[0], stats[2]);
}

TEST(MonteCarloCommand, BadCommandLinesAndFiles) {
  TempDir dir;
  EXPECT_EQ(RunIn(dir.path(), {"montecarlo"}).exitCode, 2);
  EXPECT_EQ(RunIn(dir.path(), {"montecarlo", "A.RET", "--seed", "x"}).exitCode, 2);
  EXPECT_EQ(RunIn(dir.path(), {"montecarlo", "A.RET", "--seed", "-1"}).exitCode, 2);
  EXPECT_EQ(RunIn(dir.path(), {"montecarlo", "A.RET", "--trials", "5x"}).exitCode, 2);
  EXPECT_EQ(RunIn(dir.path(), {"montecarlo", "A.RET", "B.RET"}).exitCode, 2);
  EXPECT_EQ(RunIn(dir.path(), {"montecarlo", "A.RET", "--today", "2026-02-30x"}).exitCode, 2);
  const auto missing = RunIn(dir.path(), {"montecarlo", (dir / "NONE.RET").string()});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("Cannot open "), std::string::npos) << missing.err;
  EXPECT_TRUE(cli::IsMonteCarloCommandLine({"--workdir", "x", "montecarlo", "A.RET"}));
  EXPECT_FALSE(cli::IsMonteCarloCommandLine({"run", "montecarlo"}));
}

TEST(RunRandomRates, OneRandomRunWithDetails) {
  TempDir dir;
  const auto file = dir.Write("PLAN.RET", ScenarioBytes(6.0f, 6.0f));
  const auto result = RunIn(dir.path(), {"run", file.string(), "--random-accounts", "--seed",
                                         "3", "--details", "--today", "2026-06-15"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("  Gaussian range distribution random account rates in effect.\n"
                            "      Savings rate=6.000%\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("Rate Statistics:\nAverage Savings Rate = 6.00   Number = 10.00  "
                            "Min = 6.00   Max = 6.00  \n"),
            std::string::npos)
      << result.out;
  // As from the schedule window: the inflation rate is not drawn.
  EXPECT_EQ(result.out.find("  Inflation Rate = 2."), std::string::npos);
}

TEST(RunRandomRates, SeedRepeatsAndSourcesExcludeEachOther) {
  TempDir dir;
  const auto file = dir.Write("PLAN.RET", ScenarioBytes(-4.0f, 14.0f));
  std::vector<std::string> words = {"run", file.string(), "--random-accounts", "--seed", "8"};
  const auto first = RunIn(dir.path(), words);
  const auto again = RunIn(dir.path(), words);
  ASSERT_EQ(first.exitCode, 0) << first.err;
  EXPECT_EQ(first.out, again.out);
  words[4] = "9";
  EXPECT_NE(RunIn(dir.path(), words).out, first.out);
  const auto plain = RunIn(dir.path(), {"run", file.string()});
  EXPECT_NE(plain.out, first.out);
  const auto both =
      RunIn(dir.path(), {"run", file.string(), "--random-accounts", "--random-groups"});
  EXPECT_EQ(both.exitCode, 2);
  EXPECT_NE(both.err.find("exclude each other"), std::string::npos);
  EXPECT_EQ(RunIn(dir.path(), {"run", file.string(), "--seed"}).exitCode, 2);
}

}  // namespace
