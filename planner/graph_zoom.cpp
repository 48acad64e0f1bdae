#include "planner/graph_zoom.h"

#include <utility>

namespace planner {

void GraphZoom::Mark(int age) {
  if (start_ == 0 || end_ != 0) {
    start_ = age;
    end_ = 0;
  } else {
    end_ = age;
  }
}

ZoomOutcome GraphZoom::Zoom(int firstAge, float endAge) {
  const bool wasZoomed = zoomed_;
  zoomed_ = false;
  int start = start_;
  int end = end_;
  if (start != 0 && end != 0 && end < start) std::swap(start, end);
  if (start == 0) {
    Clear();
    return ZoomOutcome::Cancelled;
  }
  if (end == 0) {
    end = start;
    start = firstAge;
  }
  start_ = end_ = 0;
  if (end - start < 2 || static_cast<float>(end) > endAge) {
    zoomed_ = wasZoomed;
    return ZoomOutcome::Refused;
  }
  zoomed_ = true;
  firstAgeShown_ = start;
  lastAgeShown_ = end;
  return ZoomOutcome::Zoomed;
}

void GraphZoom::Clear() {
  start_ = end_ = 0;
  zoomed_ = false;
  firstAgeShown_ = lastAgeShown_ = 0;
}

int PointUnderPointer(const graph::GraphLayout& layout, int x) {
  if (layout.w <= 0) return -1;
  const int offset = x + layout.w - layout.x0;
  if (offset < layout.w) return -1;
  return offset / layout.w - 1;
}

}  // namespace planner
