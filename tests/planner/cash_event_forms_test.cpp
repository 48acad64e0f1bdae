// The Withdrawal, Deposit and Transfer forms: the checks of OK in their order, the one-time and
// transfer-all exceptions, and the accounts stored.
#include <gtest/gtest.h>

#include "tests/planner/form_fixture.h"

namespace planner_testing {
namespace {

using planner::forms::Outcome;

struct AgeCase {
  const char* startAge;
  Outcome outcome;
  const char* message;  // the last message shown, "" for none
};

class WithdrawalStartAge : public FormTest, public ::testing::WithParamInterface<AgeCase> {};

TEST_P(WithdrawalStartAge, IsCheckedAgainstOneToOneHundredTwenty) {
  const AgeCase& c = GetParam();
  Open("WITHDRAWAL");
  Set("Description", "Car");
  Set("Start Age", c.startAge);
  Set("End Age", "70");
  Set("Amount", "1000");
  EXPECT_EQ(Press("OK"), c.outcome);
  EXPECT_EQ(LastMessage(), c.message);
  EXPECT_EQ(scenario().eventCount(), c.outcome == Outcome::Stored ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WithdrawalStartAge,
    ::testing::Values(
        AgeCase{"120.0", Outcome::Stored, ""}, AgeCase{"1", Outcome::Stored, ""},
        AgeCase{"120.01", Outcome::Kept, "START AGE ERROR: This age must be between 1.0 and 120.0."},
        AgeCase{"0.5", Outcome::Kept, "START AGE ERROR: This age must be between 1.0 and 120.0."},
        AgeCase{"", Outcome::Kept, "START AGE ERROR: This age must be between 1.0 and 120.0."}));

struct RateCase {
  const char* rate;
  Outcome outcome;
};

class WithdrawalAppliedRate : public FormTest, public ::testing::WithParamInterface<RateCase> {};

TEST_P(WithdrawalAppliedRate, IsHeldToTwentyPercentEitherWay) {
  Open("WITHDRAWAL");
  Set("Start Age", "60");
  Set("End Age", "70");
  Set("Amount", "1000");
  Set("Apply Rate", GetParam().rate);
  EXPECT_EQ(Press("OK"), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(Cases, WithdrawalAppliedRate,
                         ::testing::Values(RateCase{"-20", Outcome::Stored},
                                           RateCase{"20", Outcome::Stored},
                                           RateCase{"20.01", Outcome::Kept},
                                           RateCase{"-21", Outcome::Kept}));

TEST_F(FormTest, OneTimeWithdrawalTakesAnyEndAgeUnchecked) {
  Open("WITHDRAWAL");
  Set("Start Age", "65.7");
  Set("End Age", "500.4");
  Set("Amount", "1000");
  Set("One time only withdrawal", "on");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  EXPECT_TRUE(Messages().empty());
  const core::FinancialEvent& e = scenario().events[0];
  EXPECT_EQ(e.kind, core::kWithdrawal);
  EXPECT_FLOAT_EQ(e.startAge, 65.0f);
  EXPECT_FLOAT_EQ(e.endAge, 500.0f);
  EXPECT_EQ(e.oneTimeOnly, 1);
  EXPECT_EQ(e.accountId, core::kNoAccountId);
  EXPECT_EQ(e.accountChosen, 0);
}

TEST_F(FormTest, AmountIsCheckedBeforeTheAppliedRate) {
  Open("WITHDRAWAL");
  Set("Start Age", "60");
  Set("End Age", "70");
  Set("Amount", "0.5");
  Set("Apply Rate", "99");
  EXPECT_EQ(Press("OK"), Outcome::Kept);
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "AMOUNT ERROR: This amount must be greater than 0.00 and less than "
                            "99999999.00."});
  EXPECT_EQ(Shown("Amount"), "0.5");  // the dialog keeps what was typed
}

TEST_F(FormTest, WithdrawalFromAnAssetAllocationAccountIsRefusedOnOkAndCancel) {
  const uint16_t id = AddAccount("Brokerage");
  scenario().slots.aaMember[scenario().account(0).slot] = 1;
  Open("WITHDRAWAL");
  Set("Start Age", "60");
  Set("End Age", "70");
  Set("Amount", "1000");
  Set("Withdrawal Account", "Brokerage");
  const std::string refusal =
      "Account Warning: You cannot select an account that is part of an Asset Allocation!";
  EXPECT_EQ(Press("OK"), Outcome::Kept);
  EXPECT_EQ(LastMessage(), refusal);
  EXPECT_EQ(Press("Cancel"), Outcome::Kept);
  Set("Withdrawal Account", "No Selection");
  EXPECT_EQ(Press("Cancel"), Outcome::Cancelled);
  EXPECT_EQ(scenario().eventCount(), 0);
  (void)id;
}

TEST_F(FormTest, EditingAnEventKeepsItsPlaceAndChosenAccount) {
  const uint16_t id = AddAccount("Checking");
  Open("INCOME");
  Set("Description", "Salary");
  Set("Start Age", "30");
  Set("End Age", "60");
  Set("Amount", "50000");
  Set("Deposit to:", "Checking");
  Set("Tax deposit at current tax rate", "on");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  Open("INCOME", 0);
  EXPECT_EQ(Shown("Deposit to:"), "Checking");
  Set("Amount", "60000");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  ASSERT_EQ(scenario().eventCount(), 1);
  EXPECT_FLOAT_EQ(scenario().events[0].amount, 60000.0f);
  EXPECT_EQ(scenario().events[0].accountId, id);
  EXPECT_EQ(scenario().events[0].taxDeposit, 1);
  EXPECT_EQ(core::TextOf(scenario().events[0].description), "Salary");
  EXPECT_TRUE(session().document().modified);
}

TEST_F(FormTest, TransferOfAllFundsChecksNeitherEndAgeNorAmount) {
  const uint16_t from = AddAccount("IRA", core::kRetirementSavings);
  const uint16_t to = AddAccount("Savings");
  Open("TRANSFER");
  Set("Start Age", "60");
  Set("End Age", "999");
  Set("Amount", "-5");
  Set("Transfer all funds at Start Age", "on");
  Set("From Account:", "IRA");
  Set("To Account:", "Savings");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  const core::FinancialEvent& e = scenario().events[0];
  EXPECT_EQ(e.kind, core::kTransfer);
  EXPECT_EQ(e.fromAccountId, from);
  EXPECT_EQ(e.accountId, to);
  EXPECT_EQ(e.transferAll, 1);
  EXPECT_FLOAT_EQ(e.amount, 0.0f);
}

TEST_F(FormTest, TodaysDollarsSwitchNamesTheInitialStartAge) {
  Open("WITHDRAWAL");
  EXPECT_EQ(form_->Find("Amount is in today's dollars")->shownLabel(),
            "Use amount in age 30.0 Dollars");
}

}  // namespace
}  // namespace planner_testing
