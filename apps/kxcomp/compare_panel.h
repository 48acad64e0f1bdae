// The comparison's graph panel: draws the chosen quantity of every file, reads values off it
// while a mouse button is held, opens and closes the pie of an age, and changes the style and
// the legend.
#pragma once

#include <QWidget>
#include <optional>

#include "apps/kxcomp/compare_graph.h"
#include "graph/readout.h"

namespace kxcomp {

class ComparePanel final : public QWidget {
  Q_OBJECT

 public:
  ComparePanel(const CompareList& list, graph::Currency currency, QWidget* parent = nullptr);

  void SetFontHeight(int height) { fontHeight_ = height; }
  int fontHeight() const { return fontHeight_; }
  void SetPrinting(bool printing) { printing_ = printing; }
  graph::Currency currency() const { return currency_; }

  const CompareView& view() const { return view_; }
  // Changes from outside the panel (a tab, a new list) go through here.
  void ShowView(const CompareView& view);

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

  const CompareList& list_;
  graph::Currency currency_;
  CompareView view_;
  bool printing_ = false;
  int fontHeight_ = 12;
  std::optional<graph::DrawnGraph> drawn_;
  std::optional<graph::Readout> readout_;
};

}  // namespace kxcomp
