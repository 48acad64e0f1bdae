// Zooming the planner's graphs to an age range: Shift with a left click marks an age, Shift
// with a right click zooms to the marked range or cancels the zoom.
#pragma once

#include "graph/graph_layout.h"

namespace planner {

enum class ZoomOutcome { Zoomed, Cancelled, Refused };

class GraphZoom {
 public:
  // The first mark is the start age, the second the end age; a third starts again.
  void Mark(int age);
  // Zooms to the marked ages. A zoom already shown is cancelled first; the ages are put in
  // order; without a start age the zoom stays cancelled; with a start alone the range runs
  // from `firstAge` (the first age of the whole graph) to it. Fewer than three ages, or a range
  // ending after `endAge`, is refused: the marks are cleared and the graph stays as it was.
  ZoomOutcome Zoom(int firstAge, float endAge);
  // A new scenario shows all of its ages again.
  void Clear();

  bool zoomed() const { return zoomed_; }
  int firstAge() const { return firstAgeShown_; }
  int lastAge() const { return lastAgeShown_; }
  int startMark() const { return start_; }
  int endMark() const { return end_; }

 private:
  int start_ = 0;  // 0: not marked
  int end_ = 0;
  bool zoomed_ = false;
  int firstAgeShown_ = 0;
  int lastAgeShown_ = 0;
};

// The point under a pointer at `x` of a graph laid out as `layout`: (x + w - x0) / w - 1,
// counted from the first point drawn; -1 left of the plot.
int PointUnderPointer(const graph::GraphLayout& layout, int x);

}  // namespace planner
