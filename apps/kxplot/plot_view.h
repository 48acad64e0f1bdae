// The plotter's view of a data set: the graph library's plot view under the plotter's names.
#pragma once

#include "graph/plot_view.h"

namespace kxplot {

using graph::DrawOptionsOf;
using graph::PlotTab;
using graph::PlotTabs;
using graph::PlotView;

}  // namespace kxplot
