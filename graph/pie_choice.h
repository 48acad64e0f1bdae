// Whether a view shows the pie of one of its points in place of its graph, for the views that
// keep no more about a pie than that.
#pragma once

namespace graph {

struct PieChoice {
  bool pie = false;
  int piePoint = 0;

  bool ShowsPie() const { return pie; }
  void OpenPie(int point) {
    pie = true;
    piePoint = point;
  }
  void ClosePie() { pie = false; }
};

}  // namespace graph
