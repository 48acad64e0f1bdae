#include "apps/kxrule/rule_graph_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "qt/qt_canvas.h"

namespace kxrule {

RuleGraphPanel::RuleGraphPanel(const std::vector<ScheduleEntry>& schedule, graph::Currency currency,
                               QWidget* parent)
    : QWidget(parent), schedule_(schedule), currency_(currency) {
  setObjectName(QStringLiteral("PLOT1"));
  setMouseTracking(true);
}

void RuleGraphPanel::Redraw() {
  tip_.reset();
  update();
}

void RuleGraphPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  kxqt::QtCanvas canvas(painter);
  graph::Rect area{0, 0, width(), height()};
  drawn_ = DrawRule72tGraphs(canvas, schedule_, area, fontHeight_, currency_);
  if (tip_) DrawTip(canvas, *tip_, area, fontHeight_);
}

void RuleGraphPanel::mouseMoveEvent(QMouseEvent* event) {
  if (!drawn_) return;
  QPoint at = event->position().toPoint();
  setCursor(OverPlot(*drawn_, at.x(), at.y()) ? Qt::CrossCursor : Qt::ArrowCursor);
  std::optional<Tip> tip = TipAt(*drawn_, schedule_, at.x(), at.y(), currency_);
  if (!tip && !tip_) return;
  tip_ = tip;
  update();
}

void RuleGraphPanel::leaveEvent(QEvent*) {
  setCursor(Qt::ArrowCursor);
  if (!tip_) return;
  tip_.reset();
  update();
}

}  // namespace kxrule
