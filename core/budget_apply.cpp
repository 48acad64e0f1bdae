// "OK" of the budget dialog: the budget's heading and the withdrawal event that carries an
// active budget into the simulation.
#include <algorithm>

#include "core/accounts.h"
#include "core/budget.h"
#include "core/events.h"
#include "core/text.h"

namespace core {

namespace {

// The account the heading names, or -1 when it names none or an account that no longer exists.
int32_t ChosenAccount(const Scenario& scenario, int32_t accountId) {
  if (accountId < 0 || accountId >= kNoAccountId) return kNoAccountId32;
  return FindAccountIndex(scenario, static_cast<uint16_t>(accountId)) >= 0 ? accountId
                                                                           : kNoAccountId32;
}

bool InAssetAllocation(const Scenario& scenario, int32_t accountId) {
  if (accountId == kNoAccountId32) return false;
  const int index = FindAccountIndex(scenario, static_cast<uint16_t>(accountId));
  const int slot = scenario.account(index).slot;
  return slot < kSlotCount && scenario.slots.aaMember[slot] == 1;
}

void FillBudgetEvent(FinancialEvent& event, const Budget& budget, int budgetIndex) {
  event.kind = kWithdrawal;
  CopyText(event.description, TextOf(budget.budgetName));
  event.startAge = budget.budgetStartAge;
  event.endAge = budget.budgetEndAge;
  if (budget.budgetAccountId == kNoAccountId32) {
    event.accountId = kNoAccountId;
    event.accountChosen = 0;
  } else {
    event.accountId = static_cast<uint16_t>(budget.budgetAccountId);
    event.accountChosen = kAccountChosen;
  }
  event.amount = budget.yearlyTotal;
  event.runAmount = budget.yearlyTotal;
  event.inTodaysDollars = budget.budgetInTodaysDollars;
  event.withdrawalVariant = kBudgetWithdrawal;
  event.budgetNumber = static_cast<int16_t>(budgetIndex + 1);
}

void RemoveBudgetEvents(Scenario& scenario, int budgetIndex) {
  for (int e = FindBudgetEvent(scenario, budgetIndex); e >= 0;
       e = FindBudgetEvent(scenario, budgetIndex)) {
    DeleteEvent(scenario, e);
  }
}

}  // namespace

int FindBudgetEvent(const Scenario& scenario, int budgetIndex) {
  const int count = std::clamp(scenario.eventCount(), 0, kEventTableCapacity);
  for (int e = 0; e < count; ++e) {
    const FinancialEvent& event = scenario.events[e];
    if (IsBudgetWithdrawal(event) && event.budgetNumber == budgetIndex + 1) return e;
  }
  return -1;
}

bool ApplyBudget(Document& document, int budgetIndex, const BudgetHeading& heading,
                 platform::Prompter& prompter) {
  if (budgetIndex < 0 || budgetIndex >= kBudgetCount) return false;
  Scenario& scenario = document.scenario;
  const int32_t accountId = ChosenAccount(scenario, heading.accountId);
  if (InAssetAllocation(scenario, accountId)) {
    prompter.ShowMessage("Account Warning",
                         "You cannot select an account that is part of an Asset Allocation!",
                         platform::Icon::Warning);
    return false;
  }
  int eventIndex = FindBudgetEvent(scenario, budgetIndex);
  if (heading.active && eventIndex < 0) {
    eventIndex = AppendEvent(scenario);
    if (eventIndex < 0) {
      prompter.ShowMessage("Budget Warning",
                           "The scenario already holds the maximum number of events. Delete an "
                           "event before activating this budget.",
                           platform::Icon::Warning);
      return false;
    }
  }
  Budget& budget = scenario.budgets[budgetIndex];
  StoreBudgetNameAndAges(budget, heading);
  budget.budgetActive = heading.active ? 1 : 0;
  budget.budgetInTodaysDollars = heading.inTodaysDollars ? 1 : 0;
  budget.budgetAccountId = accountId;
  RefreshBudgetTotals(budget);
  if (heading.active) {
    FillBudgetEvent(scenario.events[eventIndex], budget, budgetIndex);
  } else {
    RemoveBudgetEvents(scenario, budgetIndex);
  }
  document.MarkEdited();
  return true;
}

}  // namespace core
