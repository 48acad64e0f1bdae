// The Summary folder: the net worth graph on the left, where a click chooses an age, and the
// pane of that age's values on the right, on the button-face background.
#pragma once

#include <QWidget>

#include "planner/planner.h"

namespace kxui {

class GraphFolder;

class SummaryPane final : public QWidget {
  Q_OBJECT

 public:
  explicit SummaryPane(const planner::Planner& planner, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const planner::Planner& planner_;
};

class SummaryFolder final : public QWidget {
  Q_OBJECT

 public:
  SummaryFolder(planner::Planner& planner, QWidget* parent = nullptr);
  void Refresh();
  void AgeChanged();
  GraphFolder* graph() const { return graph_; }

 private:
  GraphFolder* graph_;
  SummaryPane* pane_;
};

}  // namespace kxui
