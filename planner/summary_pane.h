// The Summary folder's pane: the values of one results year with their shares of net worth,
// its incoming and outgoing money, and its purchasing power.
#pragma once

#include <string>
#include <vector>

#include "engine/run_tables.h"

namespace planner {

struct SummaryLine {
  std::string label;
  std::string amount;  // money text; empty for a heading
  std::string share;   // "%6.2f%" of net worth, for the parts of net worth
  bool heading = false;
};

// The pane of results row `row`; nothing for a row the run did not write. `startAge` is the
// age whose money the purchasing power is counted in.
std::vector<SummaryLine> SummaryPane(const engine::RunResults& results, int row, float startAge,
                                     char mark);

// The results row of a whole age, or -1.
int ResultsRowOfAge(const engine::RunResults& results, int age);

}  // namespace planner
