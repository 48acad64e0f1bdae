// The groups, asset-allocation, Monte Carlo, RMD and Add Event forms.
#include <gtest/gtest.h>

#include <fstream>

#include "core/rmd_tables.h"
#include "planner/forms/rmd_forms.h"
#include "tests/planner/form_fixture.h"

namespace planner_testing {
namespace {

using planner::forms::Outcome;

struct GroupCase {
  const char* minimum;
  const char* maximum;
  const char* message;  // "" none
  float storedMin, storedMax;
};

class GroupRates : public FormTest, public ::testing::WithParamInterface<GroupCase> {};

TEST_P(GroupRates, AreCheckedForNamedRows) {
  const GroupCase& c = GetParam();
  Open("GROUPS");
  Set("Group Name 1", "Stocks");
  Set("Random Minimum Rate 1", c.minimum);
  Set("Random Maximum Rate 1", c.maximum);
  Set("Random Minimum Rate 2", "900");  // an unnamed row is not checked
  Press("OK");
  EXPECT_EQ(LastMessage(), c.message);
  EXPECT_FLOAT_EQ(scenario().groups.groupRandomMinRate[0], c.storedMin);
  EXPECT_FLOAT_EQ(scenario().groups.groupRandomMaxRate[0], c.storedMax);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupRates,
    ::testing::Values(
        GroupCase{"-5", "12", "", -5.0f, 12.0f},
        GroupCase{"5", "5", "Rate Error: The minimum rate must be less than the maximum rate.",
                  0.0f, 0.0f},
        GroupCase{"-201", "5", "Rate Error: The rate must be between -200.00% and 200.00%.",
                  0.0f, 0.0f}));

TEST_F(FormTest, AssetAllocationOptionsStoreTheOptionEvent) {
  Open("AA");
  Set("Proportional asset allocation withdrawal", "on");
  Set("Equal asset allocation withdrawal", "on");
  EXPECT_FALSE(form_->Find("Proportional asset allocation withdrawal")->on);
  Set("Age to start withdrawals", "0");
  EXPECT_EQ(Press("OK"), Outcome::Kept);
  EXPECT_EQ(LastMessage(), "START AGE ERROR: This age must be between 1.0 and 120.0.");
  Set("Age to start withdrawals", "62.5");
  Set("Minimum withdrawal amount", "300000000");
  EXPECT_EQ(Press("OK"), Outcome::Kept);
  Set("Minimum withdrawal amount", "2000");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  EXPECT_EQ(scenario().trailer().aaMethod, 2);
  EXPECT_FLOAT_EQ(scenario().trailer().aaStartAge, 62.0f);
  ASSERT_EQ(scenario().eventCount(), 1);
  EXPECT_EQ(scenario().events[0].kind, core::kAssetAllocationOption);
}

struct TrialsCase {
  const char* typed;
  int stored;
};

class MonteCarloTrials : public FormTest, public ::testing::WithParamInterface<TrialsCase> {};

TEST_P(MonteCarloTrials, AreHeldToTheirRange) {
  Open("MONTE1");
  Set("Enter Number of Trials", GetParam().typed);
  Set("Minimum Inflation Rate", "-20.7");
  Set("Maximum Inflation Rate", "60");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  EXPECT_EQ(scenario().groups.mcTrials, GetParam().stored);
  EXPECT_FLOAT_EQ(scenario().groups.mcMinInflation, -10.0f);
  EXPECT_FLOAT_EQ(scenario().groups.mcMaxInflation, 50.0f);
}

INSTANTIATE_TEST_SUITE_P(Cases, MonteCarloTrials,
                         ::testing::Values(TrialsCase{"5", 5}, TrialsCase{"-3", 10},
                                           TrialsCase{"5000", 1000}));

TEST_F(FormTest, StandardDeviationRatesDrawAccountRates) {
  Open("MONTE1");
  Set("Use Random Group Rates", "on");
  Set("Use Gaussian Standard Deviation Rates", "on");
  EXPECT_TRUE(form_->Find("Use Random Account Rates")->on);
  EXPECT_FALSE(form_->Find("Use Random Group Rates")->enabled);
  Set("Select Distribution Factor", "7");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  EXPECT_EQ(scenario().groups.mcRateType, 2);
  EXPECT_EQ(scenario().groups.mcStdDevFactor, 7);
  EXPECT_EQ(scenario().groups.mcRateSource, 0);
}

TEST_F(FormTest, RmdOptionsOpenTheTableAndWarnAboutARetirementReceiver) {
  AddAccount("Roth", core::kTaxFreeSavings);
  Open("MRW");
  EXPECT_TRUE(form_->Find("Account order withdrawal")->on);
  Set("Transfer funds to this account:", "Roth");
  Set("Penalty rate", "101");
  EXPECT_EQ(Press("OK"), Outcome::Kept);
  Set("Penalty rate", "50");
  ASSERT_EQ(Press("Edit Table 2 Life Expectancy Values"), Outcome::Opened);
  EXPECT_EQ(Shown("Table"), "Table  2");
  EXPECT_EQ(Press("Cancel"), Outcome::Done);
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  EXPECT_EQ(LastMessage().substr(0, 27), "Probable RMD Account Error:");
  EXPECT_FLOAT_EQ(scenario().slots.rmdPenaltyRate, 50.0f);
}

TEST_F(FormTest, UniformTableButtonFillsAgesSeventyThreeToOneHundredTwo) {
  std::ofstream(dir.path() / planner::forms::kUniformTableFile)
      << "# test copy\n72\t27.4\n73\t26.5\n74\t25.5\n75\t24.6\n76\t23.7\n77\t22.9\n78\t22.0\n"
         "79\t21.1\n80\t20.2\n81\t19.4\n82\t18.5\n83\t17.7\n84\t16.8\n85\t16.0\n86\t15.2\n"
         "87\t14.4\n88\t13.7\n89\t12.9\n90\t12.2\n91\t11.5\n92\t10.8\n93\t10.1\n94\t9.5\n"
         "95\t8.9\n96\t8.4\n97\t7.8\n98\t7.3\n99\t6.8\n100\t6.4\n101\t6.0\n102\t5.6\n";
  Open("RMDTABLE", -1, -1, 1);
  EXPECT_EQ(Shown("Value 1"), "27.4");  // the default table until the button is pressed
  ASSERT_EQ(Press("Use IRS Uniform Lifetime Table (2022)"), Outcome::Done);
  EXPECT_EQ(Shown("Start Age"), "73 ");
  EXPECT_EQ(Shown("Value 1"), "26.5");
  EXPECT_EQ(Shown("Value 30"), "5.6 ");
  EXPECT_EQ(form_->Find("Value 30")->shownLabel(), "Age 102");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  EXPECT_EQ(core::RmdStartAge(scenario().slots, 1), 73);
  EXPECT_FLOAT_EQ(core::RmdDivisor(scenario().slots, 1, 29), 5.6f);
}

TEST_F(FormTest, TheShippedUniformTableHasThirtyAgesFromSeventyThree) {
  const auto table = planner::forms::ReadUniformTable(
      std::filesystem::path(KX_SOURCE_DATA_DIR) / planner::forms::kUniformTableFile, 73);
  ASSERT_TRUE(table.has_value());
  EXPECT_FLOAT_EQ(table->divisors[0], 26.5f);
  EXPECT_FLOAT_EQ(table->divisors[29], 5.6f);
  EXPECT_FALSE(core::CheckLifeTablePlausible(*table, platform.prompter));
  EXPECT_TRUE(Messages().empty());
  const auto fromAge72 = planner::forms::ReadUniformTable(
      std::filesystem::path(KX_SOURCE_DATA_DIR) / planner::forms::kUniformTableFile, 72);
  ASSERT_TRUE(fromAge72.has_value());
  EXPECT_FLOAT_EQ(fromAge72->divisors[0], 27.4f);
}

TEST_F(FormTest, AddEventPaletteClosesWithTheEventDialogItOpened) {
  Open("EVENTS");
  ASSERT_EQ(Press("Deposit"), Outcome::Opened);
  EXPECT_EQ(form_->Active().name(), "INCOME");
  Set("Start Age", "40");
  Set("End Age", "50");
  Set("Amount", "100");
  EXPECT_EQ(Press("OK"), Outcome::Stored);
  EXPECT_TRUE(form_->closed());
  EXPECT_EQ(scenario().events[0].kind, core::kDeposit);
}

TEST_F(FormTest, EveryFormOpensOnANewScenario) {
  for (const std::string& name : planner::forms::FormNames()) {
    Open(name);
    EXPECT_FALSE(form_->buttons().empty()) << name;
  }
}

}  // namespace
}  // namespace planner_testing
