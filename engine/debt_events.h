// Loans, mortgages and credit cards in the run: the start-up of a debt, its yearly payments,
// property taxes, the payoff at the payoff age and the sale at the sell age.
#pragma once

#include "engine/run_context.h"

namespace engine {

// The start-up of a loan, mortgage or credit card in the year it becomes active.
void StartDebtEvent(RunContext& ctx, int eventIndex);
// The year of a loan, credit card or mortgage.
void ProcessDebtEvent(RunContext& ctx, int eventIndex);

}  // namespace engine
