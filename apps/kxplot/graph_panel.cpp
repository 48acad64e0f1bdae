#include "apps/kxplot/graph_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "graph/label_box.h"
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
  if (!readout_) return;

  // The read-out is in bold "Tms Rmn" sized to the graph text's height.
  canvas.SetFont(graph::GraphFont(fontHeight_));
  int size = canvas.Metrics().height;
  graph::DrawContext context(canvas, graph::Program::Companion, false);
  const Readout& shown = *readout_;
  switch (shown.kind) {
    case Readout::Kind::Value:
      graph::DrawReadoutRightAligned(context, size, shown.at.x, shown.at.y, shown.first);
      break;
    case Readout::Kind::Slice:
      graph::DrawTwoLineReadoutRightAligned(context, size, shown.at.x, shown.at.y, shown.first,
                                            shown.second);
      break;
    case Readout::Kind::ListRow:
      graph::DrawReadoutLeftAligned(context, size, shown.at.x, shown.at.y, shown.first);
      break;
  }
}

std::optional<Readout> GraphPanel::ReadoutAt(int x, int y) const {
  if (!drawn_) return std::nullopt;
  const graph::DrawnGraph& drawn = *drawn_;
  if (drawn.pie) {
    const graph::PieGeometry& pie = drawn.pieGeometry;
    int row = graph::PieListRowAt(pie, x, y);
    if (row >= 0) {
      return Readout{Readout::Kind::ListRow,
                     {x, y},
                     graph::SignedMoney(pie.slices[static_cast<size_t>(row)].value, currency_),
                     {}};
    }
    int slice = graph::PieSliceAt(pie, x, y);
    if (slice < 0) return std::nullopt;
    const graph::PieSlice& part = pie.slices[static_cast<size_t>(slice)];
    return Readout{
        Readout::Kind::Slice, {x, y}, part.name, graph::SignedMoney(part.value, currency_)};
  }
  // A value read off 3-D bars would not be the value of any bar face.
  if (view_.style == graph::PlotStyle::Bars3D) return std::nullopt;
  if (!graph::InPlotArea(drawn.layout, x, y)) return std::nullopt;
  float value = graph::ValueAtPixel(drawn.layout, drawn.scale, y);
  return Readout{Readout::Kind::Value, {x, y}, graph::SignedMoney(value, currency_), {}};
}

bool GraphPanel::OverSomethingReadable(int x, int y) const {
  if (!drawn_) return false;
  if (drawn_->pie) {
    return graph::PieListRowAt(drawn_->pieGeometry, x, y) >= 0 ||
           graph::InPieCircle(drawn_->pieGeometry, x, y);
  }
  return graph::InPlotArea(drawn_->layout, x, y);
}

void GraphPanel::mousePressEvent(QMouseEvent* event) {
  if (!dataLoaded_ || printing_) return;
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  QPoint at = event->position().toPoint();
  readout_ = ReadoutAt(at.x(), at.y());
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
  setCursor(OverSomethingReadable(at.x(), at.y()) ? Qt::CrossCursor : Qt::ArrowCursor);
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
