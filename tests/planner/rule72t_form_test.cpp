// The Rule 72T form over the core's checks and calculation: Calculate finds the balance by a
// run and shows the payments, OK stores a Rule 72T transfer with the annual amount.
#include <gtest/gtest.h>

#include "tests/planner/form_fixture.h"

namespace planner_testing {
namespace {

using planner::forms::Outcome;

TEST_F(FormTest, Rule72tCalculatesFromTheBalanceAndStoresTheTransfer) {
  const uint16_t ira = AddAccount("IRA", core::kRetirementSavings, 400000.0f);
  Open("RULE");
  Set("Description", "SEPP");
  Set("Start Age", "50");
  Set("Beneficiary Age", "45");
  Set("End Age", "60");
  Set("Rate", "5");
  Set("From Account", "IRA");
  Set("Minimum", "on");
  ASSERT_EQ(Press("Calculate"), Outcome::Done) << LastMessage();
  EXPECT_FALSE(Shown("Account Balance at Start Age").empty());
  EXPECT_FALSE(Shown("Annual Withdrawal Amount").empty());
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  const core::FinancialEvent& e = scenario().events[0];
  EXPECT_TRUE(core::IsRule72tTransfer(e));
  EXPECT_EQ(e.fromAccountId, ira);
  EXPECT_EQ(e.rule72tMethod, 2);
  EXPECT_GT(e.amount, 0.0f);
}

TEST_F(FormTest, Rule72tRefusesARateOutsideTwentyPercent) {
  AddAccount("IRA", core::kRetirementSavings, 1000.0f);
  Open("RULE");
  Set("Start Age", "50");
  Set("Beneficiary Age", "45");
  Set("End Age", "60");
  Set("Rate", "25");
  Set("From Account", "IRA");
  EXPECT_EQ(Press("OK"), Outcome::Kept);
  EXPECT_EQ(LastMessage().substr(0, 17), "APPLY RATE ERROR:");
  EXPECT_EQ(scenario().eventCount(), 0);
}

}  // namespace
}  // namespace planner_testing
