// Account identifiers, slots, deletion with its refusals, derived totals and the two orders.
#include <gtest/gtest.h>

#include <cstring>

#include "core/accounts.h"
#include "platform/scripted.h"
#include "tests/core/test_scenarios.h"

namespace core {
namespace {

using testing::AddAccount;
using testing::AddEvent;

TEST(AccountIds, AreHandedOutInOrder) {
  Scenario s = MakeNewScenario();
  AddAccount(s, "A", kAsset, 1, 1);
  AddAccount(s, "B", kAsset, 1, 1);
  EXPECT_EQ(s.account(0).accountId, 0);
  EXPECT_EQ(s.account(1).accountId, 1);
  EXPECT_EQ(s.accountCount(), 2);
  EXPECT_EQ(s.trailer().nextAccountId, 2);
}

TEST(AccountIds, WrapFrom30000To10SkippingIdsInUse) {
  Scenario s = MakeNewScenario();
  AddAccount(s, "A", kAsset, 1, 1);
  AddAccount(s, "B", kAsset, 1, 1);
  s.account(0).accountId = 10;
  s.account(1).accountId = 11;
  s.trailer().nextAccountId = 30000;
  AddAccount(s, "C", kAsset, 1, 1);
  EXPECT_EQ(s.account(2).accountId, 12);
  EXPECT_EQ(s.trailer().nextAccountId, 13);
}

TEST(AccountIds, RepeatThePassUntilNoClash) {
  // Ids 6 then 5 in table order, candidate 5: the clash with 5 moves the candidate to 6 after
  // the 6 was passed, so only a second pass finds it and moves on to 7.
  Scenario s = MakeNewScenario();
  AddAccount(s, "A", kAsset, 1, 1);
  AddAccount(s, "B", kAsset, 1, 1);
  s.account(0).accountId = 6;
  s.account(1).accountId = 5;
  s.trailer().nextAccountId = 5;
  AddAccount(s, "C", kAsset, 1, 1);
  EXPECT_EQ(s.account(2).accountId, 7);
}

TEST(FindAccountIndex, SearchesOnlyLiveAccounts) {
  Scenario s = MakeNewScenario();
  AddAccount(s, "A", kAsset, 1, 1);
  s.account(5).accountId = 77;  // a record past the count
  EXPECT_EQ(FindAccountIndex(s, 0), 0);
  EXPECT_EQ(FindAccountIndex(s, 77), -1);
  EXPECT_EQ(FindAccountIndex(s, kNoAccountId), -1);
}

TEST(DeleteAccount, IsRefusedOncePerEventThatNeedsIt) {
  platform::ScriptedPrompter prompter;
  Scenario s = MakeNewScenario();
  AddAccount(s, "Checking", kInvestmentSavings, 100, 1);
  const uint16_t id = s.account(0).accountId;
  AddEvent(s, kDeposit, "Salary", 30).accountId = id;
  AddEvent(s, kDeposit, "Bonus", 31).accountId = id;
  AddEvent(s, kWithdrawal, "Car", 32).accountId = id;  // withdrawals do not hold an account

  EXPECT_FALSE(DeleteAccount(s, 0, prompter));
  ASSERT_EQ(prompter.Lines().size(), 2u);
  EXPECT_EQ(prompter.Lines()[0],
            "Account Deletion Problem!: This account is required by the Salary event.");
  EXPECT_EQ(prompter.Lines()[1],
            "Account Deletion Problem!: This account is required by the Bonus event.");
  EXPECT_EQ(s.accountCount(), 1);
}

TEST(DeleteAccount, RefusedForTransferSourceButNotTarget) {
  platform::ScriptedPrompter prompter;
  Scenario s = MakeNewScenario();
  AddAccount(s, "From", kInvestmentSavings, 100, 1);
  AddAccount(s, "To", kInvestmentSavings, 100, 1);
  FinancialEvent& t = AddEvent(s, kTransfer, "Move", 40);
  t.fromAccountId = s.account(0).accountId;
  t.accountId = s.account(1).accountId;

  EXPECT_TRUE(DeleteAccount(s, 1, prompter));
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_FALSE(DeleteAccount(s, 0, prompter));
  EXPECT_EQ(prompter.shown().size(), 1u);
}

TEST(DeleteAccount, MovesLaterRecordsUpAndFreesTheSlot) {
  platform::ScriptedPrompter prompter;
  Scenario s = MakeNewScenario();
  AddAccount(s, "A", kAsset, 1, 1);
  AddAccount(s, "B", kAsset, 2, 1);
  AddAccount(s, "C", kAsset, 3, 1);
  s.slots.penaltyRate[1] = 25.0f;
  s.dividends.dividendRate[1] = 3.0f;
  std::memset(s.reserved2.data() + 4, 0xff, 4);  // row 0, slot 1

  ASSERT_TRUE(DeleteAccount(s, 1, prompter));
  EXPECT_EQ(s.accountCount(), 2);
  EXPECT_EQ(TextOf(s.account(1).name), "C");
  EXPECT_EQ(s.slots.aaMember[1], kFreeSlot);
  EXPECT_EQ(s.slots.penaltyRate[1], 10.0f);
  EXPECT_EQ(s.dividends.dividendRate[1], 0.0f);
  EXPECT_EQ(s.reserved2[4], 0);
  EXPECT_EQ(s.reserved2[7], 0);
}

TEST(Slots, ADeletedSlotIsReusedWithPenaltyDefaults) {
  platform::ScriptedPrompter prompter;
  Scenario s = MakeNewScenario();
  AddAccount(s, "A", kAsset, 1, 1);
  AddAccount(s, "B", kAsset, 1, 1);
  AddAccount(s, "C", kAsset, 1, 1);
  s.slots.penaltyAge[0] = 65.0f;
  s.slots.penaltyAge[1] = 70.0f;
  ASSERT_TRUE(DeleteAccount(s, 0, prompter));
  ASSERT_TRUE(DeleteAccount(s, 0, prompter));  // "B", slot 1
  const int index = AddAccount(s, "D", kAsset, 1, 1);
  EXPECT_EQ(s.account(index).slot, 1);  // the highest free slot
  EXPECT_EQ(s.slots.aaMember[1], 0);
  EXPECT_EQ(s.slots.penaltyAge[1], 59.0f);
  EXPECT_EQ(s.slots.penaltyRate[1], 10.0f);
  const int next = AddAccount(s, "E", kAsset, 1, 1);
  EXPECT_EQ(s.account(next).slot, 0);
}

TEST(RecomputeInitialTotals, SumsAndAveragesPerKind) {
  Scenario s = MakeNewScenario();
  AddAccount(s, "Fund A", kInvestmentSavings, 1000.25f, 6.0f);
  AddAccount(s, "Fund B", kInvestmentSavings, 2000.50f, 9.0f);
  AddAccount(s, "IRA", kRetirementSavings, 5000.0f, 7.0f);
  AddAccount(s, "House", kAsset, 250000.0f, 3.0f);
  s.account(0).balance = 1.0f;  // a run left working values behind
  RecomputeInitialTotals(s);
  EXPECT_EQ(s.account(0).balance, 1000.25f);
  EXPECT_FLOAT_EQ(s.initial.initialInvestmentSavings, 3000.75f);
  EXPECT_FLOAT_EQ(s.initial.avgInvestmentRate, 7.5f);
  EXPECT_EQ(s.initial.initialRetirementSavings, 5000.0f);
  EXPECT_EQ(s.initial.initialAssets, 250000.0f);
  // Kinds without accounts: total and average 0 (the new-scenario averages do not survive).
  EXPECT_EQ(s.initial.initialTaxFreeSavings, 0.0f);
  EXPECT_EQ(s.initial.avgTaxFreeRate, 0.0f);
  EXPECT_EQ(s.initial.initialEquity, 0.0f);
  EXPECT_EQ(s.initial.avgEquityRate, 0.0f);
  EXPECT_EQ(s.initial.reservedRate, 0.0f);
}

TEST(AccountOrder, ByNameIgnoresCase) {
  Scenario s = MakeNewScenario();
  AddAccount(s, "savings", kAsset, 1, 1);
  AddAccount(s, "Brokerage", kAsset, 1, 1);
  AddAccount(s, "checking", kAsset, 1, 1);
  SortAccountsByName(s);
  EXPECT_EQ(TextOf(s.account(0).name), "Brokerage");
  EXPECT_EQ(TextOf(s.account(1).name), "checking");
  EXPECT_EQ(TextOf(s.account(2).name), "savings");
}

TEST(AccountOrder, ByAccessOrderComparesTextAndIsStable) {
  Scenario s = MakeNewScenario();
  AddAccount(s, "nine", kAsset, 1, 1, "9");
  AddAccount(s, "ten", kAsset, 1, 1, "10");
  AddAccount(s, "first b", kAsset, 1, 1, "b");
  AddAccount(s, "second B", kAsset, 1, 1, "B");
  SortAccountsByAccessOrder(s);
  EXPECT_EQ(TextOf(s.account(0).name), "ten");  // "10" < "9" as text
  EXPECT_EQ(TextOf(s.account(1).name), "nine");
  EXPECT_EQ(TextOf(s.account(2).name), "first b");  // equal without case: kept in order
  EXPECT_EQ(TextOf(s.account(3).name), "second B");
}

}  // namespace
}  // namespace core
