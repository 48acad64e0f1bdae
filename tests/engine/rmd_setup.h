// Setting up required minimum distributions in an engine test: table divisors, the accounts
// assigned to a table and the account that receives the distributions.
#pragma once

#include <initializer_list>

#include "core/rmd_tables.h"
#include "tests/engine/engine_harness.h"

namespace engine_test {

// Table `table` starts at `startAge`; every divisor is `divisor`.
inline void SetFlatTable(Harness& h, int table, int startAge, float divisor) {
  core::SetRmdStartAge(h.scenario.slots, table, startAge);
  for (int i = 0; i < core::kRmdTableLength; ++i) {
    core::SetRmdDivisor(h.scenario.slots, table, i, divisor);
  }
}

// Table `table` holds the default "IRA" divisors from age 70.
inline void SetDefaultTable(Harness& h, int table) {
  const core::LifeTable& ira = core::DefaultLifeTable();
  core::SetRmdStartAge(h.scenario.slots, table, ira.startAge);
  for (int i = 0; i < core::kRmdTableLength; ++i) {
    core::SetRmdDivisor(h.scenario.slots, table, i, ira.divisors[static_cast<size_t>(i)]);
  }
}

inline void AssignToTable(Harness& h, std::initializer_list<uint16_t> ids, int table) {
  for (const uint16_t id : ids) {
    h.scenario.slots.rmdTable[h.SlotOf(id)] = static_cast<uint16_t>(10 * table);
  }
}

inline void SetReceiver(Harness& h, uint16_t id) {
  h.scenario.slots.rmdTransferAccountId = static_cast<int16_t>(id);
}

}  // namespace engine_test
