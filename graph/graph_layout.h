// Where a graph stands on its device: the plot origin and size, the point spacing, the zero
// line and the legend, and the mapping between values, points and pixels both ways.
#pragma once

#include <string>
#include <vector>

#include "graph/axis_scale.h"
#include "graph/canvas.h"
#include "graph/format_money.h"
#include "graph/graph_kind.h"

namespace graph {

struct GraphLayout {
  Rect area;
  int lh = 0;  // line height: text height plus external leading
  int th = 0;  // text height
  int cw = 0;  // average character width
  int x0 = 0;  // left edge of the plot
  int y0 = 0;  // baseline of the plot
  int H = 10;  // plot height, a multiple of ten
  int W = 0;   // plot width, pointCount * w
  int w = 1;   // point spacing
  int pointCount = 0;
  int zeroY = 0;
  int tick = 4;
  int depth = 0;  // 3-D: how far the back wall stands right of and above the front
  int labelWidth = 15;
  int legendX = 0;
  int legendWidth = 0;
  int legendTop = 0;

  int Division() const { return H / 10; }
};

struct LayoutRequest {
  Rect area;
  PlotStyle style = PlotStyle::Lines;
  int pointCount = 0;
  bool printing = false;
  bool accountsLegend = false;  // the accounts and groups legend stands further in
  std::vector<std::string> legendTexts;
  Currency currency = Currency::Dollars;
};

// The text of the y-axis label of `value` before its last three characters (the point and the
// cents) are cut off: "12000.00" money, "-" before the money of a negative value, "0.00".
std::string AxisLabelText(float value, Currency currency);

// Lays a graph out with the canvas's current font.
GraphLayout ComputeLayout(const Canvas& canvas, const LayoutRequest& request,
                          const AxisScale& scale);

// Pixel of a value (truncated) and of a point.
int PixelYOf(const GraphLayout& layout, const AxisScale& scale, float value);
int PixelXOf(const GraphLayout& layout, int point);

// The value at a pixel's height: min + (y0 - y) / H * span.
float ValueAtPixel(const GraphLayout& layout, const AxisScale& scale, int y);
// The point nearest to a pixel column, within 0..pointCount-1 (-1 without points).
int PointAtPixel(const GraphLayout& layout, int x);
// The point a click marks, (x + w - x0) / w - 1: the point at or left of the pixel, within
// 0..pointCount-1 (-1 without points). Double-clicks and zoom marks use it.
int PointAtClick(const GraphLayout& layout, int x);
// Whether a pixel lies over the plot: x from x0 to x0 + W, y from y0 - H to y0.
bool InPlotArea(const GraphLayout& layout, int x, int y);

// Truncates toward zero, keeping NaN and huge values to something drawable.
int TruncToPixel(float value);

}  // namespace graph
