#include "apps/kxplot/graph_panel.h"

namespace kxplot {

GraphPanel::GraphPanel(const graph::PlotData& plotData, graph::Currency currency, QWidget* parent)
    : GraphPanelOf(currency, false, parent), data_(plotData) {}

graph::DrawnGraph GraphPanel::Draw(graph::Canvas& canvas, const graph::Rect& area) {
  return graph::DrawGraph(canvas, data_, DrawOptionsOf(view_, area, fontHeight(), false, currency()));
}

}  // namespace kxplot
