#include "apps/kxcomp/compare_graph.h"

#include <algorithm>
#include <filesystem>

namespace kxcomp {
namespace {

constexpr char kWorkingFilePrefix[] = "plotinf";

// The axis as the graph library reads it: the ages along the bottom, no title lines.
graph::PlotData AxisDataOf(const AgeAxis& axis) {
  graph::PlotData data;
  data.pointCount = axis.count;
  for (int c = 0; c < axis.count; ++c) {
    data.rows[static_cast<size_t>(c)][graph::kAge] = static_cast<float>(axis.smallest + c);
  }
  return data;
}

float RowValue(const CompareFile& file, size_t row, int quantity) {
  if (quantity == kPurchasingPowerQuantity) {
    return row < file.purchasingPower.size() ? file.purchasingPower[row] : 0.0f;
  }
  return file.rows[row][quantity];
}

int DrawnPoints(const AgeAxis& axis, int quantity) {
  if (!IsFlowQuantity(quantity)) return axis.count;
  return std::max(0, axis.count - 2);
}

const CompareTab& TabOf(const std::vector<CompareTab>& tabs, int index) {
  return tabs[static_cast<size_t>(std::clamp(index, 0, static_cast<int>(tabs.size()) - 1))];
}

}  // namespace

float ValueAtAge(const CompareFile& file, int quantity, int age) {
  for (size_t row = 0; row < file.rows.size(); ++row) {
    if (WholeAge(file.rows[row][graph::kAge]) == age) return RowValue(file, row, quantity);
  }
  return 0.0f;
}

graph::SeriesSet SeriesOfQuantity(const CompareList& list, int quantity) {
  AgeAxis axis = list.Axis();
  graph::SeriesSet set;
  set.drawnPoints = DrawnPoints(axis, quantity);
  const std::vector<CompareFile>& files = list.files();
  for (size_t f = 0; f < files.size(); ++f) {
    if (!files[f].readable) continue;
    graph::Series series{files[f].path, static_cast<int>(f), false, {}};
    for (int c = 0; c < axis.count; ++c) {
      series.values[static_cast<size_t>(c)] = ValueAtAge(files[f], quantity, axis.smallest + c);
    }
    set.series.push_back(series);
  }
  return set;
}

graph::AxisScale ScaleOfQuantity(const CompareList& list, int quantity) {
  AgeAxis axis = list.Axis();
  float min = 0.0f;
  float max = 0.0f;
  for (const graph::Series& series : SeriesOfQuantity(list, quantity).series) {
    for (int c = 0; c < axis.count; ++c) {
      min = std::min(min, series.values[static_cast<size_t>(c)]);
      max = std::max(max, series.values[static_cast<size_t>(c)]);
    }
  }
  return graph::ComputeAxisScale(min, max, graph::ScaleRule::Companion);
}

std::string PieNameOf(const std::string& path) {
  std::string name = std::filesystem::path(path).filename().string();
  return name.rfind(kWorkingFilePrefix, 0) == 0 ? std::string("Current") : path;
}

std::vector<graph::PieSlice> PieSlicesAt(const CompareList& list, int quantity, int point) {
  AgeAxis axis = list.Axis();
  std::vector<graph::PieSlice> slices;
  if (point < 0 || point >= axis.count) return slices;
  const std::vector<CompareFile>& files = list.files();
  for (size_t f = 0; f < files.size(); ++f) {
    if (!files[f].readable) continue;
    slices.push_back({PieNameOf(files[f].path),
                      ValueAtAge(files[f], quantity, axis.smallest + point), static_cast<int>(f)});
  }
  return slices;
}

graph::DrawOptions CompareOptions(const CompareView& view, const graph::Rect& area, int fontHeight,
                                  bool printing, graph::Currency currency) {
  graph::DrawOptions options;
  options.kind = graph::GraphKind::NetWorth;  // the legend stands where the plotter's does
  options.style = view.style;
  options.legend = view.legend;
  options.program = graph::Program::Companion;
  options.printing = printing;
  options.currency = currency;
  options.fontHeight = fontHeight;
  options.area = area;
  return options;
}

graph::DrawnGraph DrawComparison(graph::Canvas& canvas, const CompareList& list,
                                 const CompareView& view, graph::DrawOptions options) {
  const std::vector<CompareTab> tabs = CompareTabs(options.currency);
  const CompareTab& tab = TabOf(tabs, view.tab);
  AgeAxis axis = list.Axis();
  graph::PlotData axisData = AxisDataOf(axis);
  if (view.pie) {
    graph::SlicesPie pie{axisData, PieSlicesAt(list, tab.quantity, view.piePoint),
                         static_cast<float>(axis.smallest + view.piePoint),
                         graph::GraphKind::NetWorth, tab.printTitle};
    return graph::DrawSlicesPie(canvas, pie, options);
  }
  graph::SeriesSet set = SeriesOfQuantity(list, tab.quantity);
  return graph::DrawSeriesGraph(
      canvas,
      graph::SeriesGraph{axisData, set, ScaleOfQuantity(list, tab.quantity), tab.printTitle},
      options);
}

}  // namespace kxcomp
