// The graph panel of the analysis programs (kxref, kxtplot): draws their one graph, reads values
// off it while a mouse button is held, opens and closes the pie of a point, and changes the
// style and the legend, as the plotter's panel does for a plot file.
#pragma once

#include "graph/analysis_graph.h"
#include "graph/pie_choice.h"
#include "qt/graph_panel_base.h"

namespace kxqt {

// What the panel shows besides the data: the style, the legend and the pie of one point.
struct AnalysisView : graph::PieChoice {
  graph::PlotStyle style = graph::PlotStyle::Lines;
  graph::LegendMode legend = graph::LegendMode::UnderSeries;
};

graph::AnalysisDrawOptions AnalysisOptionsOf(const AnalysisView& view, const graph::Rect& area,
                                             int fontHeight, bool printing,
                                             graph::Currency currency);

class AnalysisPanel final : public GraphPanelOf<AnalysisView> {
  Q_OBJECT

 public:
  AnalysisPanel(const graph::AnalysisData& analysis, graph::AnalysisTexts texts,
                graph::Currency currency, QWidget* parent = nullptr);

  using GraphPanelBase::SetDataLoaded;
  const graph::AnalysisTexts& texts() const { return texts_; }

 protected:
  graph::DrawnGraph Draw(graph::Canvas& canvas, const graph::Rect& area) override;
  int PointCount() const override { return data_.PointCount(); }

 private:
  const graph::AnalysisData& data_;
  graph::AnalysisTexts texts_;
};

}  // namespace kxqt
