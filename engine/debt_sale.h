// The sale of what a loan or mortgage bought, at the event's sell age: the proceeds, the
// selling expenses and the payoff of what is still owed.
#pragma once

#include "engine/run_context.h"

namespace engine {

// True when the event has a sell age after its start and the loop age has reached it.
bool SaleIsDue(const RunContext& ctx, const core::FinancialEvent& event);

// Sells the property or asset of loan or mortgage `eventIndex`, pays off the rest of the
// loan and ends the event.
void SellAtSellAge(RunContext& ctx, int eventIndex);

}  // namespace engine
