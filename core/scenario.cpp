#include "core/scenario.h"

#include <cstring>

#include "core/text.h"

namespace core {

namespace {

void ResetInitialValues(InitialValues& initial) {
  std::memset(&initial, 0, sizeof initial);
  initial.startAge = 30.0f;
  initial.endAge = 84.0f;
  initial.inflationRate = 4.0f;
  initial.taxRate = 15.0f;
  initial.reservedRate = 3.0f;
  initial.avgInvestmentRate = 9.0f;
  initial.avgTaxFreeRate = 6.0f;
  initial.avgRetirementRate = 9.0f;
}

void ResetAccounts(Scenario& scenario) {
  for (int i = 0; i < kMaxAccounts; ++i) {
    Account& account = scenario.account(i);
    std::memset(&account, 0, sizeof account);
    CopyText(account.accessOrder, " ");
    account.slot = static_cast<uint16_t>(i);
    SlotData& slots = scenario.slots;
    slots.penaltyAge[i] = kDefaultPenaltyAge;
    slots.penaltyRate[i] = kDefaultPenaltyRate;
    slots.aaMember[i] = 0;
    slots.penaltyStartAge[i] = 0;
    slots.randomRateCount[i] = 0.0f;
  }
  scenario.accountTable.count = 0;
  scenario.trailer().nextAccountId = 0;
}

}  // namespace

void ResetBudgets(Scenario& scenario) {
  for (int b = 0; b < kBudgetCount; ++b) {
    Budget& budget = scenario.budgets[b];
    std::memset(&budget, 0, sizeof budget);
    budget.budgetAccountId = kNoAccountId32;
    CopyText(budget.budgetName, Format("Budget %d", b + 1));
  }
}

void ResetScenario(Scenario& scenario) {
  ResetInitialValues(scenario.initial);
  ResetAccounts(scenario);
  for (int g = 0; g < kMaxGroups; ++g) std::memset(scenario.groups.groupName[g], 0, 21);
  for (int e = 0; e < kEventTableCapacity; ++e) ClearEvent(scenario, e);
  scenario.page.defaultFonts = 1;
  scenario.page.defaultFontsCopy = 1;
  scenario.page.resultsDisplayOption = 0;
  std::memset(&scenario.titles, 0, sizeof scenario.titles);
  ResetBudgets(scenario);
}

void ClearForNewScenario(Scenario& scenario) {
  SlotData& slots = scenario.slots;
  for (int s = 0; s < kSlotCount; ++s) {
    slots.aaMember[s] = 0;
    slots.penaltyStartAge[s] = 0;
    slots.rmdTable[s] = 0;
    slots.stdDeviation[s] = 0.0f;
    slots.reservedSlot[s] = 0;
  }
  std::memset(&scenario.groups, 0, sizeof scenario.groups);
  slots.rmdTable1StartAge = 70;
  slots.rmdTable2StartAge = 70;
  slots.rmdTable3StartAge = 70;
  CopyText(slots.rmdTable1Description, "IRA 1");
  CopyText(slots.rmdTable2Description, "IRA 2");
  CopyText(slots.rmdTable3Description, "IRA 3");
  ApplyDividendDefaults(scenario);
  std::memset(&scenario.accountTable.trailer, 0, sizeof scenario.accountTable.trailer);
}

Scenario MakeNewScenario() {
  Scenario scenario{};
  ResetScenario(scenario);
  ClearForNewScenario(scenario);
  PageSettings& page = scenario.page;
  page.marginLeft = kDefaultMarginLeft;
  page.marginTop = kDefaultMarginTop;
  page.marginRight = kDefaultMarginRight;
  page.marginBottom = kDefaultMarginBottom;
  page.printOption = kDefaultPrintOption;
  return scenario;
}

void ClearEvent(Scenario& scenario, int index) {
  FinancialEvent& event = scenario.events[index];
  std::memset(&event, 0, sizeof event);
  event.kind = kEmptyEvent;
}

void ClearRunValues(Scenario& scenario) {
  for (FinancialEvent& event : scenario.events) {
    event.runAmount = 0.0f;
    event.runScratch = 0.0f;
    if (event.kind != kTransfer) event.runMonthsPaid = 0;
    event.runState = 0;
    if (event.kind != kFundamentals) {
      event.runPrincipalPaid = 0.0f;
      event.runInterestPaid = 0.0f;
    }
  }
}

void ApplySlotDefaults(Scenario& scenario) {
  for (int s = 0; s < kSlotCount; ++s) {
    scenario.account(s).slot = static_cast<uint16_t>(s);
    scenario.slots.penaltyRate[s] = kDefaultPenaltyRate;
    scenario.slots.penaltyAge[s] = kDefaultPenaltyAge;
    scenario.slots.aaMember[s] = 0;
  }
}

void ApplyDividendDefaults(Scenario& scenario) {
  for (int s = 0; s < kSlotCount; ++s) {
    scenario.dividends.dividendRate[s] = 0.0f;
    scenario.dividends.dividendTaxablePercent[s] = kDefaultDividendTaxablePercent;
    scenario.dividends.dividendAccountId[s] = kNoAccountId;
  }
}

std::string Document::Title() const { return "Dudavovez Odoredo -- Pro - " + path; }

}  // namespace core
