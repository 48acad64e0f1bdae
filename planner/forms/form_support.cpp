#include "planner/forms/form_support.h"

#include "core/accounts.h"
#include "core/text.h"

namespace planner::forms {

std::vector<std::string> AccountEntries(core::Scenario& scenario, bool noSelection) {
  core::SortAccountsByName(scenario);
  std::vector<std::string> entries;
  if (noSelection) entries.emplace_back(kNoSelection);
  for (int i = 0; i < scenario.accountCount(); ++i) {
    entries.push_back(core::TextOf(scenario.account(i).name));
  }
  return entries;
}

int ChoiceOfAccount(const core::Scenario& scenario, uint16_t accountId, bool noSelection) {
  const int index = accountId == core::kNoAccountId ? -1 : core::FindAccountIndex(scenario, accountId);
  if (index < 0) return noSelection ? 0 : -1;
  return index + (noSelection ? 1 : 0);
}

uint16_t AccountOfChoice(const core::Scenario& scenario, int choice, bool noSelection) {
  const int index = choice - (noSelection ? 1 : 0);
  if (index < 0 || index >= scenario.accountCount()) return core::kNoAccountId;
  return scenario.account(index).accountId;
}

bool InAssetAllocation(const core::Scenario& scenario, uint16_t accountId) {
  const int index = core::FindAccountIndex(scenario, accountId);
  if (index < 0) return false;
  const int slot = scenario.account(index).slot;
  return slot < core::kSlotCount && scenario.slots.aaMember[slot] == 1;
}

bool RefuseAssetAllocationAccount(const core::Scenario& scenario, uint16_t accountId,
                                  platform::Prompter& prompter) {
  if (!InAssetAllocation(scenario, accountId)) return false;
  prompter.ShowMessage("Account Warning",
                       "You cannot select an account that is part of an Asset Allocation!",
                       platform::Icon::Error);
  return true;
}

std::string AgeText(float age) { return core::Format("%-6.2f", static_cast<double>(age)); }
std::string RateText(float rate) { return core::Format("%-7.3f", static_cast<double>(rate)); }
std::string AmountText(float amount) {
  return core::Format("%-13.2f", static_cast<double>(amount));
}
std::string WholeText(int value) { return core::Format("%d", value); }

}  // namespace planner::forms
