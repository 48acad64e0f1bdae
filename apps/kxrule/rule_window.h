// The calculator's main window "Rule 72T Calculator": the calculator on the left, its two
// graphs on the right, no menu bar; its commands, and a calculation when it is first shown, on
// every command and on every move of the window.
#pragma once

#include <QWidget>
#include <filesystem>

#include "apps/kxrule/calculator_panel.h"
#include "apps/kxrule/rule72t_calculator.h"
#include "apps/kxrule/rule_graph_panel.h"
#include "platform/help_viewer.h"
#include "platform/prompter.h"

namespace kxrule {

class RuleWindow final : public QWidget {
  Q_OBJECT

 public:
  // Life tables are read from `workDir` first.
  RuleWindow(platform::Prompter& prompter, platform::HelpViewer& help,
             std::filesystem::path workDir, graph::Currency currency, QWidget* parent = nullptr);

  // Reads the fields and, when they pass their checks, shows the new payments and graphs.
  bool Recalculate();
  void RunCommand(int command);

  CalculatorPanel& calculator() { return *calculator_; }
  RuleGraphPanel& graphs() { return *graphs_; }
  const Rule72tCalculation& calculation() const { return calculation_; }

 protected:
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool RecalculateShowing(platform::Prompter& prompter);
  void ShowAbout();

  platform::Prompter& prompter_;
  platform::HelpViewer& help_;
  std::filesystem::path workDir_;
  graph::Currency currency_;
  Rule72tCalculation calculation_;
  CalculatorPanel* calculator_ = nullptr;
  RuleGraphPanel* graphs_ = nullptr;
  bool shownOnce_ = false;
};

}  // namespace kxrule
