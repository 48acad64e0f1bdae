// Whole runs compared byte for byte with approved output under tests/golden/whole-run: the
// debt-heavy scenario's schedule with every block, its results files, plot file and export, a
// random-rate run and a Monte Carlo analysis of it; the largest scenario's Monte Carlo analysis
// with its plot file and "stats.dat". The scenarios are the checked-in JSON of bench/scenarios,
// so that the engine's speed work can prove that it changed no output.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"
#include "tests/support/golden.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::RunIn;
using testing_support::MatchesGolden;
using testing_support::TempDir;

// The output with the test's own folder (the plot file names the scenario file) as "WORKDIR".
std::string Approvable(std::string text, const TempDir& dir) {
  const std::string folder = dir.path().string();
  for (size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at)) {
    text.replace(at, folder.size(), "WORKDIR");
  }
  return text;
}

// Builds NAME.RET in `dir` from bench/scenarios/NAME.json, with the life tables of Rule 72T
// beside it.
std::string BuildScenario(const TempDir& dir, const std::string& name) {
  const std::string source = std::string(KX_BENCH_SCENARIOS_DIR) + "/" + name + ".json";
  const auto built = RunIn(dir.path(), {"build", source, "-o", name + ".RET"});
  EXPECT_EQ(built.exitCode, 0) << built.err;
  for (const char* table : {"mort.dat", "jointtab.dat"}) {
    std::filesystem::copy_file(std::filesystem::path(KX_SOURCE_DATA_DIR) / table, dir / table);
  }
  return (dir / (name + ".RET")).string();
}

TEST(WholeRunGolden, DebtsScheduleWithEveryBlockAndItsFiles) {
  TempDir dir;
  const std::string scenario = BuildScenario(dir, "DEBTS");
  const auto run =
      RunIn(dir.path(), {"run", scenario, "--today", "2026-06-15", "--details", "--summary",
                         "--accounts", "--export", (dir / "rows.csv").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(MatchesGolden("whole-run/debts/schedule.txt", run.out));
  for (const char* file :
       {"bigfile.tmp", "outfile.tmp", "infile.tmp", "plotinf01.tmp", "rows.csv"}) {
    EXPECT_TRUE(
        MatchesGolden(std::string("whole-run/debts/") + file, Approvable(dir.Read(file), dir)))
        << file;
  }
}

TEST(WholeRunGolden, DebtsWithRandomAccountRates) {
  TempDir dir;
  const std::string scenario = BuildScenario(dir, "DEBTS");
  const auto run = RunIn(dir.path(), {"run", scenario, "--today", "2026-06-15", "--random-accounts",
                                      "--seed", "11", "--details"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(MatchesGolden("whole-run/debts/random-accounts.txt", run.out));
}

// The analysis prints its two lines and leaves "stats.dat" and the plain run's plot file.
void ExpectAnalysisUnchanged(const std::string& name, const std::string& seed,
                             const std::string& trials) {
  TempDir dir;
  const std::string scenario = BuildScenario(dir, name);
  const auto run = RunIn(dir.path(), {"montecarlo", scenario, "--today", "2026-06-15", "--seed",
                                      seed, "--trials", trials});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string folder = "whole-run/" + std::string(name == "DEBTS" ? "debts" : "largest");
  EXPECT_TRUE(MatchesGolden(folder + "/montecarlo.txt", run.out));
  EXPECT_TRUE(MatchesGolden(folder + "/stats.dat", dir.Read("stats.dat")));
  EXPECT_TRUE(MatchesGolden(folder + "/montecarlo-plotinf01.tmp",
                            Approvable(dir.Read("plotinf01.tmp"), dir)));
}

TEST(WholeRunGolden, DebtsMonteCarloAnalysis) { ExpectAnalysisUnchanged("DEBTS", "7", "200"); }

TEST(WholeRunGolden, LargestMonteCarloAnalysis) {
  ExpectAnalysisUnchanged("LARGEST", "2026", "250");
}

}  // namespace
