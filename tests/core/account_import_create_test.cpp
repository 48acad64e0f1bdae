// Creating a new scenario's accounts from a balance report: the accounts and their defaults,
// the completion through the import dialog or without one, and the limit of 50 accounts.
// Fields of the packed records are compared as copies, "+field": GoogleTest takes references,
// which a misaligned field cannot give.
#include <gtest/gtest.h>

#include "core/account_import.h"
#include "core/accounts.h"
#include "platform/scripted.h"
#include "tests/core/test_scenarios.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

// A report as a personal-finance program exports it: headings, accounts, totals.
constexpr const char* kTabReport =
    "Account Balances\r\n"
    "ASSETS\r\n"
    "Savings\t(1,234.50)\r\n"
    "Balanced Fund\t\"5,000.00\"\r\n"
    "Brokerage\t12.3abc\r\n"
    "Total Assets\t3,765.50\r\n"
    "LIABILITIES\r\n"
    "Net Worth\t3,765.50\r\n";

class CreateAccounts : public ::testing::Test {
 protected:
  CreateAccounts() {
    // Everything of the scenario before must go: accounts, events, groups.
    Scenario& s = document_.scenario;
    testing::AddAccount(s, "Old account", kAsset, 5.0f, 1.0f);
    testing::AddEvent(s, kDeposit, "Old deposit", 40.0f);
    CopyText(s.groups.groupName[0], "Old group");
    document_.path = "old.RET";
  }

  bool Create(std::string_view report, Delimiter delimiter = Delimiter::Tab,
              const ImportAccountDialog& dialog = {}) {
    const char* name = delimiter == Delimiter::Tab ? "report.KXI" : "report.CSV";
    return CreateAccountsFromFile(document_, delimiter, dir_.Write(name, report), dir_.path(), 3,
                                  prompter_, dialog);
  }

  const Scenario& s() const { return document_.scenario; }

  Document document_;
  testing_support::TempDir dir_;
  platform::ScriptedPrompter prompter_;
};

TEST_F(CreateAccounts, NewScenarioHoldsOneAccountPerReportLine) {
  ASSERT_TRUE(Create(kTabReport));
  EXPECT_TRUE(prompter_.shown().empty());

  ASSERT_EQ(s().accountCount(), 2);
  EXPECT_EQ(TextOf(s().account(0).name), "Savings");
  EXPECT_EQ(+s().account(0).initialAmount, -1234.5f);  // "(1,234.50)" is an accounting negative
  EXPECT_EQ(TextOf(s().account(1).name), "Balanced Fund");
  EXPECT_EQ(+s().account(1).initialAmount, 5000.0f);
  EXPECT_EQ(s().eventCount(), 0);
  EXPECT_EQ(TextOf(s().groups.groupName[0]), "");
  EXPECT_EQ(TextOf(s().slots.rmdTable1Description), "IRA 1");
  EXPECT_EQ(+s().slots.rmdTable3StartAge, 70);

  // The New command's file, in the working directory, named with the start-up counter.
  EXPECT_EQ(document_.path, ".\\temp31.ret");
  EXPECT_TRUE(std::filesystem::exists(dir_ / "temp31.ret"));
  EXPECT_EQ(dir_.Read("tabout.tmp"), "Savings\t-1234.50\nBalanced Fund\t5000.00\n");
  EXPECT_TRUE(document_.modified);
}

TEST_F(CreateAccounts, WithoutDialogAccountsAreSavedWithTheImportDefaults) {
  ASSERT_TRUE(Create(kTabReport));
  for (int i = 0; i < 2; ++i) {
    const Account& a = s().account(i);
    EXPECT_EQ(+a.rate, 10.0f);
    EXPECT_EQ(+a.kind, kInvestmentSavings);
    EXPECT_EQ(+a.randomMinRate, 0.0f);
    EXPECT_EQ(+a.randomMaxRate, 20.0f);
    EXPECT_EQ(+a.penaltyApplies, 0);
    EXPECT_EQ(TextOf(a.accessOrder), std::to_string(i));
    EXPECT_EQ(+a.accountId, i);
    EXPECT_EQ(+a.slot, i);
    EXPECT_EQ(+a.balance, +a.initialAmount);
    EXPECT_EQ(+s().slots.aaMember[i], 0);
    EXPECT_EQ(+s().slots.rmdTable[i], 0);
  }
  EXPECT_EQ(+s().trailer().nextAccountId, 2);
}

TEST_F(CreateAccounts, CommaReportWithQuotedNamesAndValues) {
  const char* report =
      "\"Account\",\"Balance\"\n"
      "\"Smith, John\",\"(1,000.00)\"\n"
      "Checking,Bank One,100.50\n"
      "\"Total\",\"-899.50\"\n";
  ASSERT_TRUE(Create(report, Delimiter::Comma));
  ASSERT_EQ(s().accountCount(), 2);
  EXPECT_EQ(TextOf(s().account(0).name), "Smith");
  EXPECT_EQ(+s().account(0).initialAmount, -1000.0f);
  EXPECT_EQ(TextOf(s().account(1).name), "Checking");
  EXPECT_EQ(+s().account(1).initialAmount, 100.5f);
  EXPECT_EQ(dir_.Read("csvout.tmp"), "\"Smith\t-1000.00\nChecking\t100.50\n");
}

TEST_F(CreateAccounts, ValuesShorterThanThreeCharactersMakeNoAccount) {
  ASSERT_TRUE(Create("Savings\t12\nChecking\t100\nLoose\t-\n"));
  ASSERT_EQ(s().accountCount(), 1);
  EXPECT_EQ(TextOf(s().account(0).name), "Checking");
}

TEST_F(CreateAccounts, DialogCompletesEachAccountOrLeavesItOut) {
  std::vector<std::string> offered;
  const ImportAccountDialog dialog = [&](Scenario& scenario, int index) {
    const Account& a = scenario.account(index);
    offered.push_back(TextOf(a.name));
    EXPECT_EQ(+a.kind, kInvestmentSavings);
    EXPECT_EQ(+a.rate, 10.0f);
    EXPECT_EQ(TextOf(a.accessOrder), std::to_string(index));
    if (TextOf(a.name) == "Cancelled") return false;
    AllocateAccountId(scenario);  // what the dialog's OK does
    return true;
  };
  ASSERT_TRUE(Create("First\t100.00\nCancelled\t200.00\nThird\t300.00\n", Delimiter::Tab, dialog));
  EXPECT_EQ(offered, (std::vector<std::string>{"First", "Cancelled", "Third"}));
  ASSERT_EQ(s().accountCount(), 2);
  EXPECT_EQ(TextOf(s().account(1).name), "Third");
  EXPECT_EQ(+s().account(1).initialAmount, 300.0f);
  EXPECT_EQ(+s().account(1).accountId, 1);
}

TEST_F(CreateAccounts, FiftyAccountsAtMostThenOneMessageAndStop) {
  std::string report;
  for (int i = 0; i < 53; ++i) report += "Account " + std::to_string(i) + "\t" + "100.00\n";
  ASSERT_TRUE(Create(report));
  EXPECT_EQ(s().accountCount(), 50);
  EXPECT_EQ(TextOf(s().account(49).name), "Account 49");
  EXPECT_EQ(prompter_.Lines(),
            std::vector<std::string>{"Account Error: Number of accounts exceed limit."});
}

TEST_F(CreateAccounts, UnreadableReportEndsWithANewScenario) {
  const std::filesystem::path missing = dir_ / "missing.KXI";
  EXPECT_FALSE(
      CreateAccountsFromFile(document_, Delimiter::Tab, missing, dir_.path(), 3, prompter_));
  EXPECT_EQ(prompter_.Lines(),
            std::vector<std::string>{"File Open Error: Cannot open " + missing.string() + "."});
  EXPECT_EQ(s().accountCount(), 0);
  EXPECT_EQ(TextOf(s().groups.groupName[0]), "");
}

TEST_F(CreateAccounts, FailedNewScenarioFileChangesNothing) {
  const std::filesystem::path source = dir_.Write("report.KXI", kTabReport);
  EXPECT_FALSE(CreateAccountsFromFile(document_, Delimiter::Tab, source, dir_ / "no-such-folder", 3,
                                      prompter_));
  EXPECT_EQ(document_.path, "old.RET");
  EXPECT_EQ(s().accountCount(), 1);
  ASSERT_EQ(prompter_.shown().size(), 1u);
  EXPECT_EQ(prompter_.shown()[0].caption, "FILE ERROR");
}

}  // namespace
}  // namespace core
