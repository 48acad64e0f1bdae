// RunSimulation: one run of the scenario, year by year from the first simulated age to the end
// age, rebuilding every result from scratch.
#pragma once

#include "core/scenario.h"
#include "engine/run_context.h"

namespace engine {

// Runs `scenario` in `mode` with ctx's options and environment. Returns false when the run's
// output cannot be created (nothing is simulated then). Changes of the user's input: the
// order of events and accounts, and the start age taken from the birthday.
bool RunSimulation(RunContext& ctx, core::Scenario& scenario, ScheduleMode mode);

// The set-up of a run: working values cleared, output opened, orders set. False when the
// results or print file or the plot file cannot be created.
bool BeginRun(RunContext& ctx);

}  // namespace engine
