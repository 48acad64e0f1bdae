// "Create Graph Window": the graphs of the last run in a window of their own, one tab per
// graph as the plotter shows them, redrawn after every run.
#pragma once

#include <QMainWindow>
#include <vector>

#include "planner/planner.h"

class QTabWidget;

namespace kxui {

class GraphFolder;

class GraphWindow final : public QMainWindow {
  Q_OBJECT

 public:
  GraphWindow(planner::Planner& planner, QWidget* parent = nullptr);
  void Refresh();
  QTabWidget* tabs() const { return tabs_; }

 private:
  void Rebuild();

  planner::Planner& planner_;
  QTabWidget* tabs_;
  std::vector<GraphFolder*> graphs_;
  std::vector<std::string> titles_;
};

}  // namespace kxui
