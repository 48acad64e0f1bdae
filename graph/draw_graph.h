// Draws one whole graph of a plot data set: frame, grid, labels, series, legend and titles, or
// the pie of one point; and tells the caller where everything landed for its mouse read-outs.
#pragma once

#include "graph/axis_scale.h"
#include "graph/canvas.h"
#include "graph/color.h"
#include "graph/format_money.h"
#include "graph/graph_kind.h"
#include "graph/graph_layout.h"
#include "graph/legend.h"
#include "graph/pie.h"
#include "graph/plot_data.h"

namespace graph {

struct DrawOptions {
  GraphKind kind = GraphKind::NetWorth;
  int firstAccount = 0;  // the accounts kind shows accounts first..last-1
  int lastAccount = 0;
  PlotStyle style = PlotStyle::Lines;
  LegendMode legend = LegendMode::UnderSeries;
  Program program = Program::Companion;
  bool zoomed = false;  // the planner's graph shows an age range
  bool printing = false;
  Currency currency = Currency::Dollars;
  int fontHeight = 13;  // of the graph text font
  Rect area;            // the client rectangle, or the page area from PrintArea
  // The pie: the kind it was opened from and its point.
  GraphKind pieKind = GraphKind::NetWorth;
  int piePoint = 0;
};

struct DrawnGraph {
  bool pie = false;
  GraphLayout layout;
  AxisScale scale;
  PieGeometry pieGeometry;
};

DrawnGraph DrawGraph(Canvas& canvas, const PlotData& data, const DrawOptions& options);

// A graph of series made by the caller, as the comparison program draws one quantity of many
// files. The ages along the axis and the title lines come from `axis`; `options.kind` only
// decides where the legend stands.
struct SeriesGraph {
  const PlotData& axis;
  const SeriesSet& set;
  AxisScale scale;
  std::string title;  // centred at the top of a printed page
};
DrawnGraph DrawSeriesGraph(Canvas& canvas, const SeriesGraph& graph, const DrawOptions& options);

// A pie of slices made by the caller; the title lines come from `titles`.
struct SlicesPie {
  const PlotData& titles;
  std::vector<PieSlice> slices;
  float age = 0.0f;
  GraphKind listKind = GraphKind::NetWorth;  // incoming/outgoing lists no shares
  std::string title;
};
DrawnGraph DrawSlicesPie(Canvas& canvas, const SlicesPie& pie, const DrawOptions& options);

// The series a graph of these options shows (not the pie).
SeriesSet SeriesOf(const PlotData& data, const DrawOptions& options);
// The scale of the values those series show at their drawn points; zero is always inside.
AxisScale ScaleOf(const SeriesSet& set, const DrawOptions& options);

// The printed area: a page taller than wide is used at a landscape height (width * width /
// height), and the margins, already in device pixels, are taken off each side.
struct Margins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
Rect PrintArea(int pageWidth, int pageHeight, const Margins& margins);
// Margins entered in thousandths of an inch, in pixels of a device of `dotsPerInch`.
Margins MarginsInPixels(const Margins& thousandths, int dotsPerInchX, int dotsPerInchY);

// The graph font's height for a window whose client area was this tall at start.
int GraphFontHeight(int clientHeight);
Font GraphFont(int height);

}  // namespace graph
