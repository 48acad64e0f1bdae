#include "ui/summary_folder.h"

#include <QHBoxLayout>
#include <QPainter>

#include "planner/summary_pane.h"
#include "qt/latin1_text.h"
#include "ui/graph_folder.h"

namespace kxui {

namespace {

const QColor kButtonFace(0xC0, 0xC0, 0xC0);
constexpr int kMargin = 12;

}  // namespace

SummaryPane::SummaryPane(const planner::Planner& planner, QWidget* parent)
    : QWidget(parent), planner_(planner) {
  setObjectName(QStringLiteral("summaryPane"));
  setMinimumWidth(360);
}

void SummaryPane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kButtonFace);
  const engine::RunContext& run = planner_.lastRun();
  const auto lines = planner::SummaryPane(run.results, planner_.summaryRow(),
                                          run.currentAge, planner_.CurrencyMark());
  const QFontMetrics metrics = painter.fontMetrics();
  const int line = metrics.height() + 2;
  const int amountRight = width() * 3 / 4;
  const int shareRight = width() - kMargin;
  QFont bold = font();
  bold.setBold(true);
  int y = kMargin;
  for (const planner::SummaryLine& entry : lines) {
    if (entry.heading && !entry.label.empty() && entry.amount.empty()) y += line / 2;
    painter.setFont(entry.heading ? bold : font());
    const int indent = entry.heading ? kMargin : 2 * kMargin;
    painter.drawText(QRect(indent, y, amountRight - indent, line), Qt::AlignLeft | Qt::AlignVCenter,
                     kxqt::ToQString(entry.label));
    painter.drawText(QRect(0, y, amountRight, line), Qt::AlignRight | Qt::AlignVCenter,
                     kxqt::ToQString(entry.amount));
    painter.drawText(QRect(amountRight, y, shareRight - amountRight, line),
                     Qt::AlignRight | Qt::AlignVCenter, kxqt::ToQString(entry.share));
    y += line;
  }
}

SummaryFolder::SummaryFolder(planner::Planner& planner, QWidget* parent)
    : QWidget(parent),
      graph_(new GraphFolder(planner, graph::PlotTab{"Net Worth", graph::GraphKind::NetWorth, 0, 0},
                             this)),
      pane_(new SummaryPane(planner, this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(graph_, 1);
  layout->addWidget(pane_, 1);
}

void SummaryFolder::Refresh() {
  graph_->Refresh();
  pane_->update();
}

void SummaryFolder::AgeChanged() { pane_->update(); }

}  // namespace kxui
