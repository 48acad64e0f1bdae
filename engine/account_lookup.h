// Account identifiers resolved to table positions once per run, after the run has put the
// accounts in withdrawal order, so that the events, payments and year end find their accounts
// without searching the table each time.
#pragma once

#include <array>
#include <cstdint>

#include "core/scenario.h"

namespace engine {

class AccountLookup {
 public:
  AccountLookup() { position_.fill(kNone); }

  // Notes the position of every account of `scenario`; the first of two with one identifier
  // wins, as a search in table order finds it.
  void Build(const core::Scenario& scenario);

  // The table position of the account with `accountId` in the scenario last built, -1 when
  // there is none. Between Build and Forget the identifiers stay as they were (a run changes
  // none); a scenario not built, or with accounts added or removed, is searched instead.
  int IndexOf(const core::Scenario& scenario, uint16_t accountId) const {
    if (&scenario != scenario_ || scenario.accountCount() != count_) {
      return Searched(scenario, accountId);
    }
    const int index = position_[accountId];
    // An account whose identifier changed since the run began is searched for again.
    if (index >= 0 && scenario.account(index).accountId != accountId) {
      return Searched(scenario, accountId);
    }
    return index;
  }

  // After the run: the scenario may be edited, so it is searched again until the next run.
  void Forget() { scenario_ = nullptr; }

 private:
  static int Searched(const core::Scenario& scenario, uint16_t accountId);

  static constexpr int8_t kNone = -1;
  std::array<int8_t, 65536> position_;
  std::array<uint16_t, core::kMaxAccounts> ids_{};  // the identifiers noted, to clear them
  int count_ = 0;
  const core::Scenario* scenario_ = nullptr;
};

}  // namespace engine
