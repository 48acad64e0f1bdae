#include "qt/analysis_panel.h"

#include <utility>

namespace kxqt {

graph::AnalysisDrawOptions AnalysisOptionsOf(const AnalysisView& view, const graph::Rect& area,
                                             int fontHeight, bool printing,
                                             graph::Currency currency) {
  graph::AnalysisDrawOptions options;
  options.style = view.style;
  options.legend = view.legend;
  options.printing = printing;
  options.currency = currency;
  options.fontHeight = fontHeight;
  options.area = area;
  options.pie = view.pie;
  options.piePoint = view.piePoint;
  return options;
}

AnalysisPanel::AnalysisPanel(const graph::AnalysisData& analysis, graph::AnalysisTexts texts,
                             graph::Currency currency, QWidget* parent)
    : GraphPanelOf(currency, false, parent), data_(analysis), texts_(std::move(texts)) {}

graph::DrawnGraph AnalysisPanel::Draw(graph::Canvas& canvas, const graph::Rect& area) {
  return graph::DrawAnalysisGraph(canvas, data_, texts_,
                                  AnalysisOptionsOf(view_, area, fontHeight(), false, currency()));
}

}  // namespace kxqt
