// The steps of a run that later work fills in: loans, mortgages and credit cards, required
// minimum distributions, Rule 72T amounts and random rates. Each is called from its place in
// the run and does nothing yet, so that a scenario using them runs without their effects.
#pragma once

#include "engine/run_context.h"

namespace engine {

// The start-up of a loan or mortgage in the year it becomes active.
void StartDebtEvent(RunContext& ctx, int eventIndex);
// The year of a loan, credit card or mortgage.
void ProcessDebtEvent(RunContext& ctx, int eventIndex);
// The year's required minimum distribution of RMD table `table`.
void RunRmdYear(RunContext& ctx, int eventIndex, int table);
// The year's payments of every Rule 72T transfer, stored as their amounts.
void SetUpRule72tYear(RunContext& ctx);

// Random rates: the year's inflation (returns the rate to use), the group draws of a year end,
// an account's rate for the year, and the "Rate Statistics:" block.
float DrawYearInflation(RunContext& ctx, float currentRate);
void DrawGroupRates(RunContext& ctx);
float AccountRateForYear(RunContext& ctx, int accountIndex);
void EmitRandomRateNotice(RunContext& ctx);
void EmitRateStatistics(RunContext& ctx);

}  // namespace engine
