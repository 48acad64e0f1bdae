#include "graph/series_drawing.h"

#include <cmath>

namespace graph {
namespace {

constexpr float kDepthPerPoint = 1.3f;

float ValueOf(const Series& series, int point) {
  return series.values[static_cast<size_t>(point)];
}

void DrawOneLine(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                 const Series& series, int points) {
  const Pen pen{context.palette[series.paletteEntry], context.SeriesPenWidth()};
  for (int i = 1; i < points; ++i) {
    float before = ValueOf(series, i - 1);
    float value = ValueOf(series, i);
    if (before == 0.0f && value == 0.0f) continue;
    Point from{PixelXOf(layout, i - 1), PixelYOf(layout, scale, before)};
    Point to{PixelXOf(layout, i), PixelYOf(layout, scale, value)};
    if (from.y == layout.zeroY && to.y == layout.zeroY) continue;  // would hide the axis
    context.canvas.DrawLine(from, to, pen);
  }
}

}  // namespace

void DrawLineSeries(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                    const SeriesSet& set) {
  for (const Series& series : set.series) {
    DrawOneLine(context, layout, scale, series, set.drawnPoints);
  }
}

std::vector<int> BarOrderAt(const SeriesSet& set, int point) {
  std::vector<int> order;
  for (size_t s = 0; s < set.series.size(); ++s) order.push_back(static_cast<int>(s));
  // A bubble sort that swaps only on strictly greater keeps equal values in series order.
  for (size_t pass = 0; pass + 1 < order.size(); ++pass) {
    for (size_t j = 0; j + 1 < order.size() - pass; ++j) {
      float here = std::fabs(ValueOf(set.series[static_cast<size_t>(order[j])], point));
      float next = std::fabs(ValueOf(set.series[static_cast<size_t>(order[j + 1])], point));
      if (next > here) std::swap(order[j], order[j + 1]);
    }
  }
  return order;
}

void DrawOverlappedBars(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                        const SeriesSet& set) {
  for (int i = 0; i < set.drawnPoints; ++i) {
    for (int s : BarOrderAt(set, i)) {
      const Series& series = set.series[static_cast<size_t>(s)];
      int y = PixelYOf(layout, scale, ValueOf(series, i));
      Rect bar{PixelXOf(layout, i), std::min(y, layout.zeroY), PixelXOf(layout, i + 1),
               std::max(y, layout.zeroY)};
      context.canvas.DrawRectangle(bar, {kBlack, 1},
                                   {context.palette[series.paletteEntry], false});
    }
  }
}

void Draw3DBars(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                const SeriesSet& set) {
  const int c = static_cast<int>(set.series.size());
  if (c == 0) return;
  const float perSeries = kDepthPerPoint / static_cast<float>(c) * static_cast<float>(layout.w);
  const int d = TruncToPixel(perSeries);
  for (int i = 0; i < set.drawnPoints; ++i) {
    std::vector<int> order = BarOrderAt(set, i);
    for (int j = 0; j < c; ++j) {
      const Series& series = set.series[static_cast<size_t>(order[static_cast<size_t>(j)])];
      const int back = TruncToPixel(static_cast<float>(c - j - 1) * perSeries);
      const int x = PixelXOf(layout, i) + back;
      const int right = x + layout.w;
      const int top = PixelYOf(layout, scale, ValueOf(series, i)) - back;
      const int zero = layout.zeroY - back;
      const int upper = std::min(top, zero);  // a negative bar shows its top at the zero line
      const Pen outline{kBlack, 1};
      const Brush fill{context.palette[series.paletteEntry], false};
      context.canvas.DrawPolygon({{x, top}, {right, top}, {right, zero}, {x, zero}}, outline,
                                 fill);
      context.canvas.DrawPolygon(
          {{right, top}, {right + d, top - d}, {right + d, zero - d}, {right, zero}}, outline,
          fill);
      context.canvas.DrawPolygon(
          {{x, upper}, {right, upper}, {right + d, upper - d}, {x + d, upper - d}}, outline,
          fill);
    }
  }
}

}  // namespace graph
