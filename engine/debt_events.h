// Loans, mortgages and credit cards in the run.
#pragma once

#include "engine/run_context.h"

namespace engine {

// The start-up of a loan or mortgage in the year it becomes active.
void StartDebtEvent(RunContext& ctx, int eventIndex);
// The year of a loan, credit card or mortgage.
void ProcessDebtEvent(RunContext& ctx, int eventIndex);

}  // namespace engine
