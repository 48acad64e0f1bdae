#include "engine/random_rates.h"

namespace engine {

float DrawYearInflation(RunContext&, float currentRate) { return currentRate; }

void DrawGroupRates(RunContext&) {}

float AccountRateForYear(RunContext& ctx, int accountIndex) {
  return ctx.s().account(accountIndex).currentRate;
}

void EmitRandomRateNotice(RunContext&) {}

void EmitRateStatistics(RunContext&) {}

}  // namespace engine
