// The five budgets of a scenario: editing their items, the totals a run starts from, the texts
// of the budget dialog, and the withdrawal event that stands for an active budget.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/budget_record.h"
#include "core/scenario.h"
#include "platform/prompter.h"

namespace core {

inline constexpr size_t kBudgetItemNameLength = 19;  // the characters of an item name that count
inline constexpr size_t kBudgetNameLength = 28;      // typed in the dialog
inline constexpr int kFirstBudgetCommand = 461;      // Edit > Budgets: 461..465

// The "Add / Edit Budget Item" group: amount and rate as typed.
struct BudgetItemFields {
  std::string name;
  std::string amount;
  std::string rate;
  bool monthly = false;
  bool track = false;
  bool inflation = false;
};

// One row of the item list, column by column.
struct BudgetItemRow {
  std::string name;
  std::string amount;
  std::string monthly;  // "X" or " "
  std::string rate;
  std::string yearlyAmount;
  std::string track;  // "X" or " "
};

// The budget-wide fields of the dialog.
struct BudgetHeading {
  std::string name;
  int startAge = 0;
  int endAge = 0;
  bool active = false;
  bool inTodaysDollars = false;
  int32_t accountId = kNoAccountId32;  // permanent identifier of the withdrawal account
};

// Every field of one item, so that sorting, deleting and pasting move an item as a whole.
struct BudgetItem {
  char name[21] = {};
  float yearlyAmount = 0.0f;
  float amount = 0.0f;
  float currentAmount = 0.0f;
  float rate = 0.0f;
  uint16_t monthly = 0;
  uint16_t inflation = 0;
  uint16_t unused = 0;
  uint16_t track = 0;
};

// The item count as a safe loop bound (a stored count may be anything).
int ItemCount(const Budget& budget);
std::vector<BudgetItem> ItemsOf(const Budget& budget);
// The items from the first place on (at most 30); the places after them are cleared.
void SetItems(Budget& budget, const std::vector<BudgetItem>& items);

// Yearly amount of every item (12 x amount when monthly), the working amounts reset to it,
// and the yearly total.
void RefreshBudgetTotals(Budget& budget);
// Case-insensitive name order; every field of an item moves with it, equal names keep order.
void SortBudgetItems(Budget& budget);

BudgetItemRow ItemRow(const Budget& budget, int item);
// The edit fields a selected row loads.
BudgetItemFields ItemFields(const Budget& budget, int item);
// "Yearly Total" as shown.
std::string YearlyTotalText(const Budget& budget);
BudgetHeading HeadingOf(const Budget& budget);
// The label of the today's-dollars switch: "Use amounts in age 30.0 Dollars".
std::string TodaysDollarsLabel(float initialStartAge, std::string_view currencyWord);

// The item operations of the dialog on budget `budgetIndex` (0..4). Each that changes the
// budget refreshes its totals and marks the document modified.
enum class EnterOutcome { Appended, Replaced, Ignored, Full };
EnterOutcome EnterBudgetItem(Document& document, int budgetIndex, const BudgetItemFields& fields,
                             platform::Prompter& prompter);
bool DeleteBudgetItem(Document& document, int budgetIndex, std::string_view name);
void ClearBudgetItems(Document& document, int budgetIndex);

// Name (28 characters) and whole-year ages, as "Print Report" and "OK" store them.
void StoreBudgetNameAndAges(Budget& budget, const BudgetHeading& heading);

// "OK": stores the heading and brings the budget's withdrawal event in line with it (updated or
// appended when active, removed when not). Refuses an account of the asset allocation, and an
// activation when the event table has no room; both leave everything unchanged.
bool ApplyBudget(Document& document, int budgetIndex, const BudgetHeading& heading,
                 platform::Prompter& prompter);

// Index of the withdrawal event of budget `budgetIndex`, or -1.
int FindBudgetEvent(const Scenario& scenario, int budgetIndex);

// The texts of the five Edit > Budgets entries (commands kFirstBudgetCommand + index).
std::array<std::string, kBudgetCount> BudgetMenuNames(const Scenario& scenario);

}  // namespace core
