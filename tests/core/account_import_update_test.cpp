// Updating balances from a balance report (the count question, unknown names, the account
// limit, repeated names) and renumbering account identifiers in name order.
// Fields of the packed records are compared as copies, "+field": GoogleTest takes references,
// which a misaligned field cannot give.
#include <gtest/gtest.h>

#include "core/account_file.h"
#include "core/account_import.h"
#include "core/accounts.h"
#include "platform/scripted.h"
#include "tests/core/test_scenarios.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

using platform::Answer;
using testing::AddAccount;

constexpr const char* kUpdatingTwoOfThree =
    "Updating Accounts: Updating 2 out of 3 accounts.\nDo you wish to continue?";

class UpdateAccounts : public ::testing::Test {
 protected:
  UpdateAccounts() {
    Scenario& s = document_.scenario;
    AddAccount(s, "Brokerage", kInvestmentSavings, 100.0f, 7.0f);
    AddAccount(s, "IRA", kRetirementSavings, 200.0f, 6.0f);
    AddAccount(s, "Savings", kInvestmentSavings, 300.0f, 2.0f);
  }

  bool Update(std::string_view report, const ImportAccountDialog& dialog = {}) {
    source_ = dir_.Write("report.KXI", report);
    return UpdateAccountsFromFile(document_, Delimiter::Tab, source_, dir_.path(), prompter_,
                                  dialog);
  }

  Scenario& s() { return document_.scenario; }
  float AmountOf(std::string_view name) {
    for (int i = 0; i < s().accountCount(); ++i) {
      if (TextOf(s().account(i).name) == name) return s().account(i).initialAmount;
    }
    ADD_FAILURE() << "no account " << name;
    return 0.0f;
  }

  Document document_;
  testing_support::TempDir dir_;
  std::filesystem::path source_;
  platform::ScriptedPrompter prompter_;
};

TEST_F(UpdateAccounts, NoKnownNameShowsTheFoundZeroMessageAndChangesNothing) {
  const std::string before = AccountFileBytes(s());
  EXPECT_FALSE(Update("Checking\t1,000.00\nHoliday Fund\t50.00\n"));
  EXPECT_EQ(prompter_.Lines(),
            std::vector<std::string>{
                "Possible incorrect file type.: Found 0 accounts in the file " + source_.string() +
                ".\nPlease make sure this is the correct delimited file type."});
  EXPECT_EQ(AccountFileBytes(s()), before);
  EXPECT_FALSE(document_.modified);
}

TEST_F(UpdateAccounts, KnownNamesGetTheirNewBalances) {
  prompter_.SetNextAnswer(Answer::Yes);
  ASSERT_TRUE(Update("Account Balances\nIRA\t(2,500.25)\nSavings\t\"1,300.00\"\nTotal\t1.00\n"));
  EXPECT_EQ(prompter_.Lines(), std::vector<std::string>{kUpdatingTwoOfThree});
  EXPECT_EQ(prompter_.shown()[0].buttons, platform::Buttons::YesNo);
  EXPECT_EQ(AmountOf("IRA"), -2500.25f);
  EXPECT_EQ(AmountOf("Savings"), 1300.0f);
  EXPECT_EQ(AmountOf("Brokerage"), 100.0f);
  EXPECT_EQ(s().accountCount(), 3);
  EXPECT_TRUE(document_.modified);
}

TEST_F(UpdateAccounts, AnsweringNoChangesNothing) {
  prompter_.SetNextAnswer(Answer::No);
  EXPECT_FALSE(Update("IRA\t2,500.25\nSavings\t1,300.00\n"));
  EXPECT_EQ(AmountOf("IRA"), 200.0f);
  EXPECT_FALSE(document_.modified);
}

TEST_F(UpdateAccounts, NamesMatchExactlyAndTheCountIsHeldToTheAccounts) {
  prompter_.SetFallbackAnswer(Answer::No);
  prompter_.SetNextAnswer(Answer::Yes);
  // "ira" is another name; IRA twice counts twice but there are only three accounts.
  ASSERT_TRUE(Update("IRA\t1.00\nIRA\t2.00\nSavings\t3.00\nBrokerage\t4.00\nira\t5.00\n"));
  ASSERT_EQ(prompter_.Lines().size(), 2u);
  EXPECT_EQ(prompter_.Lines()[0],
            "Updating Accounts: Updating 3 out of 3 accounts.\nDo you wish to continue?");
  EXPECT_EQ(prompter_.Lines()[1],
            "New Account Found: Account ira is not an existing account.\nDo you wish to add it?");
  EXPECT_EQ(AmountOf("IRA"), 2.0f) << "the later line wins";
  EXPECT_EQ(s().accountCount(), 3);
}

TEST_F(UpdateAccounts, UnknownNameAddedOnYesWithImportDefaults) {
  prompter_.SetNextAnswer(Answer::Yes);
  prompter_.SetNextAnswer(Answer::Yes);
  ASSERT_TRUE(Update("IRA\t1.00\nHoliday Fund\t750.00\n"));
  ASSERT_EQ(s().accountCount(), 4);
  const Account& added = s().account(1);  // in name order after the update
  EXPECT_EQ(TextOf(added.name), "Holiday Fund");
  EXPECT_EQ(+added.initialAmount, 750.0f);
  EXPECT_EQ(+added.kind, kInvestmentSavings);
  EXPECT_EQ(+added.rate, 10.0f);
  EXPECT_EQ(+added.randomMaxRate, 20.0f);
  EXPECT_EQ(TextOf(added.accessOrder), "3");
  EXPECT_EQ(+added.accountId, 3);
  EXPECT_EQ(+s().trailer().nextAccountId, 4);
}

TEST_F(UpdateAccounts, NewAccountTakesAFreedSlotAndLeavesOthersSettingsAlone) {
  // Brokerage (slot 0) deleted: IRA slot 1 and Savings slot 2 remain; the record after them
  // still holds slot 2 from the move.
  ASSERT_TRUE(DeleteAccount(s(), 0, prompter_));
  s().slots.rmdTable[2] = 10;
  s().slots.aaMember[2] = 1;
  prompter_.SetNextAnswer(Answer::Yes);
  prompter_.SetNextAnswer(Answer::Yes);
  ASSERT_TRUE(Update("IRA\t1.00\nHoliday Fund\t750.00\n"));
  ASSERT_EQ(s().accountCount(), 3);
  EXPECT_EQ(TextOf(s().account(0).name), "Holiday Fund");
  EXPECT_EQ(+s().account(0).slot, 0);
  EXPECT_EQ(+s().slots.aaMember[0], 0);
  EXPECT_EQ(+s().slots.rmdTable[2], 10);
  EXPECT_EQ(+s().slots.aaMember[2], 1);
}

TEST_F(UpdateAccounts, UnknownNameLeftOutOnNo) {
  prompter_.SetNextAnswer(Answer::Yes);
  prompter_.SetNextAnswer(Answer::No);
  ASSERT_TRUE(Update("IRA\t1.00\nHoliday Fund\t750.00\n"));
  EXPECT_EQ(s().accountCount(), 3);
}

TEST_F(UpdateAccounts, DialogCompletesTheAddedAccount) {
  int calls = 0;
  const ImportAccountDialog dialog = [&](Scenario& scenario, int index) {
    ++calls;
    EXPECT_EQ(TextOf(scenario.account(index).name), "Holiday Fund");
    scenario.account(index).kind = kTaxFreeSavings;  // the user's choice in the dialog
    AllocateAccountId(scenario);
    return true;
  };
  prompter_.SetFallbackAnswer(Answer::Yes);
  ASSERT_TRUE(Update("IRA\t1.00\nHoliday Fund\t750.00\n", dialog));
  EXPECT_EQ(calls, 1);
  ASSERT_EQ(s().accountCount(), 4);
  EXPECT_EQ(+s().account(1).kind, kTaxFreeSavings);
}

TEST_F(UpdateAccounts, CancelledDialogGivesTheSlotBack) {
  ASSERT_TRUE(DeleteAccount(s(), 0, prompter_));  // frees slot 0
  prompter_.SetFallbackAnswer(Answer::Yes);
  ASSERT_TRUE(Update("IRA\t1.00\nHoliday Fund\t750.00\n", [](Scenario&, int) { return false; }));
  EXPECT_EQ(s().accountCount(), 2);
  EXPECT_EQ(+s().slots.aaMember[0], kFreeSlot);
}

TEST_F(UpdateAccounts, FullTableRefusesTheNewAccountAndGoesOn) {
  for (int i = 3; i < kMaxAccounts; ++i) {
    AddAccount(s(), "Extra " + std::to_string(i), kAsset, 1.0f, 1.0f);
  }
  prompter_.SetFallbackAnswer(Answer::Yes);
  ASSERT_TRUE(Update("Holiday Fund\t750.00\nSavings\t9.00\n"));
  EXPECT_EQ(s().accountCount(), kMaxAccounts);
  EXPECT_EQ(AmountOf("Savings"), 9.0f) << "lines after the refused one are still used";
  const std::vector<std::string> lines = prompter_.Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "Updating Accounts: Updating 1 out of 50 accounts.\nDo you wish to continue?");
  EXPECT_EQ(lines[2], "Account Error: Number of accounts exceed limit.");
}

TEST_F(UpdateAccounts, RepeatedNamesKeepOneAccount) {
  AddAccount(s(), "IRA", kRetirementSavings, 999.0f, 6.0f);
  AddAccount(s(), "IRA", kRetirementSavings, 888.0f, 6.0f);
  prompter_.SetNextAnswer(Answer::Yes);
  ASSERT_TRUE(Update("Savings\t1.00\n"));
  ASSERT_EQ(s().accountCount(), 3);
  EXPECT_EQ(TextOf(s().account(0).name), "Brokerage");
  EXPECT_EQ(TextOf(s().account(1).name), "IRA");
  EXPECT_EQ(+s().account(1).initialAmount, 888.0f) << "of neighbours with one name the first goes";
  EXPECT_EQ(TextOf(s().account(2).name), "Savings");
}

TEST_F(UpdateAccounts, RepeatedNameThatAnEventNeedsIsKept) {
  AddAccount(s(), "IRA", kRetirementSavings, 999.0f, 6.0f);
  FinancialEvent& deposit = testing::AddEvent(s(), kDeposit, "Bonus", 50.0f);
  deposit.accountId = s().account(1).accountId;  // the first IRA
  prompter_.SetNextAnswer(Answer::Yes);
  ASSERT_TRUE(Update("Savings\t1.00\n"));
  EXPECT_EQ(s().accountCount(), 4);
  EXPECT_EQ(prompter_.Lines().back(),
            "Account Deletion Problem!: This account is required by the Bonus event.");
}

TEST(ReindexAccounts, IdentifiersFollowTheNameOrder) {
  Document document;
  Scenario& s = document.scenario;
  for (const char* name : {"b", "A", "c"}) AddAccount(s, name, kAsset, 1.0f, 1.0f);
  s.account(0).accountId = 17;
  s.account(1).accountId = 4;
  s.account(2).accountId = 9;
  s.trailer().nextAccountId = 18;
  platform::ScriptedPrompter prompter;
  prompter.SetNextAnswer(Answer::Yes);

  ASSERT_TRUE(ReindexAccounts(document, prompter));
  const struct {
    const char* name;
    uint16_t id;
  } expected[] = {{"A", 0}, {"b", 1}, {"c", 2}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(TextOf(s.account(i).name), expected[i].name);
    EXPECT_EQ(+s.account(i).accountId, expected[i].id) << expected[i].name;
  }
  EXPECT_EQ(+s.trailer().nextAccountId, 3);
  EXPECT_EQ(prompter.Lines(),
            (std::vector<std::string>{
                "Accounts: This may change the account assignments in your scenario!\nDo you "
                "wish to continue?",
                "Accounts: The Accounts have been re-indexed.\nPlease check the account "
                "assignments in your scenario."}));
  EXPECT_TRUE(document.outOfDate);
}

TEST(ReindexAccounts, AnsweringNoKeepsTheIdentifiers) {
  Document document;
  AddAccount(document.scenario, "b", kAsset, 1.0f, 1.0f);
  document.scenario.account(0).accountId = 17;
  document.modified = false;
  platform::ScriptedPrompter prompter;
  prompter.SetNextAnswer(Answer::No);
  EXPECT_FALSE(ReindexAccounts(document, prompter));
  EXPECT_EQ(+document.scenario.account(0).accountId, 17);
  EXPECT_EQ(prompter.shown().size(), 1u);
  EXPECT_FALSE(document.modified);
}

}  // namespace
}  // namespace core
