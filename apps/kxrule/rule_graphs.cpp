#include "apps/kxrule/rule_graphs.h"

#include <algorithm>
#include <cstdlib>

#include "core/text.h"
#include "graph/axes.h"
#include "graph/draw_context.h"
#include "graph/draw_graph.h"
#include "graph/frame.h"
#include "graph/graph_kind.h"
#include "graph/label_box.h"
#include "graph/plot_data.h"
#include "graph/series_drawing.h"

namespace kxrule {
namespace {

// Below this the graph text is not readable on any screen.
constexpr int kSmallestFontHeight = 12;
// Room between a half's edge and what is drawn inside its raised frame.
constexpr int kFrameRoom = 4;
// How far a tip stands from the pointer.
constexpr int kTipGap = 12;

const char* const kTitles[] = {"Account Balances", "Annual Withdrawals"};
constexpr int kPaletteEntries[] = {0, 1};  // blue balances, red withdrawals

graph::Rect HalfOf(const graph::Rect& area, RuleSeries series) {
  int middle = area.top + area.Height() / 2;
  if (series == RuleSeries::Balances) return {area.left, area.top, area.right, middle};
  return {area.left, middle, area.right, area.bottom};
}

float ValueOf(const ScheduleEntry& entry, RuleSeries series) {
  return series == RuleSeries::Balances ? entry.balance : entry.withdrawal;
}

int PointsOf(const std::vector<ScheduleEntry>& schedule) {
  return std::min(static_cast<int>(schedule.size()), graph::kMaxPoints);
}

// The ages along the x axis are read from a data set's first column.
graph::PlotData AgesOf(const std::vector<ScheduleEntry>& schedule) {
  graph::PlotData data;
  data.pointCount = PointsOf(schedule);
  for (int i = 0; i < data.pointCount; ++i) {
    data.rows[static_cast<size_t>(i)][graph::kAge] = schedule[static_cast<size_t>(i)].age;
  }
  return data;
}

graph::SeriesSet SeriesOf(const std::vector<ScheduleEntry>& schedule, RuleSeries which) {
  graph::SeriesSet set;
  graph::Series series;
  series.paletteEntry = kPaletteEntries[static_cast<int>(which)];
  set.drawnPoints = PointsOf(schedule);
  for (int i = 0; i < set.drawnPoints; ++i) {
    series.values[static_cast<size_t>(i)] = ValueOf(schedule[static_cast<size_t>(i)], which);
  }
  set.series.push_back(series);
  return set;
}

graph::AxisScale ScaleOf(const graph::SeriesSet& set) {
  const auto& values = set.series.front().values;
  auto drawn = values.begin() + set.drawnPoints;
  float min = set.drawnPoints > 0 ? *std::min_element(values.begin(), drawn) : 0.0f;
  float max = set.drawnPoints > 0 ? *std::max_element(values.begin(), drawn) : 0.0f;
  return graph::ComputeAxisScale(min, max, graph::ScaleRule::Companion);
}

// The library's layout, with one title line above the plot and the ages under it in place of
// the three title lines a plot file's graph carries below.
graph::GraphLayout HalfLayout(const graph::Canvas& canvas, const graph::Rect& half, int points,
                              const graph::AxisScale& scale, graph::Currency currency) {
  graph::LayoutRequest request;
  request.area = half;
  request.pointCount = points;
  request.currency = currency;
  graph::GraphLayout layout = graph::ComputeLayout(canvas, request, scale);
  layout.y0 = half.bottom - 2 * layout.lh - kFrameRoom;
  int plotTop = half.top + 2 * layout.lh + kFrameRoom;
  int height = std::max(10, layout.y0 - plotTop);
  layout.H = height - height % 10;
  layout.zeroY = graph::PixelYOf(layout, scale, 0.0f);
  return layout;
}

void DrawTitle(graph::DrawContext& context, const graph::Rect& half, int lh, const char* title) {
  int x = (half.left + half.right - context.canvas.TextWidth(title)) / 2;
  context.canvas.DrawText({x, half.top + kFrameRoom + lh / 2}, title, graph::kBlack,
                          context.GraphText());
}

DrawnHalf DrawHalf(graph::DrawContext& context, const std::vector<ScheduleEntry>& schedule,
                   const graph::PlotData& ages, const graph::Rect& half, RuleSeries which,
                   graph::Currency currency) {
  DrawnHalf drawn;
  graph::SeriesSet set = SeriesOf(schedule, which);
  drawn.scale = ScaleOf(set);
  drawn.layout = HalfLayout(context.canvas, half, set.drawnPoints, drawn.scale, currency);
  graph::DrawRaisedFrame(context, half.left + 2, half.top + 3, half.Width() - 9, half.Height() - 9,
                         true);
  DrawTitle(context, half, drawn.layout.lh, kTitles[static_cast<int>(which)]);
  graph::DrawFlatGrid(context, drawn.layout);
  graph::DrawFlatAxisLabels(context, drawn.layout, drawn.scale, ages, currency);
  graph::DrawLineSeries(context, drawn.layout, drawn.scale, set);
  return drawn;
}

}  // namespace

int RuleGraphFontHeight(int clientHeight) {
  return std::max(kSmallestFontHeight, std::abs(clientHeight) / 150);
}

DrawnRuleGraphs DrawRule72tGraphs(graph::Canvas& canvas, const std::vector<ScheduleEntry>& schedule,
                                  const graph::Rect& area, int fontHeight,
                                  graph::Currency currency) {
  graph::DrawContext context(canvas, graph::Program::Companion, false);
  graph::FontScope font(canvas, graph::GraphFont(fontHeight));
  graph::PlotData ages = AgesOf(schedule);
  DrawnRuleGraphs drawn;
  for (RuleSeries which : {RuleSeries::Balances, RuleSeries::Withdrawals}) {
    drawn.halves[static_cast<size_t>(which)] =
        DrawHalf(context, schedule, ages, HalfOf(area, which), which, currency);
  }
  return drawn;
}

std::string TipText(float value, graph::Currency currency) {
  if (value < 0.0f) {
    return "-" +
           graph::FormatMoney(core::Format("%.0f", -static_cast<double>(value)), false, currency);
  }
  return graph::FormatMoney(core::Format("%.0f", static_cast<double>(value)), false, currency);
}

bool OverPlot(const DrawnRuleGraphs& drawn, int x, int y) {
  return std::any_of(drawn.halves.begin(), drawn.halves.end(), [x, y](const DrawnHalf& half) {
    return graph::InPlotArea(half.layout, x, y);
  });
}

std::optional<Tip> TipAt(const DrawnRuleGraphs& drawn, const std::vector<ScheduleEntry>& schedule,
                         int x, int y, graph::Currency currency) {
  for (RuleSeries which : {RuleSeries::Balances, RuleSeries::Withdrawals}) {
    const graph::GraphLayout& layout = drawn.halves[static_cast<size_t>(which)].layout;
    if (!graph::InPlotArea(layout, x, y)) continue;
    int point = graph::PointAtPixel(layout, x);
    if (point < 0 || point >= static_cast<int>(schedule.size())) return std::nullopt;
    return Tip{{x, y}, TipText(ValueOf(schedule[static_cast<size_t>(point)], which), currency)};
  }
  return std::nullopt;
}

void DrawTip(graph::Canvas& canvas, const Tip& tip, const graph::Rect& area, int fontHeight) {
  graph::DrawContext context(canvas, graph::Program::Companion, false);
  graph::FontScope font(canvas, graph::GraphFont(fontHeight));
  int size = canvas.Metrics().height;
  graph::FontScope readout(canvas, graph::ReadoutFont(size));
  int width = canvas.TextWidth(tip.text) + 2 * canvas.TextWidth(" ");
  int y = tip.at.y - canvas.Metrics().height - 2;
  if (tip.at.x + kTipGap + width + 4 < area.right) {
    graph::DrawLabelLeftAligned(context, tip.at.x + kTipGap, y, tip.text);
  } else {
    graph::DrawLabelRightAligned(context, tip.at.x - kTipGap, y, tip.text);
  }
}

}  // namespace kxrule
