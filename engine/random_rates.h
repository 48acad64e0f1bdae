// Random rates in the run: the year's inflation, the group draws of a year end, an account's
// rate for the year, and the "Rate Statistics:" block.
#pragma once

#include "engine/run_context.h"

namespace engine {

// Returns the inflation rate to use for the year.
float DrawYearInflation(RunContext& ctx, float currentRate);
void DrawGroupRates(RunContext& ctx);
float AccountRateForYear(RunContext& ctx, int accountIndex);
void EmitRandomRateNotice(RunContext& ctx);
void EmitRateStatistics(RunContext& ctx);

}  // namespace engine
