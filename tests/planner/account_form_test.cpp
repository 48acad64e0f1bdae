// The Account Information form with its Dividend dialog, and the Fundamentals form with its
// Account Rate dialog: the second dialogs take the presses until they close.
#include <gtest/gtest.h>

#include "planner/forms/account_form.h"
#include "tests/planner/form_fixture.h"

namespace planner_testing {
namespace {

using planner::forms::Outcome;

TEST_F(FormTest, NewAccountGetsIdentifierSlotAndDividend) {
  Open("ACCOUNTINFO");
  Set("Account Name", "Brokerage");
  Set("Initial Amount", "25000");
  Set("Effective Yearly Rate", "7.5");
  Set("Select Account Type", "Retirement Savings");
  Set("Early withdrawals subject to penalty", "on");
  ASSERT_EQ(Press("Dividend"), Outcome::Opened);
  Set("Yearly Dividend", "2");
  Set("Percent of Dividend Taxable", "50");
  EXPECT_EQ(Press("OK"), Outcome::Done);  // the dividend dialog closed, this one stays
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  ASSERT_EQ(scenario().accountCount(), 1);
  const core::Account& a = scenario().account(0);
  EXPECT_EQ(core::TextOf(a.name), "Brokerage");
  EXPECT_FLOAT_EQ(a.initialAmount, 25000.0f);
  EXPECT_FLOAT_EQ(a.rate, 7.5f);
  EXPECT_EQ(a.kind, core::kRetirementSavings);
  EXPECT_EQ(a.penaltyApplies, 1);
  EXPECT_FLOAT_EQ(scenario().dividends.dividendRate[a.slot], 2.0f);
  EXPECT_FLOAT_EQ(scenario().dividends.dividendTaxablePercent[a.slot], 50.0f);
  // No deposit account chosen is none, not the account whose identifier is 0.
  EXPECT_EQ(scenario().dividends.dividendAccountId[a.slot], core::kNoAccountId);
  EXPECT_FLOAT_EQ(scenario().slots.penaltyAge[a.slot], 59.0f);
}

struct AccountCheckCase {
  const char* field;
  const char* text;
  const char* message;
};

class AccountChecks : public FormTest, public ::testing::WithParamInterface<AccountCheckCase> {};

TEST_P(AccountChecks, NameTheirBounds) {
  Open("ACCOUNTINFO");
  Set("Account Name", "Savings");
  Set(GetParam().field, GetParam().text);
  EXPECT_EQ(Press("OK"), Outcome::Kept);
  EXPECT_EQ(LastMessage(), GetParam().message);
  EXPECT_EQ(scenario().accountCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AccountChecks,
    ::testing::Values(
        AccountCheckCase{"Initial Amount", "200000000",
                         "AMOUNT ERROR: This amount must be greater than -100000000.00 and less "
                         "than 100000000.00."},
        AccountCheckCase{"Effective Yearly Rate", "201",
                         "RATE ERROR: This rate must be greater than -200.000 and less than "
                         "200.000."},
        AccountCheckCase{"Annualized Standard Deviation", "-1",
                         "Standard Deviation Value Error: Standard Deviation values must be "
                         "between 0.00 to 200.0"}));

TEST_F(FormTest, PenaltyFieldsFollowTheAccountKind) {
  Open("ACCOUNTINFO");
  EXPECT_FALSE(form_->Find("Penalty Rate")->enabled);
  Set("Select Account Type", "Tax Free Savings");
  EXPECT_TRUE(form_->Find("Penalty Rate")->enabled);
}

TEST_F(FormTest, AllocationIsRefusedForAnAccountAWithdrawalChose) {
  const uint16_t id = AddAccount("Checking");
  core::FinancialEvent& e = scenario().events[0];
  e.kind = core::kWithdrawal;
  e.accountId = id;
  e.accountChosen = core::kAccountChosen;
  scenario().initial.eventCount = 1;
  Open("ACCOUNTINFO", -1, 0);
  Set("Assign asset allocation withdrawal", "on");
  EXPECT_EQ(LastMessage(),
            "Asset Allocation Problem: You cannot assign this account for Asset Allocation "
            "Withdrawal\nwhile it is selected as a Withdrawal Event Account");
  EXPECT_FALSE(form_->Find("Assign asset allocation withdrawal")->on);
}

TEST_F(FormTest, RmdTablesExcludeEachOtherAndWarnWithoutReceivingAccount) {
  AddAccount("IRA", core::kRetirementSavings);
  scenario().slots.rmdTransferAccountId = static_cast<int16_t>(core::kNoAccountId);
  Open("ACCOUNTINFO", -1, 0);
  Set("Assign RMD Table 1", "on");
  Set("Assign RMD Table 2", "on");
  EXPECT_FALSE(form_->Find("Assign RMD Table 1")->on);
  EXPECT_EQ(Press("OK"), Outcome::Stored);
  EXPECT_EQ(scenario().slots.rmdTable[scenario().account(0).slot], 20);
  EXPECT_EQ(LastMessage().substr(0, 13), "RMD Problem: ");
}

TEST_F(FormTest, EditingFindsItsAccountAfterAListSortedTheTable) {
  // After a run the table is in withdrawal order; the Dividend dialog's list sorts it by name.
  AddAccount("Zeta");
  AddAccount("Alpha");
  Open("ACCOUNTINFO", -1, 0);
  ASSERT_EQ(Press("Dividend"), Outcome::Opened);
  EXPECT_EQ(core::TextOf(scenario().account(0).name), "Alpha");
  Press("OK");
  Set("Initial Amount", "777");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  const int zeta = core::TextOf(scenario().account(0).name) == "Zeta" ? 0 : 1;
  EXPECT_FLOAT_EQ(scenario().account(zeta).initialAmount, 777.0f);
  EXPECT_EQ(core::TextOf(scenario().account(zeta).name), "Zeta");
  EXPECT_EQ(core::TextOf(scenario().account(1 - zeta).name), "Alpha");
  EXPECT_FLOAT_EQ(scenario().account(1 - zeta).initialAmount, 1000.0f);
}

TEST_F(FormTest, ImportModeCountsTheImportedAccountOnOk) {
  core::Scenario& s = scenario();
  core::Account& a = s.account(0);
  a = core::Account{};
  core::CopyText(a.name, "Imported");
  a.slot = core::TakeSlotForNewAccount(s, 0);
  form_ = planner::forms::MakeAccountForm(session(), 0, true);
  EXPECT_EQ(Shown("Account Name"), "Imported");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  EXPECT_EQ(s.accountCount(), 1);
}

TEST_F(FormTest, FundamentalsChangeAnAccountRateThroughTheSecondDialog) {
  const uint16_t id = AddAccount("Savings");
  Open("FUNDAMENTALS");
  EXPECT_EQ(Shown("Tax Rate"), "15.000 ");  // a first Fundamentals event starts from the plan
  Set("Start Age", "50");
  Set("Select account.", "Savings");
  ASSERT_EQ(Press("Press to change selected account's rate"), Outcome::Opened);
  Set("Effective Yearly Rate", "300");
  EXPECT_EQ(Press("OK"), Outcome::Kept);
  Set("Effective Yearly Rate", "4.25");
  EXPECT_EQ(Press("OK"), Outcome::Done);
  EXPECT_EQ(Shown("New Account Rate"), "4.250  ");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  const core::FinancialEvent& e = scenario().events[0];
  EXPECT_EQ(e.kind, core::kFundamentals);
  EXPECT_EQ(e.rateAccountId, id);
  EXPECT_FLOAT_EQ(e.newAccountRate, 4.25f);
  EXPECT_FLOAT_EQ(e.endAge, e.startAge);
  // The next new Fundamentals event carries on from this one.
  scenario().events[0].newTaxRate = 22.0f;
  Open("FUNDAMENTALS");
  EXPECT_EQ(Shown("Tax Rate"), "22.000 ");
}

}  // namespace
}  // namespace planner_testing
