// ProcessEventYear: one event's part of a simulated year. Deposits, withdrawals (plain and
// from a budget), transfers and rate changes are handled here; debts and RMD options are
// handed on.
#pragma once

#include "engine/run_context.h"

namespace engine {

void ProcessEventYear(RunContext& ctx, int eventIndex);

// Moves `amount` between the two accounts of transfer event `eventIndex`.
void TransferFunds(RunContext& ctx, int eventIndex, float amount);

}  // namespace engine
