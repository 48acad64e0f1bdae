// kxplan-cli dialog: the actions in order, the fields printed as shown, the messages on stderr,
// the exit codes, and the scenario written only when OK stored.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::RunIn;

struct DialogRun {
  std::vector<std::string> words;
  int exitCode;
  const char* outPart;  // a line the fields must show, "" none
  const char* errPart;  // a message stderr must hold, "" for none at all
};

class DialogRuns : public ::testing::TestWithParam<DialogRun> {};

TEST_P(DialogRuns, EndToEnd) {
  testing_support::TempDir dir;
  const DialogRun& run = GetParam();
  const auto result = RunIn(dir.path(), run.words);
  EXPECT_EQ(result.exitCode, run.exitCode) << result.err;
  EXPECT_NE(result.out.find(run.outPart), std::string::npos) << result.out;
  if (*run.errPart == '\0') {
    EXPECT_EQ(result.err, "");
  } else {
    EXPECT_NE(result.err.find(run.errPart), std::string::npos) << result.err;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogRuns,
    ::testing::Values(
        DialogRun{{"dialog", "WITHDRAWAL", "--set", "Start Age=120.01", "--press", "OK"}, 1,
                  "Start Age=120.01\n",
                  "START AGE ERROR: This age must be between 1.0 and 120.0.\n"},
        DialogRun{{"dialog", "WITHDRAWAL", "--set", "Start Age=60", "--set", "End Age=70",
                   "--set", "Amount=100", "--press", "OK"},
                  0, "Withdrawal Account=No Selection\n", ""},
        DialogRun{{"dialog", "INITIAL", "--fields"}, 0, "Use Birthday\n", ""},
        DialogRun{{"dialog", "NOSUCH"}, 2, "", "no dialog named NOSUCH"},
        DialogRun{{"dialog", "INITIAL", "--set", "Nothing=1"}, 2, "", "cannot set Nothing"},
        DialogRun{{"dialog", "INITIAL", "--press", "Frobnicate"}, 2, "", "no button Frobnicate"},
        DialogRun{{"dialog", "CCARD", "--set", "Company=Visa", "--set", "Start Age=40",
                   "--set", "Payoff Age=50", "--set", "Rate=0", "--press", "Calculate"},
                  1, "Company=Visa\n", "RATE ERROR"}));

TEST(DialogCommand, OkWritesTheScenarioAndASecondRunEditsIt) {
  testing_support::TempDir dir;
  const std::string out = (dir.path() / "plan.RET").string();
  auto result = RunIn(dir.path(), {"dialog", "ACCOUNTINFO", "--set", "Account Name=Savings",
                                   "--set", "Initial Amount=1000", "--press", "Dividend", "--set",
                                   "Yearly Dividend=3", "--press", "OK", "--press", "OK", "-o",
                                   out});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  ASSERT_TRUE(std::filesystem::exists(out));
  result = RunIn(dir.path(), {"dialog", "INCOME", out, "--set", "Start Age=30", "--set",
                              "End Age=40", "--set", "Amount=500", "--set", "Deposit to:=Savings",
                              "--press", "OK"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  result = RunIn(dir.path(), {"dialog", "INCOME", out, "--event", "0"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("Deposit to:=Savings\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Amount=500.00"), std::string::npos) << result.out;
}

TEST(DialogCommand, RefusedOkWritesNothing) {
  testing_support::TempDir dir;
  const std::string out = (dir.path() / "plan.RET").string();
  const auto result = RunIn(dir.path(), {"dialog", "GROUPS", "--set", "Group Name 1=Bonds",
                                         "--set", "Random Minimum Rate 1=300", "--press", "OK",
                                         "-o", out});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
