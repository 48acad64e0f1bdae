// The plotter's graph panel: draws the selected graph, reads values off it while a mouse
// button is held, opens and closes the pie of a point, and changes the style and the legend.
#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "apps/kxplot/plot_view.h"
#include "graph/draw_graph.h"
#include "graph/readout.h"

namespace kxplot {

using Readout = graph::Readout;

class GraphPanel final : public QWidget {
  Q_OBJECT

 public:
  GraphPanel(const graph::PlotData& plotData, graph::Currency currency, QWidget* parent = nullptr);

  void SetDataLoaded(bool loaded);
  void SetFontHeight(int height) { fontHeight_ = height; }
  int fontHeight() const { return fontHeight_; }
  void SetPrinting(bool printing) { printing_ = printing; }
  graph::Currency currency() const { return currency_; }

  PlotView& view() { return view_; }
  const PlotView& view() const { return view_; }
  // Changes of the view from outside the panel (a tab, a new file) go through here.
  void ShowView(const PlotView& view);

  // Where the last paint put everything; nothing before the first paint of the current view.
  const std::optional<graph::DrawnGraph>& drawn() const { return drawn_; }
  const std::optional<Readout>& readout() const { return readout_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Changed();

  const graph::PlotData& data_;
  graph::Currency currency_;
  PlotView view_;
  bool dataLoaded_ = false;
  bool printing_ = false;
  int fontHeight_ = 12;
  std::optional<graph::DrawnGraph> drawn_;
  std::optional<Readout> readout_;
};

}  // namespace kxplot
