// "OK" of the budget dialog: the stored heading, the withdrawal event of an active budget, and
// the refusals that leave the scenario as it was.
#include <gtest/gtest.h>

#include <cstring>

#include "core/budget.h"
#include "core/events.h"
#include "platform/scripted.h"
#include "tests/core/packed_field.h"
#include "tests/core/test_scenarios.h"

namespace core {
namespace {

using testing::Copied;

constexpr float kCent = 0.005f;

class ApplyingABudget : public ::testing::Test {
 protected:
  void SetUp() override {
    savings = testing::AddAccount(document.scenario, "Savings", kInvestmentSavings, 1000, 5);
    BudgetItemFields food{"Food", "100", "0", /*monthly=*/true, false, false};
    BudgetItemFields car{"Car", "1500", "2", false, false, false};
    EnterBudgetItem(document, 2, food, prompter);
    EnterBudgetItem(document, 2, car, prompter);
    heading.name = "Household";
    heading.startAge = 45;
    heading.endAge = 67;
    heading.active = true;
    heading.inTodaysDollars = true;
    heading.accountId = document.scenario.account(savings).accountId;
  }
  Scenario& scenario() { return document.scenario; }
  const Budget& budget() { return scenario().budgets[2]; }

  Document document;
  platform::ScriptedPrompter prompter;
  BudgetHeading heading;
  int savings = 0;
};

TEST_F(ApplyingABudget, ActiveBudgetGetsAWithdrawalEventWithEveryField) {
  document.modified = false;
  document.outOfDate = false;
  ASSERT_TRUE(ApplyBudget(document, 2, heading, prompter));
  ASSERT_EQ(scenario().eventCount(), 1);
  const FinancialEvent& event = scenario().events[0];
  EXPECT_EQ(Copied(event.kind), kWithdrawal);
  EXPECT_EQ(Copied(event.withdrawalVariant), kBudgetWithdrawal);
  EXPECT_EQ(Copied(event.budgetNumber), 3);  // the third budget
  EXPECT_EQ(TextOf(event.description), "Household");
  EXPECT_EQ(Copied(event.startAge), 45.0f);
  EXPECT_EQ(Copied(event.endAge), 67.0f);
  EXPECT_EQ(Copied(event.accountId), Copied(scenario().account(savings).accountId));
  EXPECT_EQ(Copied(event.accountChosen), kAccountChosen);
  // 12 x 100 + 1500 = 2700, worked by hand.
  EXPECT_NEAR(event.amount, 2700.0f, kCent);
  EXPECT_NEAR(event.runAmount, 2700.0f, kCent);
  EXPECT_EQ(Copied(event.inTodaysDollars), 1);
  EXPECT_EQ(Copied(budget().budgetActive), 1);
  EXPECT_EQ(Copied(budget().budgetInTodaysDollars), 1);
  EXPECT_EQ(Copied(budget().budgetAccountId), Copied(scenario().account(savings).accountId));
  EXPECT_EQ(Copied(budget().budgetStartAge), 45);
  EXPECT_EQ(Copied(budget().budgetEndAge), 67);
  EXPECT_TRUE(document.modified);
  EXPECT_TRUE(document.outOfDate);
  EXPECT_EQ(BudgetMenuNames(scenario())[2], "Household");
  EXPECT_EQ(FindBudgetEvent(scenario(), 2), 0);
}

TEST_F(ApplyingABudget, NoAccountIsStoredAsNone) {
  heading.accountId = kNoAccountId32;
  ASSERT_TRUE(ApplyBudget(document, 2, heading, prompter));
  EXPECT_EQ(Copied(budget().budgetAccountId), kNoAccountId32);
  EXPECT_EQ(Copied(scenario().events[0].accountId), kNoAccountId);
  EXPECT_EQ(Copied(scenario().events[0].accountChosen), 0);
}

TEST_F(ApplyingABudget, AnAccountThatNoLongerExistsIsStoredAsNone) {
  heading.accountId = 4321;
  ASSERT_TRUE(ApplyBudget(document, 2, heading, prompter));
  EXPECT_EQ(Copied(budget().budgetAccountId), kNoAccountId32);
  EXPECT_EQ(Copied(scenario().events[0].accountId), kNoAccountId);
}

TEST_F(ApplyingABudget, SecondOkUpdatesTheSameEvent) {
  ASSERT_TRUE(ApplyBudget(document, 2, heading, prompter));
  testing::AddEvent(scenario(), kDeposit, "Salary", 30);
  heading.name = "Home";
  heading.endAge = 70;
  ASSERT_TRUE(ApplyBudget(document, 2, heading, prompter));
  ASSERT_EQ(scenario().eventCount(), 2);
  EXPECT_EQ(TextOf(scenario().events[0].description), "Home");
  EXPECT_EQ(Copied(scenario().events[0].endAge), 70.0f);
}

TEST_F(ApplyingABudget, DeactivatingRemovesTheEventAndActivatingAppendsANewOne) {
  ASSERT_TRUE(ApplyBudget(document, 2, heading, prompter));
  testing::AddEvent(scenario(), kDeposit, "Salary", 30);
  heading.active = false;
  ASSERT_TRUE(ApplyBudget(document, 2, heading, prompter));
  ASSERT_EQ(scenario().eventCount(), 1);
  EXPECT_EQ(TextOf(scenario().events[0].description), "Salary");
  EXPECT_EQ(FindBudgetEvent(scenario(), 2), -1);
  EXPECT_EQ(Copied(budget().budgetActive), 0);

  heading.active = true;
  ASSERT_TRUE(ApplyBudget(document, 2, heading, prompter));
  ASSERT_EQ(scenario().eventCount(), 2);
  EXPECT_EQ(FindBudgetEvent(scenario(), 2), 1);
}

TEST_F(ApplyingABudget, OtherBudgetsKeepTheirEvents) {
  ASSERT_TRUE(ApplyBudget(document, 2, heading, prompter));
  ASSERT_TRUE(ApplyBudget(document, 0, heading, prompter));
  heading.active = false;
  ASSERT_TRUE(ApplyBudget(document, 2, heading, prompter));
  ASSERT_EQ(scenario().eventCount(), 1);
  EXPECT_EQ(Copied(scenario().events[0].budgetNumber), 1);
}

TEST_F(ApplyingABudget, AccountOfTheAssetAllocationIsRefusedAndNothingChanges) {
  scenario().slots.aaMember[scenario().account(savings).slot] = 1;
  const Scenario before = scenario();
  document.modified = false;
  EXPECT_FALSE(ApplyBudget(document, 2, heading, prompter));
  ASSERT_EQ(prompter.Lines().size(), 1u);
  EXPECT_EQ(prompter.Lines()[0],
            "Account Warning: You cannot select an account that is part of an Asset Allocation!");
  EXPECT_EQ(std::memcmp(&before, &scenario(), sizeof before), 0);
  EXPECT_FALSE(document.modified);
}

TEST_F(ApplyingABudget, FullEventTableRefusesActivationAndNothingChanges) {
  for (int e = 0; e < kMaxEvents; ++e) testing::AddEvent(scenario(), kDeposit, "Gift", 40);
  const Scenario before = scenario();
  EXPECT_FALSE(ApplyBudget(document, 2, heading, prompter));
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].caption, "Budget Warning");
  EXPECT_EQ(std::memcmp(&before, &scenario(), sizeof before), 0);
}

TEST_F(ApplyingABudget, FullEventTableStillLetsAnActiveBudgetBeUpdated) {
  ASSERT_TRUE(ApplyBudget(document, 2, heading, prompter));
  for (int e = 1; e < kMaxEvents; ++e) testing::AddEvent(scenario(), kDeposit, "Gift", 40);
  heading.endAge = 80;
  EXPECT_TRUE(ApplyBudget(document, 2, heading, prompter));
  EXPECT_EQ(Copied(scenario().events[0].endAge), 80.0f);
  EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(ApplyingABudget, NameIsCutToTwentyEightCharacters) {
  heading.name = "A budget name of more than twenty-eight characters";
  ASSERT_TRUE(ApplyBudget(document, 2, heading, prompter));
  EXPECT_EQ(TextOf(budget().budgetName), "A budget name of more than t");
  EXPECT_EQ(TextOf(scenario().events[0].description), "A budget name of more than t");
}

TEST(NewBudgets, FiveBudgetsStartWithoutAccountUnderTheirDefaultNames) {
  const Scenario scenario = MakeNewScenario();
  const auto names = BudgetMenuNames(scenario);
  for (int b = 0; b < kBudgetCount; ++b) {
    EXPECT_EQ(Copied(scenario.budgets[b].budgetAccountId), kNoAccountId32) << "budget " << b;
    EXPECT_EQ(HeadingOf(scenario.budgets[b]).accountId, kNoAccountId32);
    EXPECT_EQ(names[b], Format("Budget %d", b + 1));
  }
}

}  // namespace
}  // namespace core
