#include "ui/graph_folder.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/text.h"
#include "graph/graph_kind.h"
#include "graph/plot_data.h"
#include "planner/graph_zoom.h"
#include "qt/latin1_text.h"

namespace kxui {

namespace {

graph::Currency CurrencyOf(const planner::Planner& planner) {
  return planner.startup().pound ? graph::Currency::Pounds : graph::Currency::Dollars;
}

constexpr int kMarkWidth = 2;

}  // namespace

GraphFolder::GraphFolder(planner::Planner& planner, const graph::PlotTab& tab, QWidget* parent)
    : GraphPanelOf(CurrencyOf(planner), planner.plot().pointCount > 0, parent), planner_(planner) {
  view_.SelectTab(tab);
  SetFontHeight(13);
}

void GraphFolder::Refresh() {
  marks_.clear();
  if (ShowsPie()) ClosePie();
  SetDataLoaded(planner_.plot().pointCount > 0);
}

int GraphFolder::PointCount() const { return planner_.plot().pointCount; }

graph::DrawnGraph GraphFolder::DrawOn(graph::Canvas& canvas, const graph::Rect& area,
                                      bool printing) {
  const graph::DrawOptions options =
      graph::DrawOptionsOf(view_, area, fontHeight(), printing, currency(),
                           graph::Program::Planner, planner_.zoom().zoomed());
  graph::DrawnGraph drawn = graph::DrawGraph(canvas, planner_.plot(), options);
  const graph::PlotData& plot = planner_.plot();
  if (!printing && !drawn.pie) {
    // The folder's heading ("NET WORTH", ...) above the plot; a printed page has its own title.
    const std::string heading = graph::KindTitle(view_.kind);
    graph::FontScope bold(canvas, graph::Font{"Courier", fontHeight(), 700});
    const graph::GraphLayout& layout = drawn.layout;
    canvas.DrawText({layout.x0 + layout.W / 2 - canvas.TextWidth(heading) / 2, area.top + 4},
                    heading, graph::kBlack, graph::kTransparentText);
  }
  if (!drawn.pie && view_.kind == graph::GraphKind::NetWorth && plot.pointCount > 0 &&
      planner_.document().scenario.initial.todaysPurchasingPower == 1) {
    const std::string caption = core::Format("Calculations in Age %-5.2f Purchasing Power",
                                             static_cast<double>(plot.Age(0)));
    const graph::GraphLayout& layout = drawn.layout;
    canvas.DrawText({layout.x0 + 4, layout.y0 - layout.H + 2}, caption, graph::kBlack,
                    graph::kTransparentText);
  }
  return drawn;
}

graph::DrawnGraph GraphFolder::Draw(graph::Canvas& canvas, const graph::Rect& area) {
  return DrawOn(canvas, area, false);
}

void GraphFolder::paintEvent(QPaintEvent* event) {
  GraphPanelBase::paintEvent(event);
  if (marks_.empty() || !drawn()) return;
  // Each mark: from the baseline up to where it was made, then across to the vertical axis.
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, kMarkWidth));
  const graph::GraphLayout& layout = drawn()->layout;
  for (const QPoint& mark : marks_) {
    painter.drawLine(mark.x(), layout.y0, mark.x(), mark.y());
    painter.drawLine(mark.x(), mark.y(), layout.x0, mark.y());
  }
}

int GraphFolder::AgeUnder(int x) const {
  if (!drawn() || drawn()->pie) return -1;
  const int point = planner::PointUnderPointer(drawn()->layout, x);
  const graph::PlotData& plot = planner_.plot();
  if (point < 0 || point >= plot.pointCount) return -1;
  return static_cast<int>(plot.Age(point));
}

void GraphFolder::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->modifiers() & Qt::ShiftModifier) {
    if (event->button() == Qt::LeftButton) {
      const int age = AgeUnder(at.x());
      if (age < 0) return;
      planner_.MarkZoomAge(age);
      if (marks_.size() >= 2) marks_.clear();
      marks_.push_back(at);
      update();
    } else if (event->button() == Qt::RightButton) {
      marks_.clear();
      // A refused range leaves the graph as it was, only its marks go.
      if (planner_.ZoomGraph() == planner::ZoomOutcome::Refused) {
        update();
      } else {
        Changed();
      }
    }
    return;
  }
  if (event->button() == Qt::LeftButton) {
    const int age = AgeUnder(at.x());
    if (age >= 0) planner_.SelectSummaryAge(age);
  }
  GraphPanelBase::mousePressEvent(event);
}

}  // namespace kxui
