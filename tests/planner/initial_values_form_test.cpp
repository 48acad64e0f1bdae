// The Initial Values form: the check order with the age range, "Use Birthday", and Cancel
// restoring what the dialog changed while open.
#include <gtest/gtest.h>

#include "tests/planner/form_fixture.h"

namespace planner_testing {
namespace {

using planner::forms::Outcome;

struct InitialCase {
  const char* start;
  const char* end;
  const char* inflation;
  Outcome outcome;
  const char* message;
};

class InitialValuesChecks : public FormTest, public ::testing::WithParamInterface<InitialCase> {};

TEST_P(InitialValuesChecks, RunInOrderAndStopAtTheFirstRefusal) {
  const InitialCase& c = GetParam();
  Open("INITIAL");
  Set("Birth Month", "5");
  Set("Birth Day", "20");
  Set("Start Age", c.start);
  Set("End Age", c.end);
  Set("Inflation Rate", c.inflation);
  EXPECT_EQ(Press("OK"), c.outcome);
  EXPECT_EQ(LastMessage(), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InitialValuesChecks,
    ::testing::Values(
        InitialCase{"30", "90", "3", Outcome::Stored, ""},
        InitialCase{"30", "130", "3", Outcome::Kept,
                    "END AGE ERROR: This age must be between 1.0 and 120.0."},
        // Ages 20 to 119 are 100 years: one more than a plan holds.
        InitialCase{"20", "119", "3", Outcome::Kept,
                    "Age Range Error!: The age range must be less than ALLOWABLE_POINTS!"},
        InitialCase{"20", "118", "3", Outcome::Stored, ""},
        InitialCase{"30", "90", "-10.5", Outcome::Kept,
                    "INFLATION RATE ERROR: This rate must be between 0.0% and 1000.0%."},
        InitialCase{"30", "90", "50", Outcome::Stored, ""}));

TEST_F(FormTest, BirthMonthIsCheckedFirst) {
  Open("INITIAL");
  Set("Birth Month", "13");
  Set("Start Age", "0");
  EXPECT_EQ(Press("OK"), Outcome::Kept);
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "BIRTH MONTH ERROR: The birth month value must between 1 and 12"});
}

TEST_F(FormTest, UseBirthdayAddsTheYearSinceTheBirthdayAndCancelRestoresIt) {
  // The scripted clock says 15 June; a birthday on 15 May is 31 days ago.
  Open("INITIAL");
  Set("Start Age", "40.9");
  Set("Birth Month", "5");
  Set("Birth Day", "15");
  Set("Use Birthday", "on");
  EXPECT_EQ(Shown("Start Age"), "40.085");
  EXPECT_EQ(scenario().initial.useBirthday, 1);
  EXPECT_EQ(Press("Cancel"), Outcome::Cancelled);
  EXPECT_FLOAT_EQ(scenario().initial.startAge, 30.0f);
  EXPECT_EQ(scenario().initial.useBirthday, 0);
  EXPECT_EQ(scenario().initial.birthMonth, 0);
  EXPECT_FALSE(session().document().modified);
}

TEST_F(FormTest, UseBirthdayWithoutABirthDateIsRefusedAndStaysOff) {
  Open("INITIAL");
  Set("Use Birthday", "on");
  EXPECT_EQ(LastMessage(), "BIRTH MONTH ERROR: The birth month value must between 1 and 12");
  EXPECT_FALSE(form_->Find("Use Birthday")->on);
}

TEST_F(FormTest, InitialValuesShowTheAccountTotals) {
  AddAccount("A", core::kInvestmentSavings, 1500.0f);
  AddAccount("B", core::kEquity, 250.5f);
  Open("INITIAL");
  EXPECT_EQ(Shown("Investment Savings"), "$1,500.00");
  EXPECT_EQ(Shown("Total Amount In Accounts"), "$1,750.50");
}

}  // namespace
}  // namespace planner_testing
