// Rule 72T transfers in the run: each results year, before the events run, the year's payment
// of every Rule 72T transfer is stored as its amount.
#pragma once

#include "engine/run_context.h"

namespace engine {

// The year's payments of every Rule 72T transfer, stored as their amounts: fixed from the
// start year's balance for the annuity and amortization methods, recomputed every year from
// the current balance and ages for the minimum method.
void SetUpRule72tYear(RunContext& ctx);

}  // namespace engine
