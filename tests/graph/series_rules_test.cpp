// The rules of what a graph draws: which points, which segments, the bar order, the legend
// order, the groups shown, and the style cycle.
#include <gtest/gtest.h>

#include <vector>

#include "graph/draw_graph.h"
#include "graph/series_drawing.h"
#include "graph/svg_canvas.h"
#include "tests/graph/sample_plot_data.h"

namespace graph {
namespace {

// Records the series lines (pen width 2) so that tests can count segments.
class LineCounter final : public Canvas {
 public:
  void DrawLine(Point from, Point to, const Pen& pen) override {
    if (pen.width == 2 && pen.color != kBlack) lines.push_back({from, to, pen.color});
  }
  void DrawRectangle(const Rect&, const Pen&, const Brush&) override {}
  void DrawPolygon(const std::vector<Point>&, const Pen&, const Brush&) override {}
  void DrawEllipse(const Rect&, const Pen&, const Brush&) override {}
  void DrawPie(const Rect&, Point, Point, const Pen&, const Brush&) override {}
  void DrawText(Point, std::string_view, Color, const TextBackground&) override {}
  void SetFont(const Font& font) override { font_ = font; }
  Font CurrentFont() const override { return font_; }
  TextMetrics Metrics() const override { return {10, 0, 6}; }
  int TextWidth(std::string_view text) const override { return 6 * static_cast<int>(text.size()); }
  void SetClip(const Rect&) override {}
  void ResetClip() override {}

  struct Line {
    Point from, to;
    Color color;
  };
  std::vector<Line> lines;

 private:
  Font font_;
};

DrawOptions LinesOf(GraphKind kind) {
  DrawOptions options;
  options.kind = kind;
  options.area = {0, 0, 640, 480};
  options.lastAccount = 10;
  return options;
}

TEST(SeriesRules, IncomingAndOutgoingKindsLeaveOutTheLastYear) {
  PlotData data = graph_testing::RetirementSample();  // 8 points
  EXPECT_EQ(SeriesOf(data, LinesOf(GraphKind::NetWorth)).drawnPoints, 8);
  EXPECT_EQ(SeriesOf(data, LinesOf(GraphKind::Accounts)).drawnPoints, 8);
  EXPECT_EQ(SeriesOf(data, LinesOf(GraphKind::Groups)).drawnPoints, 8);
  EXPECT_EQ(SeriesOf(data, LinesOf(GraphKind::IncomingOutgoing)).drawnPoints, 7);
  EXPECT_EQ(SeriesOf(data, LinesOf(GraphKind::Incoming)).drawnPoints, 7);
  EXPECT_EQ(SeriesOf(data, LinesOf(GraphKind::Outgoing)).drawnPoints, 7);

  LineCounter canvas;
  DrawGraph(canvas, data, LinesOf(GraphKind::IncomingOutgoing));
  // Two series over 7 points: 6 segments each, none of them at the last point's x.
  EXPECT_EQ(canvas.lines.size(), 12u);
}

TEST(SeriesRules, ZeroSegmentsAndSinglePointsDrawNothing) {
  PlotData data = graph_testing::SinglePointSample();
  LineCounter single;
  DrawGraph(single, data, LinesOf(GraphKind::NetWorth));
  EXPECT_TRUE(single.lines.empty());

  // Net worth: tax-free, retirement, asset and equity columns are all zero in this sample,
  // so only net worth and investment have segments, and each has 0 of them over 1 point;
  // with two points where one series is zero at both ends, that series draws nothing.
  data.pointCount = 2;
  data.rows[1] = data.rows[0];
  LineCounter two;
  DrawGraph(two, data, LinesOf(GraphKind::NetWorth));
  ASSERT_EQ(two.lines.size(), 2u);  // net worth and investment only
}

TEST(SeriesRules, BarsSortByAbsoluteValueAndKeepTiesInOrder) {
  SeriesSet set;
  set.drawnPoints = 1;
  for (float value : {300.0f, -500.0f, 300.0f, 100.0f}) {
    Series series;
    series.values[0] = value;
    set.series.push_back(series);
  }
  EXPECT_EQ(BarOrderAt(set, 0), (std::vector<int>{1, 0, 2, 3}));
}

TEST(SeriesRules, PurchasingPowerIsTheSecondLegendRowAndTheLastBar) {
  PlotData data = graph_testing::RetirementSample();
  SeriesSet set = SeriesOf(data, LinesOf(GraphKind::NetWorth));
  ASSERT_EQ(set.series.size(), 7u);
  EXPECT_TRUE(set.series.back().purchasingPower);
  EXPECT_EQ(set.series.back().paletteEntry, 6);
  std::vector<const Series*> legend = LegendOrder(set);
  EXPECT_EQ(legend[0]->legend, "Net Worth");
  EXPECT_EQ(legend[1]->legend, " Age 60.00 Dollars");
  EXPECT_EQ(legend[2]->legend, "Investment Accounts");

  data.hasPurchasingPower = false;
  EXPECT_EQ(SeriesOf(data, LinesOf(GraphKind::NetWorth)).series.size(), 6u);
}

TEST(SeriesRules, GroupsWithShortNamesAreNotDrawn) {
  PlotData data = graph_testing::RetirementSample();
  SeriesSet set = SeriesOf(data, LinesOf(GraphKind::Groups));
  ASSERT_EQ(set.series.size(), 2u);  // "Liquid" and "Home"; "X" and empty slots are not
  EXPECT_EQ(set.series[0].legend, "Liquid");
  // Liquid holds brokerage and IRA: 40,000 + 90,000 at the first point.
  EXPECT_FLOAT_EQ(set.series[0].values[0], 130000.0f);
  EXPECT_FLOAT_EQ(set.series[1].values[0], 150000.0f);
  EXPECT_EQ(set.series[1].paletteEntry, 1);
}

TEST(SeriesRules, AccountsKindShowsAtMostTenFromTheFirst) {
  PlotData data;
  data.pointCount = 2;
  data.accountCount = 25;
  for (int a = 0; a < 25; ++a) data.accountNames[static_cast<size_t>(a)] = "A" + std::to_string(a);
  DrawOptions options = LinesOf(GraphKind::Accounts);
  options.firstAccount = 20;
  options.lastAccount = 25;
  SeriesSet set = SeriesOf(data, options);
  ASSERT_EQ(set.series.size(), 5u);
  EXPECT_EQ(set.series[0].legend, "A20");
  EXPECT_EQ(set.series[0].paletteEntry, 0);
  options.firstAccount = 0;
  options.lastAccount = 50;  // beyond the accounts and beyond ten
  EXPECT_EQ(SeriesOf(data, options).series.size(), 10u);
}

TEST(SeriesRules, ZoomedRangeKeepsOnlyItsPoints) {
  PlotData data = graph_testing::RetirementSample();  // ages 60..67
  PlotData zoomed = SlicePoints(data, 2, 3);
  ASSERT_EQ(zoomed.pointCount, 3);
  EXPECT_FLOAT_EQ(zoomed.Age(0), 62.0f);
  EXPECT_FLOAT_EQ(zoomed.Age(2), 64.0f);
  EXPECT_FLOAT_EQ(zoomed.AccountValue(0, 0), data.AccountValue(2, 0));
  EXPECT_FLOAT_EQ(zoomed.purchasingPower[2], data.purchasingPower[4]);
  EXPECT_EQ(SlicePoints(data, 6, 10).pointCount, 2);  // never past the last point
  EXPECT_EQ(SlicePoints(data, -3, 2).pointCount, 2);
}

TEST(SeriesRules, StyleCycleNeedsThreePointsForThreeD) {
  EXPECT_EQ(NextStyle(PlotStyle::Lines, 2), PlotStyle::Bars);
  EXPECT_EQ(NextStyle(PlotStyle::Bars, 2), PlotStyle::Lines);
  EXPECT_EQ(NextStyle(PlotStyle::Bars, 3), PlotStyle::Bars3D);
  EXPECT_EQ(NextStyle(PlotStyle::Bars3D, 3), PlotStyle::Lines);
}

}  // namespace
}  // namespace graph
