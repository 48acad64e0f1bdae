#include "graph/axes.h"

#include <algorithm>

#include "core/text.h"

namespace graph {
namespace {

const Pen kAxisPen{kBlack, 2};
const Pen kTickPen{kBlack, 1};

int DivisionY(const GraphLayout& layout, int division) {
  return layout.y0 - division * layout.Division();
}

void DrawAxesAndFrontGrid(DrawContext& context, const GraphLayout& layout) {
  Canvas& canvas = context.canvas;
  const Pen gridPen{context.palette[SeriesPalette::kLightGrey], 1};
  canvas.DrawLine({layout.x0, layout.zeroY}, {layout.x0 + layout.W, layout.zeroY}, kAxisPen);
  canvas.DrawLine({layout.x0, layout.y0}, {layout.x0, layout.y0 - layout.H}, kAxisPen);
  for (int i = 0; i <= 10; ++i) {
    int y = DivisionY(layout, i);
    canvas.DrawLine({layout.x0, y}, {layout.x0 + layout.W, y}, gridPen);
    canvas.DrawLine({layout.x0 - layout.tick / 2, y}, {layout.x0 + layout.tick, y}, kTickPen);
  }
  for (int i = 1; i <= layout.pointCount; ++i) {
    int x = PixelXOf(layout, i);
    canvas.DrawLine({x, layout.y0}, {x, layout.y0 - layout.H}, gridPen);
    canvas.DrawLine({x, layout.zeroY + layout.tick / 2}, {x, layout.zeroY - layout.tick},
                    kTickPen);
  }
}

std::string AgeText(float age) {
  int whole = TruncToPixel(age);
  if (whole <= 9) return core::Format("%1d", whole);
  if (whole < 100) return core::Format("%2d", whole);
  return core::Format("%3d", whole);
}

std::vector<float> AgesOf(const PlotData& data, int points) {
  std::vector<float> ages;
  for (int i = 0; i < std::min(points, kMaxPoints); ++i) ages.push_back(data.Age(i));
  return ages;
}

// The x values every t points, t widening while the labels would crowd each other.
void DrawXLabels(DrawContext& context, const GraphLayout& layout, const std::vector<float>& xValues,
                 int xShift, int y) {
  int t = 1;
  for (int c = layout.pointCount; c > 0 && layout.W < c * layout.cw * 3; c /= 2) t += 2;
  const int points = std::min(layout.pointCount, static_cast<int>(xValues.size()));
  for (int i = 0; i < points; i += t) {
    context.canvas.DrawText({PixelXOf(layout, i) - layout.cw - xShift, y},
                            AgeText(xValues[static_cast<size_t>(i)]), kBlack,
                            context.GraphText());
  }
}

// The money label of division l without its point and cents.
std::string ShownLabel(const AxisScale& scale, int l, Currency currency) {
  std::string text = AxisLabelText(scale.min + static_cast<float>(l) * scale.step, currency);
  return text.size() >= 3 ? text.substr(0, text.size() - 3) : std::string();
}

}  // namespace

void DrawFlatGrid(DrawContext& context, const GraphLayout& layout) {
  DrawAxesAndFrontGrid(context, layout);
}

int Draw3DGrid(DrawContext& context, const GraphLayout& layout) {
  DrawAxesAndFrontGrid(context, layout);
  Canvas& canvas = context.canvas;
  const Pen gridPen{context.palette[SeriesPalette::kLightGrey], 1};
  const int d = layout.depth;
  const int backX = layout.x0 + d;
  canvas.DrawLine({backX, layout.y0 - d}, {backX, layout.y0 - layout.H - d}, kAxisPen);
  for (int i = 0; i <= 10; ++i) {
    int y = DivisionY(layout, i);
    canvas.DrawLine({backX, y - d}, {backX + layout.W, y - d}, gridPen);
    canvas.DrawLine({layout.x0, y}, {backX, y - d}, kTickPen);
  }
  for (int i = 1; i <= layout.pointCount; ++i) {
    int x = PixelXOf(layout, i) + d;
    canvas.DrawLine({x, layout.y0 - d}, {x, layout.y0 - layout.H - d}, gridPen);
  }
  return DivisionY(layout, 10) - d;
}

int LabelStepOf(const GraphLayout& layout) {
  if (layout.H >= 10 * layout.lh) return 1;
  if (layout.H >= 5 * layout.lh) return 2;
  if (layout.H >= 2 * layout.lh) return 3;
  if (layout.H >= layout.lh) return 4;
  return 5;
}

void DrawFlatAxisLabels(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                        const PlotData& data, Currency currency) {
  DrawFlatAxisLabels(context, layout, scale, AgesOf(data, layout.pointCount), currency);
}

void Draw3DAxisLabels(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                      const PlotData& data, Currency currency) {
  Draw3DAxisLabels(context, layout, scale, AgesOf(data, layout.pointCount), currency);
}

void DrawFlatAxisLabels(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                        const std::vector<float>& xValues, Currency currency) {
  Canvas& canvas = context.canvas;
  int step = LabelStepOf(layout);
  for (int l = 0; l <= 10; l += step) {
    std::string shown = ShownLabel(scale, l, currency);
    // Placed so that the decimal point, were it drawn, would end at the axis.
    int x = layout.x0 - canvas.TextWidth(shown + ".");
    int y = layout.y0 - layout.th / 2 - l * layout.Division();
    canvas.DrawText({x, y}, shown, kBlack, context.GraphText());
  }
  DrawXLabels(context, layout, xValues, 0, layout.y0 + layout.tick / 2 + 1);
}

void Draw3DAxisLabels(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                      const std::vector<float>& xValues, Currency currency) {
  Canvas& canvas = context.canvas;
  int step = LabelStepOf(layout);
  for (int l = 0; l <= 10; l += step) {
    std::string shown = ShownLabel(scale, l, currency);
    int length = static_cast<int>(shown.size()) + 3;
    int x = layout.x0 - (length - 3) * layout.cw - layout.tick - layout.w / 4 - 1;
    // Wide point spacings would push long labels off the left edge of the graph.
    x = std::max(x, layout.area.left + 3);
    int y = layout.y0 - layout.th / 2 - l * layout.Division();
    canvas.DrawText({x, y}, shown, kBlack, context.GraphText());
  }
  DrawXLabels(context, layout, xValues, 1, layout.zeroY + 3);
}

}  // namespace graph
