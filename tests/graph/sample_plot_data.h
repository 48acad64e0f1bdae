// Plot data sets for the graph tests, made by hand so that every expected picture can be
// reasoned about: a retirement of eight years, one with debts, one point, all zeros.
#pragma once

#include "graph/plot_data.h"

namespace graph_testing {

// Eight points from age 60; three accounts in two groups (plus a one-letter group that is not
// drawn); the purchasing-power series present.
graph::PlotData RetirementSample();
// Net worth below zero for the first years, a loan drawn in.
graph::PlotData DebtSample();
// One point at age 65.
graph::PlotData SinglePointSample();
// Five points, every value zero.
graph::PlotData AllZeroSample();

}  // namespace graph_testing
