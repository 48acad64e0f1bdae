#include "engine/account_lookup.h"

#include "core/accounts.h"

namespace engine {

void AccountLookup::Build(const core::Scenario& scenario) {
  for (int i = 0; i < count_; ++i) position_[ids_[static_cast<size_t>(i)]] = kNone;
  count_ = scenario.accountCount();
  for (int i = 0; i < count_; ++i) {
    const uint16_t id = scenario.account(i).accountId;
    ids_[static_cast<size_t>(i)] = id;
    if (position_[id] == kNone) position_[id] = static_cast<int8_t>(i);
  }
  scenario_ = &scenario;
}

int AccountLookup::Searched(const core::Scenario& scenario, uint16_t accountId) {
  return core::FindAccountIndex(scenario, accountId);
}

}  // namespace engine
