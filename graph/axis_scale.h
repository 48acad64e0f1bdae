// The vertical scale of a graph: always ten divisions, a minimum at or below zero with a
// division line on zero, and a span rounded to a readable value.
#pragma once

namespace graph {

struct AxisScale {
  float min = 0.0f;   // <= 0
  float max = 0.0f;   // the largest data value
  float step = 0.1f;  // value of one division
  float span = 1.0f;  // value of ten divisions
};

// The planner's graph panel, the companion programs (10 % more headroom), and the planner's
// graph while zoomed to an age range (less headroom and no rounding of the span).
enum class ScaleRule { Planner, Companion, PlannerZoomed };

AxisScale ComputeAxisScale(float dataMin, float dataMax, ScaleRule rule);

}  // namespace graph
