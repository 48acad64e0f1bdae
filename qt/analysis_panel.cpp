#include "qt/analysis_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "qt/qt_canvas.h"

namespace kxqt {

graph::AnalysisDrawOptions AnalysisOptionsOf(const AnalysisView& view, const graph::Rect& area,
                                             int fontHeight, bool printing,
                                             graph::Currency currency) {
  graph::AnalysisDrawOptions options;
  options.style = view.style;
  options.legend = view.legend;
  options.printing = printing;
  options.currency = currency;
  options.fontHeight = fontHeight;
  options.area = area;
  options.pie = view.pie;
  options.piePoint = view.piePoint;
  return options;
}

AnalysisPanel::AnalysisPanel(const graph::AnalysisData& analysis, graph::AnalysisTexts texts,
                             graph::Currency currency, QWidget* parent)
    : QWidget(parent), data_(analysis), texts_(std::move(texts)), currency_(currency) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(false);
}

void AnalysisPanel::SetDataLoaded(bool loaded) {
  dataLoaded_ = loaded;
  Changed();
}

void AnalysisPanel::ShowView(const AnalysisView& view) {
  view_ = view;
  Changed();
}

void AnalysisPanel::Changed() {
  drawn_.reset();
  readout_.reset();
  update();
}

void AnalysisPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!dataLoaded_) return;
  QtCanvas canvas(painter);
  graph::Rect area{0, 0, width(), height()};
  drawn_ = graph::DrawAnalysisGraph(canvas, data_, texts_,
                                    AnalysisOptionsOf(view_, area, fontHeight_, false, currency_));
  if (readout_) graph::DrawReadout(canvas, *readout_, fontHeight_);
}

void AnalysisPanel::mousePressEvent(QMouseEvent* event) {
  if (!dataLoaded_ || printing_ || !drawn_) return;
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  QPoint at = event->position().toPoint();
  readout_ = graph::ReadoutAt(*drawn_, view_.style, at.x(), at.y(), currency_);
  if (readout_) update();
}

void AnalysisPanel::mouseReleaseEvent(QMouseEvent*) {
  if (readout_) {
    readout_.reset();
    update();
  }
  setCursor(Qt::ArrowCursor);
}

void AnalysisPanel::mouseMoveEvent(QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  bool readable = drawn_ && graph::OverSomethingReadable(*drawn_, at.x(), at.y());
  setCursor(readable ? Qt::CrossCursor : Qt::ArrowCursor);
}

void AnalysisPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!dataLoaded_ || printing_ || !drawn_) return;
  QPoint at = event->position().toPoint();
  if (event->button() == Qt::RightButton) {
    view_.style = graph::NextStyle(view_.style, data_.PointCount());
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

void AnalysisPanel::keyPressEvent(QKeyEvent* event) {
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

}  // namespace kxqt
