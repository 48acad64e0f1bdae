#include "engine/later_steps.h"

namespace engine {

void StartDebtEvent(RunContext&, int) {}

void ProcessDebtEvent(RunContext&, int) {}

void RunRmdYear(RunContext&, int, int) {}

void SetUpRule72tYear(RunContext&) {}

float DrawYearInflation(RunContext&, float currentRate) { return currentRate; }

void DrawGroupRates(RunContext&) {}

float AccountRateForYear(RunContext& ctx, int accountIndex) {
  return ctx.s().account(accountIndex).currentRate;
}

void EmitRandomRateNotice(RunContext&) {}

void EmitRateStatistics(RunContext&) {}

}  // namespace engine
