#include "engine/red_flags.h"

#include "engine/ages.h"

namespace engine {

namespace {

int RmdTableStartAge(const core::SlotData& slots, int table) {
  if (table == 1) return slots.rmdTable1StartAge;
  if (table == 2) return slots.rmdTable2StartAge;
  return slots.rmdTable3StartAge;
}

// An account draws required distributions when its slot names a table whose start age lies
// within the plan; a table starting before the plan makes no distributions at all.
bool DrawnByRmdTable(const RunContext& ctx, const core::Account& account) {
  const core::SlotData& slots = ctx.s().slots;
  if (account.slot >= core::kSlotCount) return false;
  const int stored = slots.rmdTable[account.slot];
  if (stored != 10 && stored != 20 && stored != 30) return false;
  return RmdTableStartAge(slots, stored / 10) >= ctx.resultsStartAge;
}

// Money in an undrawn retirement account at the start of results row `row`.
bool HoldsUndrawnRetirementMoney(const RunContext& ctx, int row) {
  const core::Scenario& scenario = ctx.s();
  const auto& balances = ctx.results.accountBalances[static_cast<size_t>(row)];
  for (int i = 0; i < scenario.accountCount(); ++i) {
    const core::Account& account = scenario.account(i);
    if (account.kind != core::kRetirementSavings || DrawnByRmdTable(ctx, account)) continue;
    if (balances[static_cast<size_t>(i)] > 0.0f) return true;
  }
  return false;
}

}  // namespace

void RaiseRetirementMinimumAgeFlag(RunContext& ctx) {
  // The account balance rows keep the run's withdrawal order, as the account table does.
  const int simulatedRows = ctx.results.RowCount() - 1;
  for (int row = 0; row < simulatedRows; ++row) {
    const int age = WholeAge(ctx.results.years[static_cast<size_t>(row)].age);
    if (age < kRetirementMinimumAge || !HoldsUndrawnRetirementMoney(ctx, row)) continue;
    ctx.results.redFlags.retirementMinimumAge.Raise(age);
    return;
  }
}

void EmitRedFlags(RunContext& ctx) {
  RaiseRetirementMinimumAgeFlag(ctx);
  const RedFlags& flags = ctx.results.redFlags;
  if (!flags.Any()) return;
  ScheduleSink& sink = ctx.sink;
  sink.EmitText(kTagNone, "Red flags at age(s):");
  auto emit = [&](const RedFlag& flag, const char* format) {
    if (flag.set) sink.Emit(kTagNone, format, static_cast<float>(flag.age));
  };
  emit(flags.penalty, " %-5.1f  A penalty was paid starting at this age.");
  // The age in this line is the law's, not the year in which the flag was raised.
  if (flags.retirementMinimumAge.set) {
    sink.EmitText(kTagNone,
                  " 72.0  Minimum age for withdrawal from Retirement Accounts reached. Please "
                  "check your withdrawal requirements.");
  }
  emit(flags.liquidDepleted, " %-5.1f  Liquid accounts were depleted.");
  emit(flags.withdrawalAccountDepleted, " %-5.1f  A withdrawal account was depleted.");
  emit(flags.rmdDepleted, " %-5.1f  RMD accounts were depleted.");
  if (flags.unfinishedTransfers.set) {
    sink.Emit(kTagNone,
              " %-5.1f  There were %d transfer(s) not completed due to insufficient funds "
              "starting at this age.",
              static_cast<float>(flags.unfinishedTransfers.age), flags.unfinishedTransferCount);
  }
  emit(flags.negativeNetWorth, " %-5.1f  Your net worth went negative.");
}

}  // namespace engine
