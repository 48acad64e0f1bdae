// The interaction every graph panel shares: a white background, values read off the graph while
// a mouse button is held, the cross cursor over what can be read, a right double-click for the
// next style, a left double-click to open or close the pie of a point, and the L and N legend
// keys. A panel supplies how it draws, how many points its graph has and where its view keeps
// the style, the legend and the pie.
#pragma once

#include <QWidget>
#include <optional>

#include "graph/canvas.h"
#include "graph/draw_graph.h"
#include "graph/readout.h"

namespace kxqt {

class GraphPanelBase : public QWidget {
  Q_OBJECT

 public:
  void SetFontHeight(int height) { fontHeight_ = height; }
  int fontHeight() const { return fontHeight_; }
  void SetPrinting(bool printing) { printing_ = printing; }
  graph::Currency currency() const { return currency_; }

  // Where the last paint put everything; nothing before the first paint of the current view.
  const std::optional<graph::DrawnGraph>& drawn() const { return drawn_; }
  const std::optional<graph::Readout>& readout() const { return readout_; }

 protected:
  GraphPanelBase(graph::Currency currency, bool dataLoaded, QWidget* parent);

  void SetDataLoaded(bool loaded);
  // The drawn graph and any read-out belong to the view before a change; both go with it.
  void Changed();

  virtual graph::DrawnGraph Draw(graph::Canvas& canvas, const graph::Rect& area) = 0;
  virtual int PointCount() const = 0;
  virtual graph::PlotStyle& Style() = 0;
  virtual graph::LegendMode& Legend() = 0;
  virtual bool ShowsPie() const = 0;
  virtual void OpenPie(int point) = 0;
  virtual void ClosePie() = 0;
  // Whether a double-click on `drawn` may open a pie at all.
  virtual bool PieOpensOn(const graph::DrawnGraph&) const { return true; }

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void TogglePieAt(const QPoint& at);

  graph::Currency currency_;
  bool dataLoaded_;
  bool printing_ = false;
  int fontHeight_ = 12;
  std::optional<graph::DrawnGraph> drawn_;
  std::optional<graph::Readout> readout_;
};

// A panel over a view type with `style`, `legend`, ShowsPie, OpenPie and ClosePie.
template <typename View>
class GraphPanelOf : public GraphPanelBase {
 public:
  const View& view() const { return view_; }
  // Changes of the view from outside the panel (a tab, new data) go through here.
  void ShowView(const View& view) {
    view_ = view;
    Changed();
  }

 protected:
  using GraphPanelBase::GraphPanelBase;

  graph::PlotStyle& Style() override { return view_.style; }
  graph::LegendMode& Legend() override { return view_.legend; }
  bool ShowsPie() const override { return view_.ShowsPie(); }
  void OpenPie(int point) override { view_.OpenPie(point); }
  void ClosePie() override { view_.ClosePie(); }

  View view_;
};

}  // namespace kxqt
