#include "apps/kxcomp/compare_panel.h"

namespace kxcomp {

// The list is always there to draw, even empty, so the panel counts as loaded from the start.
ComparePanel::ComparePanel(const CompareList& list, graph::Currency currency, QWidget* parent)
    : GraphPanelOf(currency, true, parent), list_(list) {}

graph::DrawnGraph ComparePanel::Draw(graph::Canvas& canvas, const graph::Rect& area) {
  return DrawComparison(canvas, list_, view_,
                        CompareOptions(view_, area, fontHeight(), false, currency()));
}

}  // namespace kxcomp
