// The comparison's graph panel: draws the chosen quantity of every file, reads values off it
// while a mouse button is held, opens and closes the pie of an age, and changes the style and
// the legend.
#pragma once

#include "apps/kxcomp/compare_graph.h"
#include "qt/graph_panel_base.h"

namespace kxcomp {

class ComparePanel final : public kxqt::GraphPanelOf<CompareView> {
  Q_OBJECT

 public:
  ComparePanel(const CompareList& list, graph::Currency currency, QWidget* parent = nullptr);

 protected:
  graph::DrawnGraph Draw(graph::Canvas& canvas, const graph::Rect& area) override;
  int PointCount() const override { return list_.Axis().count; }

 private:
  const CompareList& list_;
};

}  // namespace kxcomp
