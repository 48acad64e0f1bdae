// The Monte Carlo Analysis folder: the analysis of the scenario, run when the folder is shown
// and the scenario changed since the last one, drawn while its trials run (the trial counter,
// each trial's line), then with the average and the success share.
#pragma once

#include <QWidget>

#include "engine/monte_carlo.h"
#include "graph/monte_carlo_graph.h"
#include "planner/planner.h"

namespace kxui {

class MonteCarloFolder final : public QWidget, public engine::MonteCarloObserver {
  Q_OBJECT

 public:
  MonteCarloFolder(planner::Planner& planner, QWidget* parent = nullptr);
  // Runs the analysis when the scenario changed since the last one.
  void RunIfStale();
  const graph::MonteCarloGraph& curves() const { return graph_; }
  bool running() const { return running_; }
  graph::DrawnGraph DrawOn(graph::Canvas& canvas, const graph::Rect& area, bool printing);

  // engine::MonteCarloObserver
  void OnBaseCurve(const engine::MonteCarloCurve& curve) override;
  void OnTrialStarted(int trial, int trials) override;
  void OnTrialCurve(int trial, const engine::MonteCarloCurve& curve) override;
  void OnAverageCurve(const engine::MonteCarloCurve& curve) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  planner::Planner& planner_;
  graph::MonteCarloGraph graph_;
  bool running_ = false;
};

}  // namespace kxui
