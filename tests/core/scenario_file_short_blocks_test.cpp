// Files of earlier releases end after a required block or inside an optional one: the tables
// they lack get their defaults, and nothing of the scenario read before survives.
#include <gtest/gtest.h>

#include "core/scenario_file.h"
#include "platform/scripted.h"
#include "tests/core/scenario_file_images.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

using testing::BlockOffsets;
using testing::Patch;

// The rich scenario's image (four events) with test-specific patches, cut after `length` bytes
// and read into a document that holds the rich scenario, so that a table the file lacks cannot
// come from it.
class ShortScenarioFile : public ::testing::Test {
 protected:
  ShortScenarioFile() : image_(ScenarioFileBytes(testing::RichScenario())) {
    document_.scenario = testing::RichScenario();
    document_.scenario.page.windowLeft = 77;
  }

  const Scenario& ReadCutAt(size_t length) {
    dir_.Write("short.RET", image_.substr(0, length));
    EXPECT_TRUE(ReadScenarioFile(document_, dir_.path(), "short.RET", prompter_));
    EXPECT_TRUE(prompter_.shown().empty());
    return document_.scenario;
  }

  const BlockOffsets at_{4};
  std::string image_;
  Document document_;
  testing_support::TempDir dir_;
  platform::ScriptedPrompter prompter_;
};

TEST_F(ShortScenarioFile, RequiredBlocksOnlyReadWithDefaults) {
  // 80 + 4 x 160 + 4124 bytes.
  const Scenario& s = ReadCutAt(at_.groups);
  EXPECT_EQ(+s.eventCount(), 4);
  EXPECT_EQ(TextOf(s.events[1].description), "Lake house");
  EXPECT_EQ(+s.accountCount(), 3);
  EXPECT_EQ(TextOf(s.account(1).name), "IRA");
  EXPECT_EQ(+s.trailer().aaMethod, 1);

  for (int g = 0; g < kMaxGroups; ++g) {
    EXPECT_EQ(TextOf(s.groups.groupName[g]), "");
    EXPECT_EQ(+s.groups.groupRandomMinRate[g], 0.0f);
    EXPECT_EQ(+s.groups.groupRandomMaxRate[g], 0.0f);
  }
  EXPECT_EQ(+s.groups.mcTrials, 100);
  EXPECT_EQ(+s.groups.mcRateType, 0);
  EXPECT_EQ(+s.groups.mcStdDevFactor, 0);
  EXPECT_EQ(+s.groups.mcGoalAmount, 0.0f);
  EXPECT_EQ(TextOf(s.titles.title[1]), "");
  EXPECT_EQ(+s.titles.printTitle[1], 0);
  EXPECT_EQ(+s.slots.stdDeviation[1], 0.0f);
  EXPECT_EQ(+s.slots.rmdTable[1], 0);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    EXPECT_EQ(+s.account(slot).slot, slot);
    EXPECT_EQ(+s.slots.penaltyAge[slot], 59.0f);
    EXPECT_EQ(+s.slots.penaltyRate[slot], 10.0f);
    EXPECT_EQ(+s.slots.aaMember[slot], 0);
    EXPECT_EQ(+s.dividends.dividendRate[slot], 0.0f);
    EXPECT_EQ(+s.dividends.dividendTaxablePercent[slot], 100.0f);
    EXPECT_EQ(+s.dividends.dividendAccountId[slot], kNoAccountId);
  }
  EXPECT_EQ(+s.page.marginLeft, 1000);
  EXPECT_EQ(+s.page.marginTop, 1000);
  EXPECT_EQ(+s.page.marginRight, 500);
  EXPECT_EQ(+s.page.marginBottom, 1000);
  EXPECT_EQ(+s.page.printOption, 1);
  EXPECT_EQ(+s.page.windowLeft, 77) << "window placement stays where it was";
  for (int b = 0; b < kBudgetCount; ++b) {
    EXPECT_EQ(TextOf(s.budgets[b].budgetName), "Budget " + std::to_string(b + 1));
    EXPECT_EQ(+s.budgets[b].budgetAccountId, -1);
    EXPECT_EQ(+s.budgets[b].itemCount, 0);
  }
  for (uint8_t byte : s.reserved1) EXPECT_EQ(byte, 0);
  for (uint8_t byte : s.reserved2) EXPECT_EQ(byte, 0);
}

TEST_F(ShortScenarioFile, CutInTitlesClearsTitlesAndRenumbersSlots) {
  Patch(image_, at_.accounts + 2 + 80, uint16_t{7});  // account 0 stored in slot 7
  const Scenario& s = ReadCutAt(at_.titles + 100);
  EXPECT_EQ(TextOf(s.titles.title[0]), "") << "a partly read title is not kept";
  EXPECT_EQ(TextOf(s.titles.title[1]), "");
  EXPECT_EQ(+s.account(0).slot, 0);
}

TEST_F(ShortScenarioFile, CutInSlotDataKeepsWhatArrivedUnderTheSlotDefaults) {
  Patch(image_, at_.accounts + 2 + 80, uint16_t{7});
  Patch(image_, at_.slots + 0, 62.0f);     // penaltyAge of slot 0
  Patch(image_, at_.slots + 900, int32_t{72});  // rmdTable1StartAge
  const Scenario& s = ReadCutAt(at_.slots + 1000);
  EXPECT_EQ(+s.account(0).slot, 0);
  EXPECT_EQ(+s.slots.penaltyAge[0], 59.0f);
  EXPECT_EQ(+s.slots.rmdTable1StartAge, 72);
  EXPECT_EQ(+s.slots.stdDeviation[1], 0.0f);
}

TEST_F(ShortScenarioFile, WholeSlotDataKeepsStoredSlots) {
  Patch(image_, at_.accounts + 2 + 80, uint16_t{7});
  const Scenario& s = ReadCutAt(at_.fonts);
  EXPECT_EQ(+s.account(0).slot, 7);
  EXPECT_EQ(+s.slots.stdDeviation[1], 15.5f);
}

TEST_F(ShortScenarioFile, CutInPageSettingsGivesDefaultMargins) {
  Patch(image_, at_.page + 0, int32_t{123});  // windowLeft arrived
  const Scenario& s = ReadCutAt(at_.page + 140);
  EXPECT_EQ(+s.page.windowLeft, 123);
  EXPECT_EQ(+s.page.marginLeft, 1000);
  EXPECT_EQ(+s.page.marginTop, 1000);
  EXPECT_EQ(+s.page.marginRight, 500);
  EXPECT_EQ(+s.page.marginBottom, 1000);
  EXPECT_EQ(+s.page.printOption, 1);
}

TEST_F(ShortScenarioFile, WholePageSettingsKeepStoredMargins) {
  const Scenario& s = ReadCutAt(at_.budgets);
  EXPECT_EQ(+s.page.marginLeft, 750);
  EXPECT_EQ(+s.page.printOption, 2);
  EXPECT_EQ(+s.page.windowWidth, 800);
}

TEST_F(ShortScenarioFile, BudgetsCountOnlyWhenTheirWholeRecordArrived) {
  image_.replace(at_.budgets, 5, "Food\0", 5);
  Patch(image_, at_.budgets + 1394, int32_t{0});  // budget 1 draws on account 0
  // Budget 1 whole, budget 2 ("Travel") cut after its name and items.
  const Scenario& s = ReadCutAt(at_.budgets + 1398 + 700);
  EXPECT_EQ(TextOf(s.budgets[0].budgetName), "Food");
  EXPECT_EQ(+s.budgets[0].budgetAccountId, 0);
  EXPECT_EQ(TextOf(s.budgets[1].budgetName), "Budget 2");
  EXPECT_EQ(+s.budgets[1].budgetAccountId, -1);
  EXPECT_EQ(+s.budgets[1].itemCount, 0);
}

TEST_F(ShortScenarioFile, BudgetsShorterThanOneRecordKeepTheirDefaultNames) {
  image_.replace(at_.budgets, 5, "Food\0", 5);
  const Scenario& s = ReadCutAt(at_.budgets + 1397);
  EXPECT_EQ(TextOf(s.budgets[0].budgetName), "Budget 1");
}

TEST_F(ShortScenarioFile, CutInDividendsGivesDividendDefaults) {
  const Scenario& s = ReadCutAt(at_.dividends + 300);
  EXPECT_EQ(TextOf(s.budgets[1].budgetName), "Travel");
  EXPECT_EQ(+s.dividends.dividendRate[0], 0.0f);
  EXPECT_EQ(+s.dividends.dividendTaxablePercent[0], 100.0f);
  EXPECT_EQ(+s.dividends.dividendAccountId[0], kNoAccountId);
}

TEST_F(ShortScenarioFile, CutInReservedAreaZeroesIt) {
  const Scenario& s = ReadCutAt(at_.reserved2 + 10);
  EXPECT_EQ(+s.dividends.dividendRate[0], 2.5f);
  EXPECT_EQ(+s.reserved1[0], 1);
  EXPECT_EQ(+s.reserved1[785], 2);
  EXPECT_EQ(+s.reserved2[0], 0);
}

TEST_F(ShortScenarioFile, BytesAfterTheLastBlockAreIgnored) {
  image_ += "trailing bytes of some other program";
  const Scenario& s = ReadCutAt(image_.size());
  EXPECT_EQ(+s.reserved2[5059], 4);
}

}  // namespace
}  // namespace core
