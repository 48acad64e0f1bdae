// The layout and the mapping between values, points and pixels both ways, worked with the SVG
// canvas's fixed metric: a 10-pixel font is 10 high with no leading and 6 wide per character.
#include <gtest/gtest.h>

#include "graph/draw_graph.h"
#include "graph/graph_layout.h"
#include "graph/svg_canvas.h"

namespace graph {
namespace {

GraphLayout LayOut(PlotStyle style, int points, const AxisScale& scale) {
  SvgCanvas canvas(600, 400);
  canvas.SetFont(GraphFont(10));
  LayoutRequest request;
  request.area = {0, 0, 600, 400};
  request.style = style;
  request.pointCount = points;
  request.legendTexts = {"Net Worth", "Equity"};
  return ComputeLayout(canvas, request, scale);
}

AxisScale Scale(float min, float span) { return {min, span, span * 0.1f, span}; }

TEST(GraphLayout, FlatStyleFollowsTheFontAndTheLabels) {
  // Labels 0 .. 20,000 in steps of 2,000: the widest, "$20,000.0", is 9 characters = 54.
  GraphLayout layout = LayOut(PlotStyle::Lines, 8, Scale(0.0f, 20000.0f));
  EXPECT_EQ(layout.lh, 10);
  EXPECT_EQ(layout.labelWidth, 54);
  EXPECT_EQ(layout.x0, 54);
  EXPECT_EQ(layout.y0, 400 - 6 * 10);
  EXPECT_EQ(layout.H, 320);  // 400 - 8 * 10, a multiple of ten
  // W = 600 - 2 * 6 - 54 = 534; w = 534 / 8 = 66; W = 8 * 66.
  EXPECT_EQ(layout.w, 66);
  EXPECT_EQ(layout.W, 528);
  EXPECT_EQ(layout.zeroY, layout.y0);
  EXPECT_EQ(layout.tick, 4);
  // Legend: "Net Worth" is 54 wide, plus 1.5 characters = 63; 14 from the right edge.
  EXPECT_EQ(layout.legendWidth, 63);
  EXPECT_EQ(layout.legendX, 600 - 63 - 14);
}

TEST(GraphLayout, ThreeDStyleMakesRoomForTheBackWall) {
  GraphLayout layout = LayOut(PlotStyle::Bars3D, 8, Scale(0.0f, 20000.0f));
  // The back wall must end left of right - 2 * cw = 588: x0 + W + 1.3 w < 588.
  EXPECT_LT(static_cast<float>(layout.x0 + layout.W) + 1.3f * static_cast<float>(layout.w), 588.0f);
  EXPECT_EQ(layout.depth, static_cast<int>(1.3f * static_cast<float>(layout.w)));
  EXPECT_EQ(layout.y0, 400 - 5 * 10);
  EXPECT_EQ(layout.H % 10, 0);
  EXPECT_EQ(layout.W, 8 * layout.w);
}

TEST(GraphMapping, ValuesAndPixelsAgreeBothWays) {
  AxisScale scale = Scale(-4000.0f, 20000.0f);
  GraphLayout layout = LayOut(PlotStyle::Lines, 8, scale);
  EXPECT_EQ(PixelYOf(layout, scale, -4000.0f), layout.y0);
  EXPECT_EQ(PixelYOf(layout, scale, 16000.0f), layout.y0 - layout.H);
  // Zero is two divisions up: 2 * 32 pixels above the baseline.
  EXPECT_EQ(layout.zeroY, layout.y0 - 64);
  EXPECT_FLOAT_EQ(ValueAtPixel(layout, scale, layout.y0), -4000.0f);
  EXPECT_FLOAT_EQ(ValueAtPixel(layout, scale, layout.zeroY), 0.0f);
  // Half a division above zero: 1,000.
  EXPECT_FLOAT_EQ(ValueAtPixel(layout, scale, layout.zeroY - 16), 1000.0f);
  // Truncation: 990 lies at y 260.16, which truncates to the pixel of 1,000 (260); 1,010
  // at 259.84 goes to 259.
  EXPECT_EQ(PixelYOf(layout, scale, 1000.0f), 260);
  EXPECT_EQ(PixelYOf(layout, scale, 990.0f), 260);
  EXPECT_EQ(PixelYOf(layout, scale, 1010.0f), 259);
}

TEST(GraphMapping, PointUnderAPixelRoundsToTheNearerPoint) {
  GraphLayout layout = LayOut(PlotStyle::Lines, 8, Scale(0.0f, 20000.0f));
  EXPECT_EQ(PixelXOf(layout, 3), layout.x0 + 3 * 66);
  EXPECT_EQ(PointAtPixel(layout, layout.x0), 0);
  EXPECT_EQ(PointAtPixel(layout, layout.x0 + 32), 0);
  EXPECT_EQ(PointAtPixel(layout, layout.x0 + 33), 1);
  EXPECT_EQ(PointAtPixel(layout, layout.x0 + 3 * 66 - 10), 3);
  EXPECT_EQ(PointAtPixel(layout, layout.x0 - 50), 0);
  EXPECT_EQ(PointAtPixel(layout, 10000), 7);
}

TEST(GraphMapping, ClickMarksThePointAtOrLeftOfThePixel) {
  GraphLayout layout = LayOut(PlotStyle::Lines, 8, Scale(0.0f, 20000.0f));
  // (x + 66 - x0) / 66 - 1 with whole-number division.
  EXPECT_EQ(PointAtClick(layout, layout.x0), 0);
  EXPECT_EQ(PointAtClick(layout, layout.x0 + 65), 0);
  EXPECT_EQ(PointAtClick(layout, layout.x0 + 66), 1);
  EXPECT_EQ(PointAtClick(layout, layout.x0 + 7 * 66 + 60), 7);
  EXPECT_EQ(PointAtClick(layout, layout.x0 + layout.W + 500), 7);
}

TEST(GraphMapping, PlotAreaHasItsEdgesInside) {
  GraphLayout layout = LayOut(PlotStyle::Lines, 8, Scale(0.0f, 20000.0f));
  EXPECT_TRUE(InPlotArea(layout, layout.x0, layout.y0));
  EXPECT_TRUE(InPlotArea(layout, layout.x0 + layout.W, layout.y0 - layout.H));
  EXPECT_FALSE(InPlotArea(layout, layout.x0 - 1, layout.y0));
  EXPECT_FALSE(InPlotArea(layout, layout.x0, layout.y0 + 1));
  EXPECT_FALSE(InPlotArea(layout, layout.x0 + layout.W + 1, layout.y0 - 5));
  EXPECT_FALSE(InPlotArea(layout, layout.x0 + 5, layout.y0 - layout.H - 1));
}

TEST(GraphLayout, AxisLabelsReadAsMoneyWithoutCents) {
  EXPECT_EQ(AxisLabelText(12000.0f, Currency::Dollars), "$12,000.00");
  EXPECT_EQ(AxisLabelText(-3000.0f, Currency::Dollars), "-$3,000.00");
  EXPECT_EQ(AxisLabelText(0.0f, Currency::Dollars), "0.00");
}

TEST(PrintArea, TallPagesKeepALandscapeShapeAndLoseTheirMargins) {
  // 2,400 x 3,000 page: height used 2,400 * 2,400 / 3,000 = 1,920.
  Rect area = PrintArea(2400, 3000, {100, 200, 300, 400});
  EXPECT_EQ(area.left, 100);
  EXPECT_EQ(area.top, 200);
  EXPECT_EQ(area.right, 2100);
  EXPECT_EQ(area.bottom, 1520);
  // Half an inch at 600 dots per inch is 300 pixels.
  Margins pixels = MarginsInPixels({500, 1000, 250, 0}, 600, 300);
  EXPECT_EQ(pixels.left, 300);
  EXPECT_EQ(pixels.top, 300);
  EXPECT_EQ(pixels.right, 150);
  EXPECT_EQ(pixels.bottom, 0);
}

}  // namespace
}  // namespace graph
