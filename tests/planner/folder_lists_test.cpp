// The Accounts and Scenario folders without widgets: the columns and their formats, the two
// orders, the count and total, Add refused at 50, Delete's rule, Copy's exceptions.
#include <gtest/gtest.h>

#include "planner/folder_lists.h"
#include "tests/planner/form_fixture.h"

namespace planner_testing {
namespace {

TEST_F(FormTest, AccountListShowsColumnsCountAndTotal) {
  AddAccount("Zeta", core::kRetirementSavings, 1000.5f);
  AddAccount("Alpha", core::kEquity, 250.0f);
  scenario().account(0).rate = 7.25f;
  core::CopyText(scenario().account(0).accessOrder, "9");
  core::CopyText(scenario().account(1).accessOrder, "10");
  scenario().account(0).penaltyApplies = 1;
  scenario().slots.rmdTable[scenario().account(0).slot] = 20;
  const planner::AccountListView list = planner::AccountList(scenario(), '$', false);
  ASSERT_EQ(list.rows.size(), 2u);
  EXPECT_EQ(list.rows[0][0], "Zeta");
  EXPECT_EQ(list.rows[0][2], "X");
  EXPECT_EQ(list.rows[0][3], "2");
  EXPECT_EQ(list.rows[0][5], "Retirement Savings");
  EXPECT_EQ(list.rows[0][6], "   7.250");
  EXPECT_EQ(list.rows[0][7], "      1000.50");
  EXPECT_EQ(list.rows[0][10], "100.00");
  EXPECT_EQ(list.count, "2");
  EXPECT_EQ(list.total, "$1,250.50");
  EXPECT_EQ(planner::kAccountColumns[16], std::string("Std. Dev.  ID"));
  // Withdrawal order compares the texts: "10" before "9".
  const planner::AccountListView ordered = planner::AccountList(scenario(), '$', true);
  EXPECT_EQ(ordered.rows[0][0], "Alpha");
  EXPECT_EQ(ordered.accounts, (std::vector<int>{1, 0}));
}

TEST_F(FormTest, AddIsRefusedAtFiftyAccounts) {
  for (int i = 0; i < core::kMaxAccounts; ++i) AddAccount("A" + std::to_string(i));
  EXPECT_FALSE(planner::AddAccountFromList(session()));
  EXPECT_EQ(LastMessage(), "Account Warning: Maximum number of accounts reached!");
  scenario().initial.eventCount = 0;
  DeleteAccountFromList(session(), 0);
  view.opened.clear();
  EXPECT_TRUE(planner::AddAccountFromList(session()));
  ASSERT_EQ(view.opened.size(), 1u);
  EXPECT_EQ(view.opened[0].name, "ACCOUNTINFO");
  EXPECT_EQ(view.opened[0].account, -1);
}

TEST_F(FormTest, DeleteKeepsAnAccountADepositNeeds) {
  const uint16_t id = AddAccount("Checking");
  core::FinancialEvent& e = scenario().events[0];
  e.kind = core::kDeposit;
  e.accountId = id;
  core::CopyText(e.description, "Salary");
  scenario().initial.eventCount = 1;
  EXPECT_FALSE(planner::DeleteAccountFromList(session(), 0));
  EXPECT_EQ(LastMessage(),
            "Account Deletion Problem!: This account is required by the Salary event.");
  EXPECT_EQ(scenario().accountCount(), 1);
}

struct CopyCase {
  uint16_t kind;
  uint16_t variant;  // withdrawalVariant / transferVariant
  bool copied;
};

class EventCopy : public FormTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(EventCopy, SkipsBudgetRule72tAndOptionEvents) {
  core::FinancialEvent& e = scenario().events[0];
  e.kind = GetParam().kind;
  e.transferVariant = GetParam().variant;
  e.startAge = 40.0f;
  scenario().initial.eventCount = 1;
  EXPECT_EQ(planner::CopyEventFromList(session(), 0), GetParam().copied);
  EXPECT_EQ(scenario().eventCount(), GetParam().copied ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EventCopy,
    ::testing::Values(CopyCase{core::kDeposit, 0, true}, CopyCase{core::kWithdrawal, 0, true},
                      CopyCase{core::kWithdrawal, core::kBudgetWithdrawal, false},
                      CopyCase{core::kTransfer, core::kRule72tTransfer, false},
                      CopyCase{core::kTransfer, 0, true},
                      CopyCase{core::kAssetAllocationOption, 0, false},
                      CopyCase{core::kRmdOption, 0, false}));

TEST_F(FormTest, DeleteRemovesTheEvent) {
  scenario().events[0].kind = core::kDeposit;
  scenario().initial.eventCount = 1;
  EXPECT_TRUE(planner::DeleteEventFromList(session(), 0));
  EXPECT_EQ(scenario().eventCount(), 0);
  EXPECT_TRUE(session().document().modified);
}

}  // namespace
}  // namespace planner_testing
