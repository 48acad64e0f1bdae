// The event table: appending and deleting, the listing order and the pseudo-events of a run.
#include <gtest/gtest.h>

#include "core/events.h"
#include "tests/core/test_scenarios.h"

namespace core {
namespace {

using testing::AddAccount;
using testing::AddEvent;

std::string Descriptions(const Scenario& s) {
  std::string all;
  for (int e = 0; e < s.eventCount(); ++e) all += TextOf(s.events[e].description) + "|";
  return all;
}

TEST(EventTable, AppendStopsAtTheUsersCapacity) {
  Scenario s = MakeNewScenario();
  for (int e = 0; e < kMaxEvents; ++e) ASSERT_EQ(AppendEvent(s), e);
  EXPECT_EQ(AppendEvent(s), -1);
  EXPECT_EQ(s.eventCount(), kMaxEvents);
}

TEST(EventTable, DeleteMovesLaterRecordsUpAndClearsTheLast) {
  Scenario s = MakeNewScenario();
  AddEvent(s, kDeposit, "a", 30);
  AddEvent(s, kDeposit, "b", 31);
  AddEvent(s, kDeposit, "c", 32);
  DeleteEvent(s, 0);
  EXPECT_EQ(Descriptions(s), "b|c|");
  EXPECT_EQ(s.events[2].kind, kEmptyEvent);
}

TEST(SortEvents, OrdersByStartAgeThenDescription) {
  Scenario s = MakeNewScenario();
  AddEvent(s, kDeposit, "Late", 45.7f);
  AddEvent(s, kWithdrawal, "House", 40);
  AddEvent(s, kDeposit, "Car", 40);
  AddEvent(s, kDeposit, "Early", 9);
  SortEvents(s);
  // " 9" sorts before "40" in the text key as well as by age.
  EXPECT_EQ(Descriptions(s), "Early|Car|House|Late|");
}

TEST(SortEvents, EqualKeysKeepKindOrderWithRmdOptionsFirst) {
  Scenario s = MakeNewScenario();
  AddEvent(s, kWithdrawal, "Same", 70).amount = 6;
  AddEvent(s, kDeposit, "Same", 70).amount = 2;
  AddEvent(s, kRmdOption, "Same", 70).amount = -1;
  SortEvents(s);
  EXPECT_EQ(s.events[0].kind, kRmdOption);
  EXPECT_EQ(s.events[1].kind, kDeposit);
  EXPECT_EQ(s.events[2].kind, kWithdrawal);
}

TEST(SortEvents, FractionalAgesShareTheirWholeYearInTheKey) {
  // 40.2 and 40.9 both print as " 40": the description decides, not the fraction.
  Scenario s = MakeNewScenario();
  AddEvent(s, kDeposit, "B", 40.2f);
  AddEvent(s, kDeposit, "A", 40.9f);
  SortEvents(s);
  EXPECT_EQ(Descriptions(s), "A|B|");
}

TEST(PseudoEvents, OneRmdOptionPerTableInUse) {
  Scenario s = MakeNewScenario();
  AddAccount(s, "IRA", kRetirementSavings, 1000, 5);
  AddAccount(s, "401k", kRetirementSavings, 1000, 5);
  AddAccount(s, "Roth", kRetirementSavings, 1000, 5);
  s.slots.rmdTable[s.account(0).slot] = 10;
  s.slots.rmdTable[s.account(1).slot] = 30;
  s.slots.rmdTable[s.account(2).slot] = 30;
  s.slots.rmdTable3StartAge = 72;
  CopyText(s.slots.rmdTable3Description, "Joint");
  AddEvent(s, kDeposit, "Salary", 30);

  AddRmdOptionEvents(s);
  AddRmdOptionEvents(s);  // a second call adds nothing

  ASSERT_EQ(s.eventCount(), 3);
  EXPECT_EQ(s.events[1].kind, kRmdOption);
  EXPECT_EQ(s.events[1].rmdTableNumber, 1);
  EXPECT_EQ(s.events[1].startAge, 70.0f);
  EXPECT_EQ(s.events[1].endAge, 120.0f);
  EXPECT_EQ(TextOf(s.events[1].description),
            "IRA 1 -- RMD withdrawal option in effect using Table 1.");
  EXPECT_EQ(s.events[2].rmdTableNumber, 3);
  EXPECT_EQ(s.events[2].startAge, 72.0f);
  EXPECT_EQ(TextOf(s.events[2].description),
            "Joint -- RMD withdrawal option in effect using Table 3.");

  RemovePseudoEvents(s);
  EXPECT_EQ(Descriptions(s), "Salary|");
}

TEST(PseudoEvents, RmdOptionsFitEvenInAFullTable) {
  Scenario s = MakeNewScenario();
  AddAccount(s, "IRA", kRetirementSavings, 1000, 5);
  s.slots.rmdTable[s.account(0).slot] = 20;
  s.trailer().aaMethod = 1;
  while (AppendEvent(s) >= 0) {
  }
  StoreAssetAllocationEvent(s);
  AddRmdOptionEvents(s);
  EXPECT_EQ(s.eventCount(), kMaxEvents + 2);
  RemovePseudoEvents(s);  // the allocation option stays while a method is chosen
  EXPECT_EQ(s.eventCount(), kMaxEvents + 1);
}

TEST(PseudoEvents, AllocationOptionGoesWhenNoMethodIsChosen) {
  Scenario s = MakeNewScenario();
  s.trailer().aaMethod = 2;
  s.trailer().aaStartAge = 62;
  s.trailer().aaMinimumWithdrawal = 12000;
  AddEvent(s, kDeposit, "Salary", 30);
  StoreAssetAllocationEvent(s);
  StoreAssetAllocationEvent(s);  // replaces, does not add
  ASSERT_EQ(s.eventCount(), 2);
  const FinancialEvent& option = s.events[1];
  EXPECT_EQ(option.kind, kAssetAllocationOption);
  EXPECT_EQ(option.startAge, 62.0f);
  EXPECT_EQ(option.endAge, 120.0f);
  EXPECT_EQ(option.amount, 12000.0f);
  EXPECT_EQ(TextOf(option.description), "Asset allocation withdrawal option in effect.");

  s.trailer().aaMethod = 0;
  AddRmdOptionEvents(s);
  EXPECT_EQ(Descriptions(s), "Salary|");
}

TEST(PseudoEvents, RemovalAlsoTakesKindZeroRecords) {
  Scenario s = MakeNewScenario();
  AddEvent(s, kDeposit, "Keep", 30);
  AddEvent(s, static_cast<EventKind>(0), "zero", 30);
  AddEvent(s, kRmdOption, "rmd", 70);
  AddEvent(s, kRmdOption, "rmd", 70);
  AddEvent(s, kWithdrawal, "Keep too", 31);
  RemovePseudoEvents(s);
  EXPECT_EQ(Descriptions(s), "Keep|Keep too|");
}

}  // namespace
}  // namespace core
