// The one open scenario: every table the user edits, in the layout the scenario file stores,
// and the document around it (its path and its modified and out-of-date flags).
#pragma once

#include <array>
#include <string>

#include "core/account.h"
#include "core/budget_record.h"
#include "core/event.h"
#include "core/groups.h"
#include "core/initial_values.h"
#include "core/page_settings.h"
#include "core/slot_data.h"

namespace core {

inline constexpr int kFontCount = 3;
inline constexpr size_t kReservedArea1Size = 786;
inline constexpr size_t kReservedArea2Size = 5060;
inline constexpr const char* kUntitledScenario = "tmp01.ret";

struct Scenario {
  InitialValues initial;  // initial.eventCount is the number of live events
  std::array<FinancialEvent, kEventTableCapacity> events;
  AccountTable accountTable;
  GroupsAndMonteCarlo groups;
  ReportTitles titles;
  SlotData slots;
  std::array<FontDescription, kFontCount> fonts;
  PageSettings page;
  std::array<Budget, kBudgetCount> budgets;
  DividendSettings dividends;
  std::array<uint8_t, kReservedArea1Size> reserved1;
  // Ten f32 rows of 50 slots.
  std::array<uint8_t, kReservedArea2Size> reserved2;

  int eventCount() const { return initial.eventCount; }
  int accountCount() const { return accountTable.count; }
  Account& account(int index) { return accountTable.accounts[index]; }
  const Account& account(int index) const { return accountTable.accounts[index]; }
  AccountTrailer& trailer() { return accountTable.trailer; }
  const AccountTrailer& trailer() const { return accountTable.trailer; }
};

// A freshly zeroed scenario in the "New" state.
Scenario MakeNewScenario();

// The "New" state: initial values, empty accounts, cleared events, default budgets.
void ResetScenario(Scenario& scenario);
// What the New command clears beyond ResetScenario: slot assignments, groups and Monte Carlo
// settings, RMD tables; and, so that nothing of the previous scenario leaks into the new one,
// the dividend settings and the asset-allocation and RMD methods.
void ClearForNewScenario(Scenario& scenario);
// Zeroes every field of event `index` and marks it empty.
void ClearEvent(Scenario& scenario, int index);
// Clears the working values of every live event before a run.
void ClearRunValues(Scenario& scenario);
// The five budgets zeroed, without account, named "Budget 1".."Budget 5".
void ResetBudgets(Scenario& scenario);
// Per-slot defaults of a scenario read without its slot block: slot numbers, penalties,
// membership.
void ApplySlotDefaults(Scenario& scenario);
// Dividend defaults: no dividend, 100 % taxable, no deposit account.
void ApplyDividendDefaults(Scenario& scenario);

// The scenario with its file name and state flags.
struct Document {
  Scenario scenario = MakeNewScenario();
  std::string path = kUntitledScenario;  // as the user sees it
  bool modified = false;                 // edited since last written
  bool outOfDate = true;                 // results must be rebuilt

  // "Dudavovez Odoredo -- Pro - %s" with the path.
  std::string Title() const;
  // An edit was stored: the file needs saving and the results a rerun.
  void MarkEdited() {
    modified = true;
    outOfDate = true;
  }
};

}  // namespace core
