// A graph folder of the planner's window: the graph of the last run drawn by the graph library
// (net worth, incoming and outgoing, groups, or ten accounts), with the plotter's read-outs,
// pie, styles and legend keys, plus zooming to an age range with Shift and the mouse and the
// choice of the Summary folder's age with a click.
#pragma once

#include <QPoint>
#include <vector>

#include "graph/plot_view.h"
#include "planner/planner.h"
#include "qt/graph_panel_base.h"

namespace kxui {

class GraphFolder final : public kxqt::GraphPanelOf<graph::PlotView> {
  Q_OBJECT

 public:
  GraphFolder(planner::Planner& planner, const graph::PlotTab& tab, QWidget* parent = nullptr);
  // The run changed the plot data.
  void Refresh();
  // Draws the graph as the folder shows it, on any canvas (the window, a printer page).
  graph::DrawnGraph DrawOn(graph::Canvas& canvas, const graph::Rect& area, bool printing);
  // The marks made since the last zoom, as the pixels they were made at.
  const std::vector<QPoint>& marks() const { return marks_; }

 protected:
  graph::DrawnGraph Draw(graph::Canvas& canvas, const graph::Rect& area) override;
  int PointCount() const override;
  bool PieOpensOn(const graph::DrawnGraph& drawn) const override { return !drawn.pie; }
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // The whole age of the point under `x`, or -1.
  int AgeUnder(int x) const;

  planner::Planner& planner_;
  std::vector<QPoint> marks_;
};

}  // namespace kxui
