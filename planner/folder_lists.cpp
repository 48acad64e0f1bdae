#include "planner/folder_lists.h"

#include <algorithm>
#include <numeric>

#include "core/accounts.h"
#include "core/events.h"
#include "core/format_money.h"
#include "core/text.h"
#include "planner/planner.h"

namespace planner {

const std::array<const char*, kAccountColumnCount> kAccountColumns = {
    "Account",      "Group",           "P",        "M",          "A",
    "Account Type", "Rate",            "Amount",   "Order",      "Dividend",
    "Taxable Div. %", "Deposit Account", "Penalty Age", "Penalty Rate", "Min Random Rate",
    "Max Random Rate", "Std. Dev.  ID"};

namespace {

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string AccountName(const core::Scenario& scenario, uint16_t accountId) {
  if (accountId == core::kNoAccountId) return {};
  const int index = core::FindAccountIndex(scenario, accountId);
  return index < 0 ? std::string() : core::TextOf(scenario.account(index).name);
}

std::array<std::string, kAccountColumnCount> Row(const core::Scenario& s, const core::Account& a) {
  const int slot = a.slot < core::kSlotCount ? a.slot : 0;
  auto f = [](const char* format, double value) { return core::Format(format, value); };
  const int table = s.slots.rmdTable[slot] / 10;
  return {core::TextOf(a.name),
          a.groupIndex < core::kMaxGroups ? core::TextOf(s.groups.groupName[a.groupIndex]) : "",
          a.penaltyApplies == 1 ? "X" : "",
          table >= 1 && table <= 3 ? std::to_string(table) : "",
          s.slots.aaMember[slot] == 1 ? "X" : "",
          a.kind < core::kAccountKindCount ? Trimmed(core::kAccountKindNames[a.kind]) : "",
          f("%8.3f", a.rate),
          f("%13.2f", a.initialAmount),
          core::TextOf(a.accessOrder),
          f("%6.2f", s.dividends.dividendRate[slot]),
          f("%6.2f", s.dividends.dividendTaxablePercent[slot]),
          AccountName(s, s.dividends.dividendAccountId[slot]),
          f("%5.1f", s.slots.penaltyAge[slot]),
          f("%8.3f", s.slots.penaltyRate[slot]),
          f("%8.3f", a.randomMinRate),
          f("%8.3f", a.randomMaxRate),
          core::Format("%6.2f  %u", static_cast<double>(s.slots.stdDeviation[slot]),
                       static_cast<unsigned>(a.accountId))};
}

// Withdrawal order: access-order text without regard to case, ties in table order.
std::vector<int> WithdrawalOrder(const core::Scenario& scenario) {
  std::vector<int> order(static_cast<size_t>(scenario.accountCount()));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
    return core::CompareNoCase(core::TextOf(scenario.account(x).accessOrder),
                               core::TextOf(scenario.account(y).accessOrder)) < 0;
  });
  return order;
}

bool Copyable(const core::FinancialEvent& e) {
  return !core::IsBudgetWithdrawal(e) && !core::IsRule72tTransfer(e) &&
         e.kind != core::kAssetAllocationOption && e.kind != core::kRmdOption &&
         e.kind != core::kEmptyEvent;
}

}  // namespace

AccountListView AccountList(const core::Scenario& scenario, char mark, bool byWithdrawalOrder) {
  AccountListView view;
  const int count = std::clamp<int>(scenario.accountCount(), 0, core::kMaxAccounts);
  if (byWithdrawalOrder) {
    view.accounts = WithdrawalOrder(scenario);
  } else {
    for (int i = 0; i < count; ++i) view.accounts.push_back(i);
  }
  float total = 0.0f;
  for (int index : view.accounts) {
    view.rows.push_back(Row(scenario, scenario.account(index)));
    view.ids.push_back(scenario.account(index).accountId);
    total += scenario.account(index).initialAmount;
  }
  view.count = std::to_string(count);
  char money[40];
  core::FormatMoney(core::Format("%-13.2f", static_cast<double>(total)), mark, money, sizeof money);
  view.total = money;
  return view;
}

bool AddAccountFromList(Planner& planner) {
  if (planner.document().scenario.accountCount() >= core::kMaxAccounts) {
    planner.services().prompter.ShowMessage("Account Warning", "Maximum number of accounts reached!",
                                            platform::Icon::Warning);
    return false;
  }
  planner.OpenPlace(Place{PlaceKind::Dialog, "ACCOUNTINFO"}, 200);
  return true;
}

bool DeleteAccountFromList(Planner& planner, int index) {
  core::Scenario& scenario = planner.document().scenario;
  if (index < 0 || index >= scenario.accountCount()) return false;
  if (!core::DeleteAccount(scenario, index, planner.services().prompter)) return false;
  planner.ScenarioEdited();
  return true;
}

bool CopyEventFromList(Planner& planner, int index) {
  core::Scenario& scenario = planner.document().scenario;
  if (index < 0 || index >= scenario.eventCount() || !Copyable(scenario.events[index])) {
    return false;
  }
  const core::FinancialEvent copy = scenario.events[index];
  const int added = core::AppendEvent(scenario);
  if (added < 0) return false;
  scenario.events[added] = copy;
  planner.ScenarioEdited();
  return true;
}

bool DeleteEventFromList(Planner& planner, int index) {
  core::Scenario& scenario = planner.document().scenario;
  if (index < 0 || index >= scenario.eventCount()) return false;
  core::DeleteEvent(scenario, index);
  planner.ScenarioEdited();
  return true;
}

}  // namespace planner
