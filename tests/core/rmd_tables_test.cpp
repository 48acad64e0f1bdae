// The life-expectancy tables: access by table number, the default "IRA" table, and the checks
// of the table dialog (start age, out-of-range and implausible divisors) with their messages.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "core/accounts.h"
#include "core/rmd_tables.h"
#include "core/text.h"
#include "platform/scripted.h"

namespace {

using core::LifeTableForm;
using core::LifeTableOutcome;

constexpr const char* kPleaseCheck = "\nPlease check the IRS RMD Life Expectancy Tables.";

// The form of a falling table from 70: 27.4, 26.4, 25.4, ... (one less at each age).
LifeTableForm FallingForm() {
  LifeTableForm form;
  form.description = "Mine";
  form.startAge = "70";
  for (int i = 0; i < core::kRmdTableLength; ++i) {
    form.values[static_cast<size_t>(i)] = core::Format("%.1f", 27.4 - i * 0.5);
  }
  return form;
}

TEST(RmdTables, DefaultTableIsTheUniformOneFrom70) {
  const core::LifeTable& ira = core::DefaultLifeTable();
  EXPECT_EQ(ira.description, "IRA");
  EXPECT_EQ(ira.startAge, 70);
  EXPECT_FLOAT_EQ(ira.divisors[0], 27.4f);   // age 70
  EXPECT_FLOAT_EQ(ira.divisors[10], 18.7f);  // age 80
  EXPECT_FLOAT_EQ(ira.divisors[23], 9.6f);   // age 93
  EXPECT_FLOAT_EQ(ira.divisors[29], 6.7f);   // age 99
  platform::ScriptedPrompter prompter;
  EXPECT_FALSE(core::CheckLifeTablePlausible(ira, prompter));
  EXPECT_TRUE(prompter.shown().empty());
}

TEST(RmdTables, FieldsByTableNumber) {
  core::Scenario scenario = core::MakeNewScenario();
  core::SlotData& slots = scenario.slots;
  core::SetRmdStartAge(slots, 2, 72);
  core::SetRmdDivisor(slots, 2, 29, 8.5f);
  core::SetRmdDescription(slots, 3, "A description much longer than twenty-nine characters");
  EXPECT_EQ(slots.rmdTable2StartAge, 72);
  EXPECT_FLOAT_EQ(slots.rmdTable2Values[29], 8.5f);
  EXPECT_EQ(core::RmdDescription(slots, 3), "A description much longer tha");
  EXPECT_EQ(core::RmdDescription(slots, 1), "IRA 1");

  // Unknown tables and indexes read as nothing and write nothing.
  const core::SlotData before = slots;
  core::SetRmdStartAge(slots, 4, 1);
  core::SetRmdDivisor(slots, 1, 30, 1.0f);
  core::SetRmdDivisor(slots, 0, 0, 1.0f);
  core::SetRmdDescription(slots, -1, "x");
  EXPECT_EQ(std::memcmp(&before, &slots, sizeof slots), 0);
  EXPECT_EQ(core::RmdStartAge(slots, 0), 0);
  EXPECT_FLOAT_EQ(core::RmdDivisor(slots, 1, -1), 0.0f);
  EXPECT_EQ(core::RmdDescription(slots, 9), "");

  slots.rmdTable[4] = 20;
  slots.rmdTable[5] = 15;  // the table is the tens: 1
  slots.rmdTable[6] = 40;
  EXPECT_EQ(core::RmdTableOfSlot(slots, 4), 2);
  EXPECT_EQ(core::RmdTableOfSlot(slots, 5), 1);
  EXPECT_EQ(core::RmdTableOfSlot(slots, 6), 0);
  EXPECT_EQ(core::RmdTableOfSlot(slots, 50), 0);
}

TEST(RmdTables, OpeningShowsStoredValuesAndDefaultsForTheRest) {
  core::Scenario scenario = core::MakeNewScenario();
  core::SlotData& slots = scenario.slots;
  core::SetRmdDescription(slots, 2, "");
  core::SetRmdStartAge(slots, 2, 5);
  core::SetRmdDivisor(slots, 2, 0, 9.25f);
  const LifeTableForm form = core::OpenLifeTableForm(slots, 2);
  EXPECT_EQ(form.heading, "Table  2");
  EXPECT_EQ(form.description, "IRA");
  EXPECT_EQ(form.startAge, "5  ");
  EXPECT_EQ(form.ageLabels[0], "5");
  EXPECT_EQ(form.ageLabels[5], "10");
  EXPECT_EQ(form.ageLabels[29], "34");
  EXPECT_EQ(form.values[0], "9.2 ");   // "%-4.1f" of 9.25 (held as 9.25 exactly: rounds even)
  EXPECT_EQ(form.values[1], "26.5");   // the default table's
  EXPECT_EQ(form.values[23], "9.6");

  core::SetRmdStartAge(slots, 1, 95);
  const LifeTableForm old = core::OpenLifeTableForm(slots, 1);
  EXPECT_EQ(old.description, "IRA 1");
  EXPECT_EQ(old.ageLabels[4], "99");
  EXPECT_EQ(old.ageLabels[5], "100");

  core::SetRmdStartAge(slots, 3, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(core::OpenLifeTableForm(slots, 3).ageLabels[29], "1000029");
}

TEST(RmdTables, StartAgeMustBeAWholeAgeFrom1To120) {
  for (const char* refused : {"0", "121", "", "abc", "-5"}) {
    core::Scenario scenario = core::MakeNewScenario();
    platform::ScriptedPrompter prompter;
    LifeTableForm form = FallingForm();
    form.startAge = refused;
    EXPECT_EQ(core::StoreLifeTableForm(scenario.slots, 1, form, prompter),
              LifeTableOutcome::StayOpen)
        << refused;
    ASSERT_EQ(prompter.Lines().size(), 1u) << refused;
    EXPECT_EQ(prompter.Lines()[0],
              "AGE ERROR: This rate must be greater than     1.000 and less than   120.000.");
    // Nothing is stored, so that Cancel afterwards leaves the table as it was.
    EXPECT_EQ(core::RmdDescription(scenario.slots, 1), "IRA 1") << refused;
    EXPECT_FLOAT_EQ(core::RmdDivisor(scenario.slots, 1, 0), 0.0f);
  }
  for (const char* accepted : {"1", "120", " 75.9"}) {
    core::Scenario scenario = core::MakeNewScenario();
    platform::ScriptedPrompter prompter;
    LifeTableForm form = FallingForm();
    form.startAge = accepted;
    EXPECT_EQ(core::StoreLifeTableForm(scenario.slots, 1, form, prompter),
              LifeTableOutcome::Closed)
        << accepted;
  }
}

TEST(RmdTables, StoresTheEnteredTable) {
  core::Scenario scenario = core::MakeNewScenario();
  platform::ScriptedPrompter prompter;
  LifeTableForm form = FallingForm();
  form.startAge = "72";
  form.description = "Joint life table for both of us, first";
  EXPECT_EQ(core::StoreLifeTableForm(scenario.slots, 3, form, prompter),
            LifeTableOutcome::Closed);
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_EQ(scenario.slots.rmdTable3StartAge, 72);
  EXPECT_EQ(core::RmdDescription(scenario.slots, 3), "Joint life table for both of ");  // 29 characters
  EXPECT_FLOAT_EQ(scenario.slots.rmdTable3Values[0], 27.4f);
  EXPECT_FLOAT_EQ(scenario.slots.rmdTable3Values[29], 12.9f);  // 27.4 - 29 x 0.5
}

TEST(RmdTables, RisingValueIsReportedAndKept) {
  core::Scenario scenario = core::MakeNewScenario();
  platform::ScriptedPrompter prompter;
  LifeTableForm form = FallingForm();
  form.values[0] = "27.4";
  form.values[1] = "27.5";
  form.values[2] = "26.0";
  EXPECT_EQ(core::StoreLifeTableForm(scenario.slots, 1, form, prompter),
            LifeTableOutcome::Closed);
  // Only the pair (70, 71) fails: the earlier value and age are named.
  ASSERT_EQ(prompter.Lines().size(), 1u);
  EXPECT_EQ(prompter.Lines()[0],
            std::string("Probable RMD Value Error: Possible incorrect value 27.4 at age 70.") +
                kPleaseCheck);
  EXPECT_FLOAT_EQ(scenario.slots.rmdTable1Values[0], 27.4f);
  EXPECT_FLOAT_EQ(scenario.slots.rmdTable1Values[1], 27.5f);

  // Equal neighbours fall short of strictly decreasing as well.
  platform::ScriptedPrompter equal;
  form.values[1] = "27.4";
  core::StoreLifeTableForm(scenario.slots, 1, form, equal);
  ASSERT_EQ(equal.Lines().size(), 1u);
  EXPECT_NE(equal.Lines()[0].find("value 27.4 at age 70."), std::string::npos);
}

TEST(RmdTables, ZeroValueStopsTheCheckAndReopens) {
  core::Scenario scenario = core::MakeNewScenario();
  platform::ScriptedPrompter prompter;
  LifeTableForm form = FallingForm();
  form.values[5] = "";       // read as 0, at age 75
  form.values[10] = "30.0";  // a rise that is no longer reported
  EXPECT_EQ(core::StoreLifeTableForm(scenario.slots, 1, form, prompter),
            LifeTableOutcome::Reopen);
  ASSERT_EQ(prompter.Lines().size(), 1u);
  EXPECT_EQ(prompter.Lines()[0],
            std::string("Probable RMD Value Error: Possible incorrect value  0.0 at age 75.") +
                kPleaseCheck);
  EXPECT_FLOAT_EQ(scenario.slots.rmdTable1Values[5], 0.0f);
  EXPECT_FLOAT_EQ(scenario.slots.rmdTable1Values[10], 30.0f);

  // A 0 at the first age is named itself.
  platform::ScriptedPrompter first;
  form = FallingForm();
  form.values[0] = "0";
  EXPECT_EQ(core::StoreLifeTableForm(scenario.slots, 1, form, first), LifeTableOutcome::Reopen);
  ASSERT_EQ(first.Lines().size(), 1u);
  EXPECT_NE(first.Lines()[0].find("value  0.0 at age 70."), std::string::npos);
}

TEST(RmdTables, OutOfRangeValuesAreReportedAndKept) {
  core::Scenario scenario = core::MakeNewScenario();
  platform::ScriptedPrompter prompter;
  LifeTableForm form = FallingForm();
  form.values[0] = "55";
  form.values[29] = "-1";
  form.values[28] = "50";  // the bound itself is in range
  EXPECT_EQ(core::StoreLifeTableForm(scenario.slots, 1, form, prompter),
            LifeTableOutcome::Closed);
  const std::vector<std::string> lines = prompter.Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "Probable RMD Value Error: The value 55.0 for age 70 seems out of range. Please check "
            "your Life Expectancy Tables.");
  EXPECT_EQ(lines[1],
            "Probable RMD Value Error: The value -1.0 for age 99 seems out of range. Please check "
            "your Life Expectancy Tables.");
  // Then the plausibility check: 50 at 98 rises above 13.9 at 97 (27.4 - 27 x 0.5); -1 after
  // 50 falls and is no rise.
  EXPECT_NE(lines[2].find("Possible incorrect value 13.9 at age 97."), std::string::npos)
      << lines[2];
  EXPECT_FLOAT_EQ(scenario.slots.rmdTable1Values[0], 55.0f);
  EXPECT_FLOAT_EQ(scenario.slots.rmdTable1Values[29], -1.0f);
}

TEST(RmdTables, ReceivingAccountOfARetirementKindIsWarnedAbout) {
  core::Scenario scenario = core::MakeNewScenario();
  auto add = [&](uint16_t kind) {
    const int index = scenario.accountCount();
    const uint16_t id = core::AllocateAccountId(scenario);
    scenario.account(index).kind = kind;
    return id;
  };
  const uint16_t cash = add(core::kInvestmentSavings);
  const uint16_t ira = add(core::kRetirementSavings);
  const uint16_t roth = add(core::kTaxFreeSavings);
  platform::ScriptedPrompter prompter;
  EXPECT_FALSE(core::WarnAboutRmdReceivingAccount(scenario, cash, prompter));
  EXPECT_FALSE(core::WarnAboutRmdReceivingAccount(scenario, core::kNoAccountId, prompter));
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_TRUE(core::WarnAboutRmdReceivingAccount(scenario, ira, prompter));
  EXPECT_TRUE(core::WarnAboutRmdReceivingAccount(scenario, roth, prompter));
  ASSERT_EQ(prompter.Lines().size(), 2u);
  EXPECT_EQ(prompter.Lines()[0],
            "Probable RMD Account Error: You probably cannot transfer RMD funds to another Tax "
            "Free or Retirement account.\nPlease check the RMD regulations.");
}

}  // namespace
