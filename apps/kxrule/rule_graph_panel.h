// The graph window on the right of the calculator: the balances and withdrawals of the
// schedule, and the value of the point under the pointer as a tip beside it.
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "apps/kxrule/rule72t_calculator.h"
#include "apps/kxrule/rule_graphs.h"

namespace kxrule {

class RuleGraphPanel final : public QWidget {
  Q_OBJECT

 public:
  RuleGraphPanel(const std::vector<ScheduleEntry>& schedule, graph::Currency currency,
                 QWidget* parent = nullptr);

  void SetFontHeight(int height) { fontHeight_ = height; }
  int fontHeight() const { return fontHeight_; }
  // The schedule changed: drawn anew, without the old tip.
  void Redraw();

  // Where the last paint put the graphs; nothing before the first paint.
  const std::optional<DrawnRuleGraphs>& drawn() const { return drawn_; }
  const std::optional<Tip>& tip() const { return tip_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  const std::vector<ScheduleEntry>& schedule_;
  graph::Currency currency_;
  int fontHeight_ = 12;
  std::optional<DrawnRuleGraphs> drawn_;
  std::optional<Tip> tip_;
};

}  // namespace kxrule
