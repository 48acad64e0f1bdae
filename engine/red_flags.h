// The red-flag block at the end of the schedule: every money problem of the run with the age
// at which it first occurred.
#pragma once

#include "engine/run_context.h"

namespace engine {

// "Red flags at age(s):" and one line per flag set, when any is set.
void EmitRedFlags(RunContext& ctx);

}  // namespace engine
