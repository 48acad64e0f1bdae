// The calculator's two graphs, one above the other: "Account Balances" and "Annual
// Withdrawals", one point per age of the schedule, each on its own scale; and the value tip
// that the pointer shows over a point.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "apps/kxrule/rule72t_calculator.h"
#include "graph/axis_scale.h"
#include "graph/canvas.h"
#include "graph/format_money.h"
#include "graph/graph_layout.h"

namespace kxrule {

enum class RuleSeries { Balances = 0, Withdrawals = 1 };

struct DrawnHalf {
  graph::GraphLayout layout;
  graph::AxisScale scale;
};

struct DrawnRuleGraphs {
  std::array<DrawnHalf, 2> halves;  // indexed by RuleSeries
};

// The graph text's height: a 150th of the window's height at start, but never unreadable.
int RuleGraphFontHeight(int clientHeight);

// Draws both graphs into `area`, the upper half for the balances and the lower half for the
// withdrawals, and tells where they landed.
DrawnRuleGraphs DrawRule72tGraphs(graph::Canvas& canvas, const std::vector<ScheduleEntry>& schedule,
                                  const graph::Rect& area, int fontHeight,
                                  graph::Currency currency);

// A value as a tip shows it: printed "%.0f" and made a money text, '-' in front when negative.
std::string TipText(float value, graph::Currency currency);

struct Tip {
  graph::Point at;   // the pointer
  std::string text;  // Latin-1
};

// Whether the pointer is over the plot of either graph.
bool OverPlot(const DrawnRuleGraphs& drawn, int x, int y);
// The tip of the point nearest the pointer, when the pointer is over the plot of either graph.
std::optional<Tip> TipAt(const DrawnRuleGraphs& drawn, const std::vector<ScheduleEntry>& schedule,
                         int x, int y, graph::Currency currency);
// Draws a tip beside its pointer, turned to the left near the right edge of `area`.
void DrawTip(graph::Canvas& canvas, const Tip& tip, const graph::Rect& area, int fontHeight);

}  // namespace kxrule
