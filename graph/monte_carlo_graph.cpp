#include "graph/monte_carlo_graph.h"

#include <algorithm>

#include "core/text.h"
#include "graph/draw_context.h"
#include "graph/graph_layout.h"
#include "graph/series_drawing.h"

namespace graph {

namespace {

constexpr int kDarkYellow = 2;
constexpr int kScenarioEntry = 1;
constexpr int kAverageEntry = 0;

int Points(const MonteCarloGraph& graph) {
  return std::min<int>(static_cast<int>(graph.ages.size()), std::min(kMaxPoints, kMaxSeriesPoints));
}

Series SeriesOf(const std::string& legend, int entry, const std::vector<float>& values, int points) {
  Series series;
  series.legend = legend;
  series.paletteEntry = entry;
  for (int i = 0; i < points && i < static_cast<int>(values.size()); ++i) {
    series.values[static_cast<size_t>(i)] = values[static_cast<size_t>(i)];
  }
  return series;
}

// The ages along the axis.
PlotData AxisOf(const MonteCarloGraph& graph, int points) {
  PlotData axis;
  axis.pointCount = points;
  for (int i = 0; i < points; ++i) axis.rows[static_cast<size_t>(i)][kAge] = graph.ages[static_cast<size_t>(i)];
  return axis;
}

AxisScale ScaleOfAll(const MonteCarloGraph& graph, int points, bool zoomed) {
  float low = 0.0f;
  float high = 0.0f;
  auto take = [&](const std::vector<float>& values) {
    for (int i = 0; i < points && i < static_cast<int>(values.size()); ++i) {
      low = std::min(low, values[static_cast<size_t>(i)]);
      high = std::max(high, values[static_cast<size_t>(i)]);
    }
  };
  take(graph.base);
  take(graph.average);
  for (const auto& trial : graph.trials) take(trial);
  return ComputeAxisScale(low, high, zoomed ? ScaleRule::PlannerZoomed : ScaleRule::Planner);
}

void DrawTrialLines(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                    const MonteCarloGraph& graph, int points) {
  const Pen pen{TrialLineColour(graph, context.program), context.printing ? 4 : 1};
  for (const auto& trial : graph.trials) {
    const int count = std::min(points, static_cast<int>(trial.size()));
    for (int i = 1; i < count; ++i) {
      context.canvas.DrawLine(
          {PixelXOf(layout, i - 1), PixelYOf(layout, scale, trial[static_cast<size_t>(i - 1)])},
          {PixelXOf(layout, i), PixelYOf(layout, scale, trial[static_cast<size_t>(i)])}, pen);
    }
  }
}

void DrawTexts(Canvas& canvas, const GraphLayout& layout, const MonteCarloGraph& graph) {
  const std::vector<std::string> texts = MonteCarloTexts(graph);
  const int centre = layout.x0 + layout.W / 2;
  int y = layout.area.top + layout.lh / 2;
  for (const std::string& text : texts) {
    canvas.DrawText({centre - canvas.TextWidth(text) / 2, y}, text, kBlack, kTransparentText);
    y += layout.lh;
  }
}

}  // namespace

std::vector<std::string> MonteCarloTexts(const MonteCarloGraph& graph) {
  if (!graph.done) {
    return {core::Format("Monte Carlo Analysis - Trial Number %d of %d", graph.trial,
                         graph.trialCount)};
  }
  const float share = graph.trialCount > 0 ? static_cast<float>(graph.successes) /
                                                 static_cast<float>(graph.trialCount) * 100.0f
                                           : 0.0f;
  return {core::Format("  Monte Carlo Analysis - Number of Trials = %d  ", graph.trialCount),
          core::Format("Scenario Success = %5.2f%%", static_cast<double>(share))};
}

Color TrialLineColour(const MonteCarloGraph& graph, Program program) {
  const SeriesPalette palette(program);
  if (graph.trialColour == TrialColour::Gray) return LightenColor(palette[SeriesPalette::kGrey]);
  if (graph.trialColour == TrialColour::DarkYellow) {
    return graph.lighter ? LightenColor(palette[kDarkYellow]) : palette[kDarkYellow];
  }
  return LightenColor(palette[kDarkYellow]);
}

DrawnGraph DrawMonteCarloGraph(Canvas& canvas, const MonteCarloGraph& graph,
                               const DrawOptions& options) {
  const int points = Points(graph);
  const PlotData axis = AxisOf(graph, points);
  SeriesSet set;
  set.drawnPoints = points;
  set.series.push_back(SeriesOf("Scenario Net Worth", kScenarioEntry, graph.base, points));
  // The trials' entry stands in the legend only; their lines are drawn one by one below.
  Series trials = SeriesOf("Monte Carlo Net Worth", kDarkYellow, {}, points);
  set.series.push_back(trials);
  if (graph.done) {
    set.series.push_back(
        SeriesOf("Monte Carlo Average Net Worth", kAverageEntry, graph.average, points));
  }
  DrawOptions drawn = options;
  drawn.kind = GraphKind::NetWorth;
  if (!graph.showLegend) drawn.legend = LegendMode::Hidden;
  drawn.style = PlotStyle::Lines;
  const AxisScale scale = ScaleOfAll(graph, points, options.zoomed);
  DrawnGraph result = DrawSeriesGraph(canvas, SeriesGraph{axis, set, scale, ""}, drawn);
  DrawContext context(canvas, options.program, options.printing);
  const GraphLayout& layout = result.layout;
  // The texts and the lines may reach a little outside the plot, never over the whole window.
  canvas.SetClip({layout.x0 - 60, layout.area.top, layout.x0 + layout.W + 60, layout.y0 + 2});
  DrawTrialLines(context, layout, scale, graph, points);
  SeriesSet mainLines = set;
  mainLines.series.erase(mainLines.series.begin() + 1);
  DrawLineSeries(context, layout, scale, mainLines);
  DrawTexts(canvas, layout, graph);
  canvas.ResetClip();
  return result;
}

}  // namespace graph
