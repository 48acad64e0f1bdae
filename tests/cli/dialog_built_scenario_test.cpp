// A scenario built by hand through the dialogs runs as the same scenario built from JSON: the
// schedules of the two are the same text.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::RunIn;

constexpr const char* kSameScenario = R"({
  "initialValues": {"startAge": 30.0, "endAge": 45.0, "birthMonth": 4, "birthDay": 12,
                    "inflationRate": 3.0, "taxRate": 20.0},
  "accounts": [{"name": "Savings", "kind": "investmentSavings", "initialAmount": 10000.0,
                "rate": 5.0, "accessOrder": "1", "accountId": 0, "slot": 0}],
  "events": [{"kind": "deposit", "description": "Salary", "startAge": 30.0, "endAge": 40.0,
              "amount": 1000.0, "accountId": 0, "appliedRate": 2.0}]
})";

void Dialog(const std::filesystem::path& dir, std::vector<std::string> words) {
  words.insert(words.begin(), "dialog");
  const auto result = RunIn(dir, words);
  ASSERT_EQ(result.exitCode, 0) << result.err << result.out;
}

TEST(DialogBuiltScenario, RunsAsTheSameScenarioFromJson) {
  testing_support::TempDir dir;
  const std::string byHand = (dir.path() / "hand.RET").string();
  Dialog(dir.path(), {"INITIAL", "--set", "Birth Month=4", "--set", "Birth Day=12", "--set",
                      "Start Age=30", "--set", "End Age=45", "--set", "Tax Rate=20", "--set",
                      "Inflation Rate=3", "--press", "OK", "-o", byHand});
  Dialog(dir.path(), {"ACCOUNTINFO", byHand, "--set", "Account Name=Savings", "--set",
                      "Initial Amount=10000", "--set", "Effective Yearly Rate=5", "--set",
                      "Access Order=1", "--set", "Select Account Type=Investment Savings",
                      "--press", "OK"});
  Dialog(dir.path(), {"INCOME", byHand, "--set", "Description=Salary", "--set", "Start Age=30",
                      "--set", "End Age=40", "--set", "Amount=1000", "--set", "Apply Rate=2",
                      "--set", "Deposit to:=Savings", "--press", "OK"});
  const std::string json = (dir.path() / "same.json").string();
  std::ofstream(json) << kSameScenario;
  const std::string fromJson = (dir.path() / "json.RET").string();
  ASSERT_EQ(RunIn(dir.path(), {"build", json, "-o", fromJson}).exitCode, 0);

  const auto handRun =
      RunIn(dir.path(), {"run", byHand, "--today", "2026-06-15", "--schedule", "-"});
  const auto jsonRun =
      RunIn(dir.path(), {"run", fromJson, "--today", "2026-06-15", "--schedule", "-"});
  ASSERT_EQ(handRun.exitCode, 0) << handRun.err;
  ASSERT_EQ(jsonRun.exitCode, 0) << jsonRun.err;
  EXPECT_NE(handRun.out.find("Salary"), std::string::npos) << handRun.out;
  EXPECT_EQ(handRun.out, jsonRun.out);
}

}  // namespace
