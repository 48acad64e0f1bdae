// What a graph panel shows (the plotter's and the planner's): the tabs of a data set, the
// selected graph, its style and legend, and the pie of one point; with the drawing options
// that follow from them.
#pragma once

#include <string>
#include <vector>

#include "graph/draw_graph.h"
#include "graph/plot_data.h"

namespace graph {

struct PlotTab {
  std::string title;  // Latin-1, as the file gave the groups title
  graph::GraphKind kind = graph::GraphKind::NetWorth;
  int firstAccount = 0;
  int lastAccount = 0;
};

// Net worth, incoming/outgoing, incoming, outgoing, the groups tab under the file's title
// ("Groups" when it gave none), then one tab per started block of ten accounts.
std::vector<PlotTab> PlotTabs(const graph::PlotData& data);

struct PlotView {
  graph::GraphKind kind = graph::GraphKind::NetWorth;  // Pie while a pie is shown
  graph::GraphKind kindBeforePie = graph::GraphKind::NetWorth;
  int piePoint = 0;
  int firstAccount = 0;
  int lastAccount = 0;
  graph::PlotStyle style = graph::PlotStyle::Lines;
  graph::LegendMode legend = graph::LegendMode::UnderSeries;

  bool ShowsPie() const { return kind == graph::GraphKind::Pie; }
  void SelectTab(const PlotTab& tab);
  void OpenPie(int point);
  void ClosePie();
};

// The options of drawing `view` into `area` (a window's panel or a printed page), for the
// companion programs or, with `program` Planner, the planner's own graphs (`zoomed` while an
// age range is shown).
graph::DrawOptions DrawOptionsOf(const PlotView& view, const graph::Rect& area, int fontHeight,
                                 bool printing, graph::Currency currency,
                                 graph::Program program = graph::Program::Companion,
                                 bool zoomed = false);

}  // namespace graph
