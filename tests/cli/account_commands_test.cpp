// accounts-from and accounts-update: the account import of the planner from the command line,
// with its messages on standard error and its questions answered by --yes / --no.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/scenario_file.h"
#include "core/text.h"
#include "platform/scripted.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::RunIn;
using testing_support::TempDir;

// A balances report as a personal-finance program exports it: a heading, two accounts (one
// with a quoted, grouped amount), a liability and a total, which the import skips.
constexpr const char* kBalancesCsv =
    "Account Balances\n"
    "Checking,\"1,234.50\"\n"
    "Brokerage Account,25000.00\n"
    "Car Loan Liabilities,-5000.00\n"
    "Total Assets,26234.50\n";

std::unique_ptr<core::Document> ReadBack(const TempDir& dir, const std::string& name) {
  auto document = std::make_unique<core::Document>();
  platform::ScriptedPrompter prompter;
  EXPECT_TRUE(core::ReadScenarioFile(*document, dir.path(), name, prompter));
  return document;
}

float AmountOf(const core::Scenario& scenario, const std::string& name) {
  for (int i = 0; i < scenario.accountCount(); ++i) {
    if (core::TextOf(scenario.account(i).name) == name) return scenario.account(i).initialAmount;
  }
  ADD_FAILURE() << "no account " << name;
  return 0.0f;
}

TEST(AccountsFrom, CommaFileGivesANewScenarioWithItsAccounts) {
  TempDir dir;
  dir.Write("bank.csv", kBalancesCsv);
  const auto result = RunIn(dir.path(), {"accounts-from", "bank.csv", "-o", "NEW.RET"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const auto document = ReadBack(dir, "NEW.RET");
  const core::Scenario& s = document->scenario;
  ASSERT_EQ(s.accountCount(), 2);
  EXPECT_EQ(core::TextOf(s.account(0).name), "Checking");
  EXPECT_FLOAT_EQ(s.account(0).initialAmount, 1234.50f);
  EXPECT_EQ(core::TextOf(s.account(1).name), "Brokerage Account");
  EXPECT_FLOAT_EQ(s.account(1).initialAmount, 25000.00f);
  // An imported account starts as Investment Savings at 10 %.
  EXPECT_EQ(s.account(1).kind, core::kInvestmentSavings);
  EXPECT_FLOAT_EQ(s.account(1).rate, 10.0f);
  EXPECT_NE(s.account(0).accountId, s.account(1).accountId);
}

TEST(AccountsFrom, ExistingOutputIsReplacedOnlyOnYes) {
  TempDir dir;
  dir.Write("bank.csv", kBalancesCsv);
  dir.Write("NEW.RET", "keep me");
  const auto refused = RunIn(dir.path(), {"accounts-from", "bank.csv", "-o", "NEW.RET"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err, "FILE WARNING: NEW.RET exits - Overwrite anyway?\n");
  EXPECT_EQ(dir.Read("NEW.RET"), "keep me");

  const auto replaced = RunIn(dir.path(), {"--yes", "accounts-from", "bank.csv", "-o", "NEW.RET"});
  EXPECT_EQ(replaced.exitCode, 0) << replaced.err;
  EXPECT_EQ(ReadBack(dir, "NEW.RET")->scenario.accountCount(), 2);
}

TEST(AccountsFrom, UnreadableSourceFailsWithTheConversionMessage) {
  TempDir dir;
  const auto result = RunIn(dir.path(), {"accounts-from", "missing.KXI", "-o", "NEW.RET"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("missing.KXI"), std::string::npos) << result.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "NEW.RET"));
}

class AccountsUpdate : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("bank.csv", kBalancesCsv);
    ASSERT_EQ(RunIn(dir_.path(), {"accounts-from", "bank.csv", "-o", "PLAN.RET"}).exitCode, 0);
    // A tab-delimited update naming one of the two accounts.
    dir_.Write("update.KXI", "Checking\t2,000.25\n");
  }
  TempDir dir_;
};

TEST_F(AccountsUpdate, YesReplacesTheBalanceAndWritesTheScenarioBack) {
  const auto result = RunIn(dir_.path(), {"--yes", "accounts-update", "PLAN.RET", "update.KXI"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err,
            "Updating Accounts: Updating 1 out of 2 accounts. Do you wish to continue?\n");
  const auto document = ReadBack(dir_, "PLAN.RET");
  EXPECT_FLOAT_EQ(AmountOf(document->scenario, "Checking"), 2000.25f);
  EXPECT_FLOAT_EQ(AmountOf(document->scenario, "Brokerage Account"), 25000.00f);
}

TEST_F(AccountsUpdate, TheDefaultAnswerNoChangesNothing) {
  const std::string before = dir_.Read("PLAN.RET");
  const auto result = RunIn(dir_.path(), {"accounts-update", "PLAN.RET", "update.KXI"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(dir_.Read("PLAN.RET"), before);
}

TEST_F(AccountsUpdate, AFileNamingNoAccountIsReported) {
  dir_.Write("other.KXI", "Savings Elsewhere\t10.00\n");
  const std::string before = dir_.Read("PLAN.RET");
  const auto result = RunIn(dir_.path(), {"--yes", "accounts-update", "PLAN.RET", "other.KXI"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("Possible incorrect file type.: Found 0 accounts in the file"),
            std::string::npos)
      << result.err;
  EXPECT_EQ(dir_.Read("PLAN.RET"), before);
}

}  // namespace
