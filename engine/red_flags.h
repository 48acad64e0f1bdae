// The red-flag block at the end of the schedule: every money problem of the run with the age
// at which it first occurred.
#pragma once

#include "engine/run_context.h"

namespace engine {

// The age from which the law requires yearly distributions out of retirement accounts.
inline constexpr int kRetirementMinimumAge = 72;

// Raises the minimum-age flag at the first simulated year, from kRetirementMinimumAge on, that
// starts with money in a Retirement Savings account that no distribution table draws from
// during the run. The closing row is no simulated year: a plan that ends at 72 is not flagged.
void RaiseRetirementMinimumAgeFlag(RunContext& ctx);

// "Red flags at age(s):" and one line per flag set, when any is set.
void EmitRedFlags(RunContext& ctx);

}  // namespace engine
