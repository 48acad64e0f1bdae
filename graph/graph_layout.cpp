#include "graph/graph_layout.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"

namespace graph {
namespace {

constexpr float kDepthPerPoint = 1.3f;  // the 3-D back wall stands 1.3 point spacings back
constexpr int kMostDepthSteps = 40;

int FloorToTen(int value) { return std::max(10, value - ((value % 10) + 10) % 10); }

int LabelWidth(const Canvas& canvas, const AxisScale& scale, Currency currency) {
  int widest = 0;
  for (int l = 0; l <= 10; ++l) {
    std::string text = AxisLabelText(scale.min + static_cast<float>(l) * scale.step, currency);
    if (!text.empty()) text.pop_back();
    widest = std::max(widest, canvas.TextWidth(text));
  }
  return widest > 0 ? widest : 15;
}

int WidestText(const Canvas& canvas, const std::vector<std::string>& texts) {
  int widest = 0;
  for (const std::string& text : texts) widest = std::max(widest, canvas.TextWidth(text));
  return widest;
}

// Plot width and point spacing for a given 3-D extra room `e`; the width is a whole number of
// point spacings.
void FitWidth(GraphLayout& layout, int e) {
  const Rect& area = layout.area;
  int width = area.right - 2 * layout.cw - layout.labelWidth - area.left - e;
  layout.w = std::max(1, width / std::max(1, layout.pointCount));
  layout.W = std::max(1, layout.pointCount) * layout.w;
}

}  // namespace

std::string AxisLabelText(float value, Currency currency) {
  if (value < 0.0f) return "-" + FormatMoney(core::Format("%.2f", -static_cast<double>(value)),
                                             false, currency);
  std::string number = core::Format("%.2f", static_cast<double>(value));
  return value == 0.0f ? number : FormatMoney(number, false, currency);
}

GraphLayout ComputeLayout(const Canvas& canvas, const LayoutRequest& request,
                          const AxisScale& scale) {
  GraphLayout layout;
  layout.area = request.area;
  const Rect& area = request.area;
  TextMetrics metrics = canvas.Metrics();
  layout.th = metrics.height;
  layout.lh = metrics.height + metrics.externalLeading;
  layout.cw = std::max(1, metrics.averageCharWidth);
  layout.tick = request.printing ? 16 : 4;
  layout.pointCount = std::clamp(request.pointCount, 0, kMaxSeriesPoints);

  layout.legendWidth = WidestText(canvas, request.legendTexts) + 3 * layout.cw / 2;
  layout.legendX = area.right - layout.legendWidth - (request.accountsLegend ? 24 : 14);
  layout.legendTop = area.top;

  layout.labelWidth = LabelWidth(canvas, scale, request.currency);
  layout.x0 = area.left + layout.labelWidth;
  int e = 0;
  FitWidth(layout, e);
  if (request.style == PlotStyle::Bars3D) {
    for (int i = 0; i < kMostDepthSteps; ++i) {
      float backWall = static_cast<float>(layout.x0 + layout.W) +
                       kDepthPerPoint * static_cast<float>(layout.w);
      if (static_cast<float>(area.right - 2 * layout.cw) > backWall) break;
      e += layout.cw;
      FitWidth(layout, e);
    }
    layout.depth = TruncToPixel(kDepthPerPoint * static_cast<float>(layout.w));
    layout.y0 = area.bottom - 5 * layout.lh;
    layout.H = FloorToTen(area.bottom - area.top - 7 * layout.lh - e);
  } else {
    layout.y0 = area.bottom - 6 * layout.lh;
    layout.H = FloorToTen(area.bottom - area.top - 8 * layout.lh);
  }
  layout.zeroY = PixelYOf(layout, scale, 0.0f);
  return layout;
}

int TruncToPixel(float value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<int>(std::clamp(value, -1e7f, 1e7f));
}

int PixelYOf(const GraphLayout& layout, const AxisScale& scale, float value) {
  float offset = (value - scale.min) / scale.span * static_cast<float>(layout.H);
  return TruncToPixel(static_cast<float>(layout.y0) - offset);
}

int PixelXOf(const GraphLayout& layout, int point) { return layout.x0 + point * layout.w; }

float ValueAtPixel(const GraphLayout& layout, const AxisScale& scale, int y) {
  return scale.min +
         static_cast<float>(layout.y0 - y) / static_cast<float>(layout.H) * scale.span;
}

int PointAtPixel(const GraphLayout& layout, int x) {
  if (layout.pointCount <= 0) return -1;
  int point = (x - layout.x0 + layout.w / 2) / std::max(1, layout.w);
  if (x < layout.x0) point = 0;
  return std::clamp(point, 0, layout.pointCount - 1);
}

int PointAtClick(const GraphLayout& layout, int x) {
  if (layout.pointCount <= 0) return -1;
  int point = (x + layout.w - layout.x0) / std::max(1, layout.w) - 1;
  return std::clamp(point, 0, layout.pointCount - 1);
}

bool InPlotArea(const GraphLayout& layout, int x, int y) {
  return x >= layout.x0 && x <= layout.x0 + layout.W && y >= layout.y0 - layout.H &&
         y <= layout.y0;
}

}  // namespace graph
