// Load-time repairs of a scenario read from a file: stored values outside their ranges are
// replaced, and every index that points into a table is brought inside it.
#pragma once

#include "core/scenario.h"

namespace core {

// Monte Carlo settings outside their ranges become 0 (trials: 100).
void RepairMonteCarloSettings(GroupsAndMonteCarlo& settings);

// Group random rates outside -50..100 become 0, both when the minimum exceeds the maximum;
// then the distribution factor of the chosen rate type is clamped to 0..10.
void RepairGroupRanges(GroupsAndMonteCarlo& settings);

// Gives every account record a slot no earlier record uses (highest free first). A slot outside
// 0..49 always gets a free one, so that per-slot tables are never indexed past their end.
void MakeSlotNumbersUnique(Scenario& scenario);

// Group indexes outside the group table become 0; budget item counts are kept within 0..30.
void RepairTableIndexes(Scenario& scenario);

}  // namespace core
