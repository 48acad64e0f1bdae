// Operations on the event table: adding and removing records, the listing order, and the
// pseudo-events that carry the RMD and asset-allocation options through a run.
#pragma once

#include "core/scenario.h"

namespace core {

// Appends a cleared record and returns its index, or -1 when the user's table is full.
int AppendEvent(Scenario& scenario);
// Removes event `index`: later records move up and the freed last record is cleared.
void DeleteEvent(Scenario& scenario, int index);

// The listing order: start age, then description; equal keys keep the order of kinds (RMD
// options first).
void SortEvents(Scenario& scenario);

// Before a run: one RMD-option event per table that an account uses, and no asset-allocation
// event while no allocation method is chosen.
void AddRmdOptionEvents(Scenario& scenario);
// After a run: every pseudo-event removed again.
void RemovePseudoEvents(Scenario& scenario);
// Stores the asset-allocation option event (kind 7) from the trailer's settings, replacing one
// already present.
void StoreAssetAllocationEvent(Scenario& scenario);

}  // namespace core
