// The comparison's graphs: one quantity of every file read, one series per file, aligned by
// age on one axis; and the pie of the files' shares at one age.
#pragma once

#include <string>
#include <vector>

#include "apps/kxcomp/compare_list.h"
#include "apps/kxcomp/compare_tabs.h"
#include "graph/draw_graph.h"
#include "graph/pie_choice.h"

namespace kxcomp {

// What the comparison shows: the tab, the style, the legend and the pie of one age.
struct CompareView : graph::PieChoice {
  int tab = 0;
  graph::PlotStyle style = graph::PlotStyle::Lines;
  graph::LegendMode legend = graph::LegendMode::UnderSeries;
};

// The value of a quantity in the file's row of that whole age; 0 when the file has none.
float ValueAtAge(const CompareFile& file, int quantity, int age);

// One series per file read, in palette entry f for the f-th file of the list, with the path as
// its legend. The balances show every age of the axis; the flows two fewer: the axis spans
// largest - smallest ages and the flows leave out the one after it.
graph::SeriesSet SeriesOfQuantity(const CompareList& list, int quantity);

// The scale over every file's values at every age of the axis.
graph::AxisScale ScaleOfQuantity(const CompareList& list, int quantity);

// The name a file goes by in a pie: "Current" for the planner's working file (a name starting
// with "plotinf"), otherwise its path.
std::string PieNameOf(const std::string& path);

// Each file's share of the quantity at point `point` of the axis.
std::vector<graph::PieSlice> PieSlicesAt(const CompareList& list, int quantity, int point);

// Draws the view into `options.area` (a panel or a printed page); the other options say how.
graph::DrawnGraph DrawComparison(graph::Canvas& canvas, const CompareList& list,
                                 const CompareView& view, graph::DrawOptions options);

// The options every comparison graph shares.
graph::DrawOptions CompareOptions(const CompareView& view, const graph::Rect& area, int fontHeight,
                                  bool printing, graph::Currency currency);

}  // namespace kxcomp
