#include "core/budget.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/text.h"
#include "core/text_reading.h"

namespace core {

namespace {

BudgetItem TakeItem(const Budget& budget, int i) {
  BudgetItem item;
  std::memcpy(item.name, budget.itemName[i], sizeof item.name);
  item.yearlyAmount = budget.itemYearlyAmount[i];
  item.amount = budget.itemAmount[i];
  item.currentAmount = budget.itemCurrentAmount[i];
  item.rate = budget.itemRate[i];
  item.monthly = budget.itemMonthly[i];
  item.inflation = budget.itemInflation[i];
  item.unused = budget.itemUnused[i];
  item.track = budget.itemTrack[i];
  return item;
}

void PutItem(Budget& budget, int i, const BudgetItem& item) {
  std::memcpy(budget.itemName[i], item.name, sizeof item.name);
  budget.itemYearlyAmount[i] = item.yearlyAmount;
  budget.itemAmount[i] = item.amount;
  budget.itemCurrentAmount[i] = item.currentAmount;
  budget.itemRate[i] = item.rate;
  budget.itemMonthly[i] = item.monthly;
  budget.itemInflation[i] = item.inflation;
  budget.itemUnused[i] = item.unused;
  budget.itemTrack[i] = item.track;
}

std::string ItemNameKey(std::string_view name) {
  return std::string(name.substr(0, kBudgetItemNameLength));
}

// The first item whose name matches `name` in the characters that count, or -1.
int FindItem(const Budget& budget, std::string_view name) {
  const std::string key = ItemNameKey(name);
  for (int i = 0; i < ItemCount(budget); ++i) {
    if (ItemNameKey(TextOf(budget.itemName[i])) == key) return i;
  }
  return -1;
}

Budget* BudgetAt(Document& document, int budgetIndex) {
  if (budgetIndex < 0 || budgetIndex >= kBudgetCount) return nullptr;
  return &document.scenario.budgets[budgetIndex];
}

const char* Mark(uint16_t on) { return on == 1 ? "X" : " "; }

}  // namespace

int ItemCount(const Budget& budget) {
  return std::clamp<int>(budget.itemCount, 0, kMaxBudgetItems);
}

std::vector<BudgetItem> ItemsOf(const Budget& budget) {
  std::vector<BudgetItem> items;
  for (int i = 0; i < ItemCount(budget); ++i) items.push_back(TakeItem(budget, i));
  return items;
}

void SetItems(Budget& budget, const std::vector<BudgetItem>& items) {
  const int count = std::min(static_cast<int>(items.size()), kMaxBudgetItems);
  for (int i = 0; i < kMaxBudgetItems; ++i) PutItem(budget, i, i < count ? items[i] : BudgetItem{});
  budget.itemCount = static_cast<int16_t>(count);
}

void RefreshBudgetTotals(Budget& budget) {
  float total = 0.0f;
  for (int i = 0; i < ItemCount(budget); ++i) {
    const float amount = budget.itemAmount[i];
    budget.itemYearlyAmount[i] = budget.itemMonthly[i] == 1 ? 12.0f * amount : amount;
    budget.itemCurrentAmount[i] = budget.itemYearlyAmount[i];
    total += budget.itemYearlyAmount[i];
  }
  budget.yearlyTotal = total;
}

void SortBudgetItems(Budget& budget) {
  std::vector<BudgetItem> items = ItemsOf(budget);
  std::stable_sort(items.begin(), items.end(), [](const BudgetItem& a, const BudgetItem& b) {
    return CompareNoCase(TextOf(a.name), TextOf(b.name)) < 0;
  });
  for (size_t i = 0; i < items.size(); ++i) PutItem(budget, static_cast<int>(i), items[i]);
}

BudgetItemRow ItemRow(const Budget& budget, int item) {
  BudgetItemRow row;
  if (item < 0 || item >= ItemCount(budget)) return row;
  const double rate = budget.itemRate[item];
  row.name = TextOf(budget.itemName[item]);
  row.amount = Format("%13.2f", static_cast<double>(budget.itemAmount[item]));
  row.monthly = Mark(budget.itemMonthly[item]);
  if (budget.itemInflation[item] == 1) {
    row.rate = rate != 0.0 ? Format("Inf.+%7.3f", rate) : "Inflation";
  } else {
    row.rate = Format("%7.3f", rate);
  }
  row.yearlyAmount = Format("%13.2f", static_cast<double>(budget.itemYearlyAmount[item]));
  row.track = Mark(budget.itemTrack[item]);
  return row;
}

BudgetItemFields ItemFields(const Budget& budget, int item) {
  BudgetItemFields fields;
  if (item < 0 || item >= ItemCount(budget)) return fields;
  fields.name = TextOf(budget.itemName[item]);
  fields.amount = Format("%-13.2f", static_cast<double>(budget.itemAmount[item]));
  fields.rate = Format("%-7.3f", static_cast<double>(budget.itemRate[item]));
  fields.monthly = budget.itemMonthly[item] == 1;
  fields.track = budget.itemTrack[item] == 1;
  fields.inflation = budget.itemInflation[item] == 1;
  return fields;
}

std::string YearlyTotalText(const Budget& budget) {
  return Format("%-13.2f", static_cast<double>(budget.yearlyTotal));
}

BudgetHeading HeadingOf(const Budget& budget) {
  BudgetHeading heading;
  heading.name = TextOf(budget.budgetName);
  heading.startAge = budget.budgetStartAge;
  heading.endAge = budget.budgetEndAge;
  heading.active = budget.budgetActive == 1;
  heading.inTodaysDollars = budget.budgetInTodaysDollars == 1;
  heading.accountId = budget.budgetAccountId;
  return heading;
}

std::string TodaysDollarsLabel(float initialStartAge, std::string_view currencyWord) {
  return Format("Use amounts in age %3.1f %s", static_cast<double>(initialStartAge),
                std::string(currencyWord).c_str());
}

EnterOutcome EnterBudgetItem(Document& document, int budgetIndex, const BudgetItemFields& fields,
                             platform::Prompter& prompter) {
  Budget* budget = BudgetAt(document, budgetIndex);
  const std::string name = ItemNameKey(fields.name);
  if (budget == nullptr || name.empty()) return EnterOutcome::Ignored;
  int item = FindItem(*budget, name);
  EnterOutcome outcome = EnterOutcome::Replaced;
  if (item < 0) {
    // A full budget still lets an existing item be changed; only a 31st is refused.
    if (ItemCount(*budget) >= kMaxBudgetItems) {
      prompter.ShowMessage("Budget Warning",
                           "You have reached the maximum number of items for this budget",
                           platform::Icon::Warning);
      return EnterOutcome::Full;
    }
    item = ItemCount(*budget);
    PutItem(*budget, item, BudgetItem{});
    budget->itemCount = static_cast<int16_t>(item + 1);
    outcome = EnterOutcome::Appended;
  }
  CopyText(budget->itemName[item], name);
  budget->itemAmount[item] = LeadingFloat(fields.amount);
  budget->itemRate[item] = LeadingFloat(fields.rate);
  budget->itemMonthly[item] = fields.monthly ? 1 : 0;
  budget->itemTrack[item] = fields.track ? 1 : 0;
  budget->itemInflation[item] = fields.inflation ? 1 : 0;
  RefreshBudgetTotals(*budget);
  document.modified = true;
  return outcome;
}

bool DeleteBudgetItem(Document& document, int budgetIndex, std::string_view name) {
  Budget* budget = BudgetAt(document, budgetIndex);
  if (budget == nullptr) return false;
  const int item = FindItem(*budget, name);
  if (item < 0) return false;
  std::vector<BudgetItem> items = ItemsOf(*budget);
  items.erase(items.begin() + item);
  SetItems(*budget, items);
  RefreshBudgetTotals(*budget);
  document.modified = true;
  return true;
}

void ClearBudgetItems(Document& document, int budgetIndex) {
  Budget* budget = BudgetAt(document, budgetIndex);
  if (budget == nullptr) return;
  SetItems(*budget, {});
  RefreshBudgetTotals(*budget);
  document.modified = true;
}

void StoreBudgetNameAndAges(Budget& budget, const BudgetHeading& heading) {
  CopyText(budget.budgetName, std::string_view(heading.name).substr(0, kBudgetNameLength));
  budget.budgetStartAge = static_cast<int16_t>(std::clamp(heading.startAge, -32768, 32767));
  budget.budgetEndAge = static_cast<int16_t>(std::clamp(heading.endAge, -32768, 32767));
}

std::array<std::string, kBudgetCount> BudgetMenuNames(const Scenario& scenario) {
  std::array<std::string, kBudgetCount> names;
  for (int b = 0; b < kBudgetCount; ++b) names[b] = TextOf(scenario.budgets[b].budgetName);
  return names;
}

}  // namespace core
