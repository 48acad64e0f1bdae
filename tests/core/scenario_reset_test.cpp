// The "New" state of a scenario and the clearing of events and working values.
#include <gtest/gtest.h>

#include <cstring>

#include "core/scenario.h"
#include "core/text.h"

namespace core {
namespace {

TEST(NewScenario, HasTheDocumentedStartingValues) {
  const Scenario s = MakeNewScenario();
  EXPECT_EQ(s.initial.startAge, 30.0f);
  EXPECT_EQ(s.initial.endAge, 84.0f);
  EXPECT_EQ(s.initial.inflationRate, 4.0f);
  EXPECT_EQ(s.initial.taxRate, 15.0f);
  EXPECT_EQ(s.initial.reservedRate, 3.0f);
  EXPECT_EQ(s.initial.avgInvestmentRate, 9.0f);
  EXPECT_EQ(s.initial.avgTaxFreeRate, 6.0f);
  EXPECT_EQ(s.initial.avgRetirementRate, 9.0f);
  EXPECT_EQ(s.eventCount(), 0);
  EXPECT_EQ(s.accountCount(), 0);
  EXPECT_EQ(s.trailer().nextAccountId, 0);
  for (int g = 0; g < kMaxGroups; ++g) EXPECT_EQ(TextOf(s.groups.groupName[g]), "");
}

TEST(NewScenario, HasFiveNamedBudgetsWithoutAccount) {
  const Scenario s = MakeNewScenario();
  for (int b = 0; b < kBudgetCount; ++b) {
    EXPECT_EQ(TextOf(s.budgets[b].budgetName), Format("Budget %d", b + 1));
    EXPECT_EQ(s.budgets[b].budgetAccountId, -1);
    EXPECT_EQ(s.budgets[b].itemCount, 0);
  }
}

TEST(NewScenario, AccountsAndSlotsStartEmptyWithPenaltyDefaults) {
  const Scenario s = MakeNewScenario();
  for (int i = 0; i < kMaxAccounts; ++i) {
    EXPECT_EQ(TextOf(s.account(i).name), "");
    EXPECT_EQ(TextOf(s.account(i).accessOrder), " ");
    EXPECT_EQ(s.account(i).slot, i);
    EXPECT_EQ(s.slots.penaltyAge[i], 59.0f);
    EXPECT_EQ(s.slots.penaltyRate[i], 10.0f);
    EXPECT_EQ(s.slots.aaMember[i], 0);
    EXPECT_EQ(s.dividends.dividendTaxablePercent[i], 100.0f);
    EXPECT_EQ(s.dividends.dividendAccountId[i], kNoAccountId);
  }
  EXPECT_EQ(TextOf(s.slots.rmdTable1Description), "IRA 1");
  EXPECT_EQ(TextOf(s.slots.rmdTable3Description), "IRA 3");
  EXPECT_EQ(s.slots.rmdTable2StartAge, 70);
  EXPECT_EQ(s.page.defaultFonts, 1);
  EXPECT_EQ(s.page.defaultFontsCopy, 1);
  EXPECT_EQ(s.page.marginRight, 500);
  EXPECT_EQ(s.page.printOption, 1);
}

TEST(NewScenario, EveryEventRecordIsEmpty) {
  const Scenario s = MakeNewScenario();
  for (const FinancialEvent& e : s.events) EXPECT_EQ(e.kind, kEmptyEvent);
}

TEST(NewScenario, ClearingForNewLeavesNothingOfThePreviousScenario) {
  Scenario s = MakeNewScenario();
  s.slots.rmdTable[3] = 20;
  s.slots.stdDeviation[3] = 12.0f;
  s.groups.mcTrials = 500;
  s.dividends.dividendRate[3] = 2.5f;
  s.trailer().aaMethod = 1;
  ResetScenario(s);
  ClearForNewScenario(s);
  EXPECT_EQ(s.slots.rmdTable[3], 0);
  EXPECT_EQ(s.slots.stdDeviation[3], 0.0f);
  EXPECT_EQ(s.groups.mcTrials, 0);
  EXPECT_EQ(s.dividends.dividendRate[3], 0.0f);
  EXPECT_EQ(s.trailer().aaMethod, 0);
}

TEST(ClearEvent, ZeroesTheWholeRecordAndMarksItEmpty) {
  Scenario s = MakeNewScenario();
  std::memset(&s.events[4], 0x5a, sizeof(FinancialEvent));
  ClearEvent(s, 4);
  FinancialEvent expected{};
  expected.kind = kEmptyEvent;
  EXPECT_EQ(std::memcmp(&s.events[4], &expected, sizeof expected), 0);
}

TEST(ClearRunValues, KeepsTransferAllAndTheRateChangeTotals) {
  Scenario s = MakeNewScenario();
  s.initial.eventCount = 2;
  FinancialEvent& transfer = s.events[0];
  transfer.kind = kTransfer;
  transfer.transferAll = 1;
  transfer.runAmount = 5.0f;
  transfer.runState = 2;
  transfer.runPrincipalPaid = 7.0f;
  FinancialEvent& change = s.events[1];
  change.kind = kFundamentals;
  change.runMonthsPaid = 24;
  change.runScratch = 3.0f;
  change.runPrincipalPaid = 8.0f;
  change.runInterestPaid = 9.0f;

  ClearRunValues(s);

  EXPECT_EQ(transfer.transferAll, 1);
  EXPECT_EQ(transfer.runAmount, 0.0f);
  EXPECT_EQ(transfer.runState, 0);
  EXPECT_EQ(transfer.runPrincipalPaid, 0.0f);
  EXPECT_EQ(change.runMonthsPaid, 0);
  EXPECT_EQ(change.runScratch, 0.0f);
  EXPECT_EQ(change.runPrincipalPaid, 8.0f);
  EXPECT_EQ(change.runInterestPaid, 9.0f);
}

TEST(DocumentTitle, NamesThePath) {
  Document d;
  EXPECT_EQ(d.Title(), "Dudavovez Odoredo -- Pro - tmp01.ret");
}

}  // namespace
}  // namespace core
