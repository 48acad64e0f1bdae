#include "qt/graph_panel_base.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "qt/qt_canvas.h"

namespace kxqt {

GraphPanelBase::GraphPanelBase(graph::Currency currency, bool dataLoaded, QWidget* parent)
    : QWidget(parent), currency_(currency), dataLoaded_(dataLoaded) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(false);
}

void GraphPanelBase::SetDataLoaded(bool loaded) {
  dataLoaded_ = loaded;
  Changed();
}

void GraphPanelBase::Changed() {
  drawn_.reset();
  readout_.reset();
  update();
}

void GraphPanelBase::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!dataLoaded_) return;
  QtCanvas canvas(painter);
  drawn_ = Draw(canvas, graph::Rect{0, 0, width(), height()});
  if (readout_) graph::DrawReadout(canvas, *readout_, fontHeight_);
}

void GraphPanelBase::mousePressEvent(QMouseEvent* event) {
  if (!dataLoaded_ || printing_ || !drawn_) return;
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  QPoint at = event->position().toPoint();
  readout_ = graph::ReadoutAt(*drawn_, Style(), at.x(), at.y(), currency_);
  if (readout_) update();
}

void GraphPanelBase::mouseReleaseEvent(QMouseEvent*) {
  if (readout_) {
    readout_.reset();
    update();
  }
  setCursor(Qt::ArrowCursor);
}

void GraphPanelBase::mouseMoveEvent(QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  bool readable = drawn_ && graph::OverSomethingReadable(*drawn_, at.x(), at.y());
  setCursor(readable ? Qt::CrossCursor : Qt::ArrowCursor);
}

void GraphPanelBase::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!dataLoaded_ || printing_ || !drawn_) return;
  if (event->button() == Qt::RightButton) {
    Style() = graph::NextStyle(Style(), PointCount());
    Changed();
  } else if (event->button() == Qt::LeftButton) {
    TogglePieAt(event->position().toPoint());
  }
}

void GraphPanelBase::TogglePieAt(const QPoint& at) {
  if (ShowsPie()) {
    ClosePie();
    Changed();
    return;
  }
  if (!PieOpensOn(*drawn_) || !graph::InPlotArea(drawn_->layout, at.x(), at.y())) return;
  int point = graph::PointAtClick(drawn_->layout, at.x());
  if (point < 0) return;
  OpenPie(point);
  Changed();
}

void GraphPanelBase::keyPressEvent(QKeyEvent* event) {
  if (ShowsPie()) return QWidget::keyPressEvent(event);
  if (event->key() == Qt::Key_L) {
    Legend() = graph::LegendAfterShowKey(Legend());
    Changed();
  } else if (event->key() == Qt::Key_N) {
    Legend() = graph::LegendMode::Hidden;
    Changed();
  } else {
    QWidget::keyPressEvent(event);
  }
}

}  // namespace kxqt
