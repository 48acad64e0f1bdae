// The pie: slices and shares, and what lies under the pointer in the circle and in the list.
#include <gtest/gtest.h>

#include <cmath>

#include "graph/pie.h"
#include "graph/svg_canvas.h"

namespace graph {
namespace {

PieGeometry PieOf(std::vector<float> values, GraphKind kind = GraphKind::Accounts) {
  SvgCanvas canvas(600, 400);
  canvas.SetFont(Font{"Courier", 10, 400});
  std::vector<PieSlice> slices;
  int entry = 0;
  for (float value : values) slices.push_back({"S" + std::to_string(entry), value, entry++});
  PieRequest request;
  request.area = {0, 0, 600, 400};
  request.kind = kind;
  return LayOutPie(canvas, request, slices);
}

// A pixel at `angle` (0 right, growing downward) half a radius from the centre.
Point At(const PieGeometry& pie, float angle) {
  float r = static_cast<float>(pie.radius) / 2.0f;
  return {pie.centre.x + static_cast<int>(std::lround(r * std::cos(angle))),
          pie.centre.y + static_cast<int>(std::lround(r * std::sin(angle)))};
}

TEST(PieHit, SlicesRunClockwiseFromTheRight) {
  // 30 %, 10 %, 60 %: slice 0 covers 0..108 degrees, slice 1 108..144, slice 2 the rest.
  PieGeometry pie = PieOf({30.0f, 10.0f, 60.0f});
  EXPECT_FLOAT_EQ(pie.total, 100.0f);
  const float degree = 3.14159265f / 180.0f;
  Point p = At(pie, 90 * degree);  // straight below the centre
  EXPECT_EQ(PieSliceAt(pie, p.x, p.y), 0);
  p = At(pie, 126 * degree);
  EXPECT_EQ(PieSliceAt(pie, p.x, p.y), 1);
  p = At(pie, 180 * degree);  // left
  EXPECT_EQ(PieSliceAt(pie, p.x, p.y), 2);
  p = At(pie, 270 * degree);  // above: 2 pi minus the angle below
  EXPECT_EQ(PieSliceAt(pie, p.x, p.y), 2);
  EXPECT_NEAR(PieAngleAt(pie, p.x, p.y), 270 * degree, 0.02f);
  EXPECT_EQ(PieSliceAt(pie, pie.centre.x + pie.radius + 5, pie.centre.y), -1);
}

TEST(PieHit, NegativePartsCountAsNothing) {
  PieGeometry pie = PieOf({50.0f, -20.0f, 50.0f});
  EXPECT_FLOAT_EQ(pie.total, 100.0f);
  EXPECT_EQ(pie.cumulative, (std::vector<float>{50.0f, 50.0f, 100.0f}));
  std::vector<std::string> rows = PieListRows(pie, GraphKind::Accounts, Currency::Dollars);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], " S0   50.00%");
  EXPECT_EQ(rows[1], " S1    0.00%");
  EXPECT_EQ(rows[3], " Total = $100.00");
}

TEST(PieHit, IncomingOutgoingListShowsNoShares) {
  PieGeometry pie = PieOf({70.0f, 30.0f}, GraphKind::IncomingOutgoing);
  std::vector<std::string> rows = PieListRows(pie, GraphKind::IncomingOutgoing, Currency::Dollars);
  EXPECT_EQ(rows[0], " S0");
  EXPECT_EQ(rows[2], " Total = $100.00");
}

TEST(PieHit, ListRowsAreFoundByHeight) {
  PieGeometry pie = PieOf({1.0f, 2.0f, 3.0f});
  int x = pie.list.left + 5;
  EXPECT_EQ(PieListRowAt(pie, x, pie.listRowTop + 1), 0);
  EXPECT_EQ(PieListRowAt(pie, x, pie.listRowTop + 2 * pie.lh + 1), 2);
  EXPECT_EQ(PieListRowAt(pie, x, pie.listRowTop + 3 * pie.lh + 1), -1);  // the total row
  EXPECT_EQ(PieListRowAt(pie, pie.list.right + 5, pie.listRowTop + 1), -1);
}

TEST(PieHit, ZeroTotalShowsNoSlices) {
  PieGeometry pie = PieOf({0.0f, 0.0f});
  EXPECT_EQ(PieSliceAt(pie, pie.centre.x + 1, pie.centre.y + 1), -1);
  std::vector<std::string> rows = PieListRows(pie, GraphKind::Accounts, Currency::Dollars);
  EXPECT_EQ(rows[0], " S0    0.00%");
}

}  // namespace
}  // namespace graph
