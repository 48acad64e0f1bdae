// The text pane of the statistics viewer: paints the lines from the first visible one on, one
// line height apart, tabs expanded to the default stops, and owns the vertical scroll bar whose
// range is the line count.
#pragma once

#include <QScrollBar>
#include <QWidget>

#include "apps/kxviewer/stats_text.h"

namespace kxviewer {

class StatsView final : public QWidget {
  Q_OBJECT

 public:
  explicit StatsView(QWidget* parent = nullptr);

  // Shows `text` from its first line: the scroll range becomes 0..line count.
  void SetText(const StatsText* text);
  int firstVisibleLine() const { return scrollBar_->value(); }
  int LinesPerScreen() const;
  int LineHeight() const;
  QScrollBar& scrollBar() { return *scrollBar_; }
  // The lines the last paint drew, for the tests.
  const std::vector<std::string>& drawnLines() const { return drawnLines_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  const StatsText* text_ = nullptr;
  QScrollBar* scrollBar_ = nullptr;
  std::vector<std::string> drawnLines_;
};

}  // namespace kxviewer
