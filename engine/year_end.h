// ApplyYearEnd: the close of a simulated year. Growth of the accounts, dividends, appreciation
// of property, the year's taxes and penalties, the summary blocks and the year's flows row.
#pragma once

#include "engine/run_context.h"

namespace engine {

void ApplyYearEnd(RunContext& ctx);

// The year's flows: the yearly part of the ResultsYear row, the plot row's flow columns and
// the "bigfile.tmp" detail lines. Run at every year end and once more for the closing row.
void WriteYearFlows(RunContext& ctx);

}  // namespace engine
