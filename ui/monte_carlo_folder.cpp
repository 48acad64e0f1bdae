#include "ui/monte_carlo_folder.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>

#include "qt/qt_canvas.h"

namespace kxui {

namespace {

// The window repaints every few trials: often enough to watch, rarely enough not to slow them.
constexpr int kTrialsPerRepaint = 8;

graph::TrialColour TrialColourOf(planner::TrialLineColour colour) {
  switch (colour) {
    case planner::TrialLineColour::Gray: return graph::TrialColour::Gray;
    case planner::TrialLineColour::DarkYellow: return graph::TrialColour::DarkYellow;
    default: return graph::TrialColour::Standard;
  }
}

std::vector<float> ValuesOf(const engine::MonteCarloCurve& curve) {
  return std::vector<float>(curve.values.begin(), curve.values.end());
}

}  // namespace

MonteCarloFolder::MonteCarloFolder(planner::Planner& planner, QWidget* parent)
    : QWidget(parent), planner_(planner) {
  setObjectName(QStringLiteral("monteCarlo"));
}

void MonteCarloFolder::RunIfStale() {
  if (running_ || !planner_.MonteCarloStale()) return;
  running_ = true;
  graph_ = graph::MonteCarloGraph{};
  graph_.trialColour = TrialColourOf(planner_.startup().trialLines);
  graph_.lighter = planner_.startup().lighter;
  graph_.showLegend = planner_.document().scenario.groups.mcShowLegend != 0;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const engine::MonteCarloResult result = planner_.RunMonteCarloAnalysis(this);
  QApplication::restoreOverrideCursor();
  graph_.trialCount = result.trials;
  graph_.successes = result.successes;
  graph_.done = true;
  running_ = false;
  update();
}

void MonteCarloFolder::OnBaseCurve(const engine::MonteCarloCurve& curve) {
  graph_.ages.assign(curve.ages.begin(), curve.ages.end());
  graph_.base = ValuesOf(curve);
}

void MonteCarloFolder::OnTrialStarted(int trial, int trials) {
  graph_.trial = trial;
  graph_.trialCount = trials;
}

void MonteCarloFolder::OnTrialCurve(int trial, const engine::MonteCarloCurve& curve) {
  graph_.trials.push_back(ValuesOf(curve));
  if (trial % kTrialsPerRepaint == 0 || trial == graph_.trialCount) {
    repaint();
    // Paint and timer events only: an edit while the trials run would change what they run on.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
}

void MonteCarloFolder::OnAverageCurve(const engine::MonteCarloCurve& curve) {
  graph_.average = ValuesOf(curve);
}

graph::DrawnGraph MonteCarloFolder::DrawOn(graph::Canvas& canvas, const graph::Rect& area,
                                           bool printing) {
  graph::DrawOptions options;
  options.program = graph::Program::Planner;
  options.printing = printing;
  options.currency = planner_.startup().pound ? graph::Currency::Pounds : graph::Currency::Dollars;
  options.area = area;
  return graph::DrawMonteCarloGraph(canvas, graph_, options);
}

void MonteCarloFolder::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (graph_.ages.empty()) return;
  kxqt::QtCanvas canvas(painter);
  DrawOn(canvas, graph::Rect{0, 0, width(), height()}, false);
}

void MonteCarloFolder::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // After the folder has been drawn once, so that the user sees it fill.
  QTimer::singleShot(0, this, [this] { RunIfStale(); });
}

}  // namespace kxui
