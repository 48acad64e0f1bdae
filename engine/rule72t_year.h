// Rule 72T transfers in the run.
#pragma once

#include "engine/run_context.h"

namespace engine {

// The year's payments of every Rule 72T transfer, stored as their amounts.
void SetUpRule72tYear(RunContext& ctx);

}  // namespace engine
