// kxplan-cli run: a scenario file run in a working directory, with its schedule text on
// standard output or in a file, the files a run leaves, the export, and its failures.
#include "cli/run_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "core/accounts.h"
#include "core/scenario_file.h"
#include "core/text.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::TempDir;

// One investment account of 10,000 at 5 % from 30 to 32, tax 15 %, no inflation.
std::string ScenarioBytes() {
  core::Scenario scenario = core::MakeNewScenario();
  scenario.initial.endAge = 32.0f;
  scenario.initial.inflationRate = 0.0f;
  const uint16_t id = core::AllocateAccountId(scenario);
  (void)id;
  core::Account& account = scenario.account(0);
  core::CopyText(account.name, "Savings");
  core::CopyText(account.accessOrder, "1");
  account.kind = core::kInvestmentSavings;
  account.initialAmount = 10000.0f;
  account.rate = 5.0f;
  core::RecomputeInitialTotals(scenario);
  return core::ScenarioFileBytes(scenario);
}

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome RunKxplan(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int code = cli::RunCli(args, out, err);
  return {code, out.str(), err.str()};
}

TEST(RunCommand, WritesTheScheduleAndLeavesTheRunFiles) {
  TempDir dir;
  const auto file = dir.Write("PLAN.RET", ScenarioBytes());
  const Outcome outcome = RunKxplan({"run", file.string(), "--workdir", dir.path().string(),
                                     "--today", "2026-06-15", "--summary"});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  // Worked by hand: 500.00 of interest at 30 with 75.00 of tax; 521.25 and 78.19 at 31.
  EXPECT_EQ(outcome.out.substr(0, 51), " 30.0 Initial Rates  Tax=15.000% Inflation=0.000%\n-");
  EXPECT_NE(outcome.out.find("  Pay $75.00 Tax On Savings Interest\nSummary:\n"),
            std::string::npos);
  EXPECT_NE(outcome.out.find("\n32.0 \t     $10,868.06\t"), std::string::npos);
  EXPECT_NE(dir.Read("plotinf01.tmp").find("\nDate: June 15, 2026\n"), std::string::npos);
  for (const char* name : {"bigfile.tmp", "outfile.tmp", "infile.tmp"}) {
    const std::string text = dir.Read(name);
    EXPECT_EQ(text.substr(text.size() - 7), "Dooone\n") << name;
  }
}

TEST(RunCommand, ScheduleToAFileAndExport) {
  TempDir dir;
  const auto file = dir.Write("PLAN.RET", ScenarioBytes());
  const Outcome outcome =
      RunKxplan({"run", file.string(), "--workdir", dir.path().string(), "--schedule",
                 (dir / "plan.sch").string(), "--export", (dir / "plan.csv").string(), "--pound"});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  EXPECT_TRUE(outcome.out.empty());
  EXPECT_NE(dir.Read("plan.sch")
                .find("  Pay \xA3"
                      "75.00 Tax On Savings Interest\n"),
            std::string::npos);
  EXPECT_EQ(dir.Read("plan.csv"),
            "Age,Savings,Equity,Total,\n30.00,10000.00,0.00,10000.00\n"
            "31.00,10425.00,0.00,10425.00\n32.00,10868.06,0.00,10868.06\n");
}

TEST(RunCommand, PrintFileModeWritesThePrintFile) {
  TempDir dir;
  const auto file = dir.Write("PLAN.RET", ScenarioBytes());
  const Outcome outcome =
      RunKxplan({"run", file.string(), "--workdir", dir.path().string(), "--print-file"});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  EXPECT_NE(dir.Read("ptmpsch.dat").find("\n\n\n??\n"), std::string::npos);
}

TEST(RunCommand, FailuresAreReportedAndExitNonZero) {
  TempDir dir;
  const Outcome missing =
      RunKxplan({"run", (dir / "NONE.RET").string(), "--workdir", dir.path().string()});
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.err.find("FILE OPEN ERROR: Cannot open "), std::string::npos) << missing.err;
  EXPECT_EQ(RunKxplan({"run"}).code, 2);
  EXPECT_EQ(RunKxplan({"run", "A.RET", "--today", "2026-13-01"}).code, 2);
  EXPECT_EQ(RunKxplan({"run", "A.RET", "--bogus"}).code, 2);
  const auto file = dir.Write("PLAN.RET", ScenarioBytes());
  const Outcome badDir = RunKxplan({"run", file.string(), "--workdir", (dir / "missing").string()});
  EXPECT_EQ(badDir.code, 1);
  EXPECT_NE(badDir.err.find("FILE ERROR: Cannot open plot file."), std::string::npos) << badDir.err;
}

TEST(RunCommand, IsFoundBehindGlobalOptions) {
  EXPECT_TRUE(cli::IsRunCommandLine({"--workdir", "x", "--yes", "run", "A.RET"}));
  EXPECT_FALSE(cli::IsRunCommandLine({"dump", "run"}));
}

}  // namespace
