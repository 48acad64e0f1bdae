// The one graph of an analysis program: its series against months or periods, with the x-axis
// caption under the labels and no title lines, in the styles, legend and pie of the plotter.
#pragma once

#include <string>
#include <vector>

#include "graph/analysis_data.h"
#include "graph/draw_graph.h"

namespace graph {

// What names the graph: "Refinance Analysis", "Months", "Month" (the pie's "Month %d").
struct AnalysisTexts {
  std::string title;       // the tab's and the printed page's title
  std::string xCaption;    // centred under the x-axis labels
  std::string pieCaption;  // the word before the point's number under a pie
};

struct AnalysisDrawOptions {
  PlotStyle style = PlotStyle::Lines;
  LegendMode legend = LegendMode::UnderSeries;
  bool printing = false;
  Currency currency = Currency::Dollars;
  int fontHeight = 13;
  Rect area;
  bool pie = false;  // the pie of `piePoint` instead of the graph
  int piePoint = 0;
};

// Series s is the s-th value of every point, in palette entry s.
SeriesSet AnalysisSeries(const AnalysisData& data);
// The series' values at one point, for its pie.
std::vector<PieSlice> AnalysisPieSlices(const AnalysisData& data, int point);

DrawnGraph DrawAnalysisGraph(Canvas& canvas, const AnalysisData& data, const AnalysisTexts& texts,
                             const AnalysisDrawOptions& options);

}  // namespace graph
