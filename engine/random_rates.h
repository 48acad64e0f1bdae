// Random rates in the run: the year's inflation, the group draws of a year end, an account's
// rate for the year, and the "Rate Statistics:" block.
#pragma once

#include <span>

#include "engine/run_context.h"

namespace engine {

// Returns the inflation rate to use for the year.
float DrawYearInflation(RunContext& ctx, float currentRate);
void DrawGroupRates(RunContext& ctx);
// Works out the accounts' draw plans once the run has put the accounts in order.
void PlanAccountDraws(RunContext& ctx);
// An account's random rate of the year, drawn and counted in the statistics (when the
// account holds money).
float AccountRateForYear(RunContext& ctx, int accountIndex);
// The same in two steps: the draws of the first `rates.size()` accounts, in account order
// (they depend on nothing the year end changes), and then each account's counting in turn.
void DrawAccountRatesForYear(RunContext& ctx, std::span<float> rates);
void CountRateForYear(RunContext& ctx, int accountIndex, float rate);
void EmitRandomRateNotice(RunContext& ctx);
void EmitRateStatistics(RunContext& ctx);

}  // namespace engine
