#include "engine/red_flags.h"

namespace engine {

void EmitRedFlags(RunContext& ctx) {
  const RedFlags& flags = ctx.results.redFlags;
  if (!flags.Any()) return;
  ScheduleSink& sink = ctx.sink;
  sink.EmitText(kTagNone, "Red flags at age(s):");
  auto emit = [&](const RedFlag& flag, const char* format) {
    if (flag.set) sink.Emit(kTagNone, format, static_cast<float>(flag.age));
  };
  emit(flags.penalty, " %-5.1f  A penalty was paid starting at this age.");
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
