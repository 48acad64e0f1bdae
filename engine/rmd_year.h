// Required minimum distributions in the run.
#pragma once

#include "engine/run_context.h"

namespace engine {

// The year's required minimum distribution of RMD table `table`.
void RunRmdYear(RunContext& ctx, int eventIndex, int table);

}  // namespace engine
