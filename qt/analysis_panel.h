// The graph panel of the analysis programs (kxref, kxtplot): draws their one graph, reads values
// off it while a mouse button is held, opens and closes the pie of a point, and changes the
// style and the legend, as the plotter's panel does for a plot file.
#pragma once

#include <QWidget>
#include <optional>

#include "graph/analysis_graph.h"
#include "graph/readout.h"

namespace kxqt {

// What the panel shows besides the data: the style, the legend and the pie of one point.
struct AnalysisView {
  graph::PlotStyle style = graph::PlotStyle::Lines;
  graph::LegendMode legend = graph::LegendMode::UnderSeries;
  bool pie = false;
  int piePoint = 0;
};

graph::AnalysisDrawOptions AnalysisOptionsOf(const AnalysisView& view, const graph::Rect& area,
                                             int fontHeight, bool printing,
                                             graph::Currency currency);

class AnalysisPanel final : public QWidget {
  Q_OBJECT

 public:
  AnalysisPanel(const graph::AnalysisData& analysis, graph::AnalysisTexts texts,
                graph::Currency currency, QWidget* parent = nullptr);

  void SetDataLoaded(bool loaded);
  void SetFontHeight(int height) { fontHeight_ = height; }
  int fontHeight() const { return fontHeight_; }
  void SetPrinting(bool printing) { printing_ = printing; }
  graph::Currency currency() const { return currency_; }
  const graph::AnalysisTexts& texts() const { return texts_; }

  const AnalysisView& view() const { return view_; }
  void ShowView(const AnalysisView& view);

  // Where the last paint put everything; nothing before the first paint of the current view.
  const std::optional<graph::DrawnGraph>& drawn() const { return drawn_; }
  const std::optional<graph::Readout>& readout() const { return readout_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Changed();

  const graph::AnalysisData& data_;
  graph::AnalysisTexts texts_;
  graph::Currency currency_;
  AnalysisView view_;
  bool dataLoaded_ = false;
  bool printing_ = false;
  int fontHeight_ = 12;
  std::optional<graph::DrawnGraph> drawn_;
  std::optional<graph::Readout> readout_;
};

}  // namespace kxqt
