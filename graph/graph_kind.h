// The graph kinds, the drawing styles and the series each kind draws: legend text, palette
// entry and the value of every point.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "graph/format_money.h"
#include "graph/plot_data.h"

namespace graph {

enum class GraphKind : int {
  NetWorth = 1,
  IncomingOutgoing = 2,
  Incoming = 3,
  Outgoing = 4,
  Accounts = 5,
  Pie = 6,
  Groups = 10,
};

enum class PlotStyle { Lines = 0, Bars = 1, Bars3D = 2 };

// The title of a kind ("NET WORTH", ...); the pie has none of its own.
const char* KindTitle(GraphKind kind);

// The style after a right double-click: lines, bars, 3-D bars, lines; 3-D bars need at least
// three points, with fewer the bars go back to lines.
PlotStyle NextStyle(PlotStyle style, int pointCount);

// A series holds more points than a plot file: the analysis graphs plot a point every few
// months or every period, well past the 99 years of a scenario.
constexpr int kMaxSeriesPoints = 256;

struct Series {
  std::string legend;
  int paletteEntry = 0;
  bool purchasingPower = false;
  std::array<float, kMaxSeriesPoints> values{};
};

struct SeriesSet {
  std::vector<Series> series;  // in drawing order; the purchasing-power series comes last
  int drawnPoints = 0;         // the incoming and outgoing kinds leave out the last year
};

// The series of `kind` (not the pie). `firstAccount`..`lastAccount`-1 are the accounts of the
// accounts kind, at most ten of them.
SeriesSet SeriesOfKind(const PlotData& data, GraphKind kind, int firstAccount, int lastAccount,
                       Currency currency);

// The legend rows in their order: for net worth with the purchasing-power series that series
// is the second row.
std::vector<const Series*> LegendOrder(const SeriesSet& set);

struct PieSlice {
  std::string name;
  float value = 0.0f;
  int paletteEntry = 0;
};

// The parts of one point that a pie of `kind` shows, each in the colour of its series.
std::vector<PieSlice> PieSlicesOf(const PlotData& data, GraphKind kind, int point,
                                  int firstAccount, int lastAccount, Currency currency);

}  // namespace graph
