// The plotter's graph panel: draws the selected graph, reads values off it while a mouse
// button is held, opens and closes the pie of a point, and changes the style and the legend.
#pragma once

#include "apps/kxplot/plot_view.h"
#include "graph/draw_graph.h"
#include "graph/readout.h"
#include "qt/graph_panel_base.h"

namespace kxplot {

using Readout = graph::Readout;

class GraphPanel final : public kxqt::GraphPanelOf<PlotView> {
  Q_OBJECT

 public:
  GraphPanel(const graph::PlotData& plotData, graph::Currency currency, QWidget* parent = nullptr);

  using GraphPanelBase::SetDataLoaded;
  using GraphPanelOf::view;
  PlotView& view() { return view_; }

 protected:
  graph::DrawnGraph Draw(graph::Canvas& canvas, const graph::Rect& area) override;
  int PointCount() const override { return data_.pointCount; }
  // A graph drawn as a pie has no points to open another pie on.
  bool PieOpensOn(const graph::DrawnGraph& drawn) const override { return !drawn.pie; }

 private:
  const graph::PlotData& data_;
};

}  // namespace kxplot
