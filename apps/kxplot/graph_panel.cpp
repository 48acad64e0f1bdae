#include "apps/kxplot/graph_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "qt/qt_canvas.h"

namespace kxplot {
namespace {

graph::Rect AreaOf(const QWidget& widget) { return {0, 0, widget.width(), widget.height()}; }

bool IsNormalGraph(const graph::DrawnGraph& drawn) { return !drawn.pie; }

}  // namespace

GraphPanel::GraphPanel(const graph::PlotData& plotData, graph::Currency currency, QWidget* parent)
    : QWidget(parent), data_(plotData), currency_(currency) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(false);
}

void GraphPanel::SetDataLoaded(bool loaded) {
  dataLoaded_ = loaded;
  Changed();
}

void GraphPanel::ShowView(const PlotView& view) {
  view_ = view;
  Changed();
}

void GraphPanel::Changed() {
  drawn_.reset();
  readout_.reset();
  update();
}

void GraphPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!dataLoaded_) return;
  kxqt::QtCanvas canvas(painter);
  graph::DrawOptions options = DrawOptionsOf(view_, AreaOf(*this), fontHeight_, false, currency_);
  drawn_ = graph::DrawGraph(canvas, data_, options);
  if (readout_) graph::DrawReadout(canvas, *readout_, fontHeight_);
}

void GraphPanel::mousePressEvent(QMouseEvent* event) {
  if (!dataLoaded_ || printing_) return;
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  QPoint at = event->position().toPoint();
  if (!drawn_) return;
  readout_ = graph::ReadoutAt(*drawn_, view_.style, at.x(), at.y(), currency_);
  if (readout_) update();
}

void GraphPanel::mouseReleaseEvent(QMouseEvent*) {
  if (readout_) {
    readout_.reset();
    update();
  }
  setCursor(Qt::ArrowCursor);
}

void GraphPanel::mouseMoveEvent(QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  bool readable = drawn_ && graph::OverSomethingReadable(*drawn_, at.x(), at.y());
  setCursor(readable ? Qt::CrossCursor : Qt::ArrowCursor);
}

void GraphPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!dataLoaded_ || printing_ || !drawn_) return;
  QPoint at = event->position().toPoint();
  if (event->button() == Qt::RightButton) {
    view_.style = graph::NextStyle(view_.style, data_.pointCount);
    Changed();
  } else if (event->button() == Qt::LeftButton) {
    if (view_.ShowsPie()) {
      view_.ClosePie();
      Changed();
    } else if (IsNormalGraph(*drawn_) && graph::InPlotArea(drawn_->layout, at.x(), at.y())) {
      int point = graph::PointAtClick(drawn_->layout, at.x());
      if (point < 0) return;
      view_.OpenPie(point);
      Changed();
    }
  }
}

void GraphPanel::keyPressEvent(QKeyEvent* event) {
  if (view_.ShowsPie()) return QWidget::keyPressEvent(event);
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

}  // namespace kxplot
