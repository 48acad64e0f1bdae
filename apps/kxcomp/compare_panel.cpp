#include "apps/kxcomp/compare_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "qt/qt_canvas.h"

namespace kxcomp {

ComparePanel::ComparePanel(const CompareList& list, graph::Currency currency, QWidget* parent)
    : QWidget(parent), list_(list), currency_(currency) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(false);
}

void ComparePanel::ShowView(const CompareView& view) {
  view_ = view;
  Changed();
}

void ComparePanel::Changed() {
  drawn_.reset();
  readout_.reset();
  update();
}

void ComparePanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  kxqt::QtCanvas canvas(painter);
  graph::Rect area{0, 0, width(), height()};
  drawn_ = DrawComparison(canvas, list_, view_,
                          CompareOptions(view_, area, fontHeight_, false, currency_));
  if (readout_) graph::DrawReadout(canvas, *readout_, fontHeight_);
}

void ComparePanel::mousePressEvent(QMouseEvent* event) {
  if (printing_ || !drawn_) return;
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  QPoint at = event->position().toPoint();
  readout_ = graph::ReadoutAt(*drawn_, view_.style, at.x(), at.y(), currency_);
  if (readout_) update();
}

void ComparePanel::mouseReleaseEvent(QMouseEvent*) {
  if (readout_) {
    readout_.reset();
    update();
  }
  setCursor(Qt::ArrowCursor);
}

void ComparePanel::mouseMoveEvent(QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  bool readable = drawn_ && graph::OverSomethingReadable(*drawn_, at.x(), at.y());
  setCursor(readable ? Qt::CrossCursor : Qt::ArrowCursor);
}

void ComparePanel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (printing_ || !drawn_) return;
  QPoint at = event->position().toPoint();
  if (event->button() == Qt::RightButton) {
    view_.style = graph::NextStyle(view_.style, list_.Axis().count);
    Changed();
  } else if (event->button() == Qt::LeftButton) {
    if (view_.pie) {
      view_.pie = false;
      Changed();
    } else if (graph::InPlotArea(drawn_->layout, at.x(), at.y())) {
      int point = graph::PointAtClick(drawn_->layout, at.x());
      if (point < 0) return;
      view_.pie = true;
      view_.piePoint = point;
      Changed();
    }
  }
}

void ComparePanel::keyPressEvent(QKeyEvent* event) {
  if (view_.pie) return QWidget::keyPressEvent(event);
  if (event->key() == Qt::Key_L) {
    view_.legend = graph::LegendAfterShowKey(view_.legend);
    Changed();
  } else if (event->key() == Qt::Key_N) {
    view_.legend = graph::LegendMode::Hidden;
    Changed();
  } else {
    QWidget::keyPressEvent(event);
  }
}

}  // namespace kxcomp
