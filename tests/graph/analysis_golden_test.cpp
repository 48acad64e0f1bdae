// The analysis graphs (refinance against months, trade-off against periods) drawn on the SVG
// canvas and compared with approved pictures; and the geometry that sets them apart from the
// plotter's graphs: no title lines, a taller plot and the x-axis caption.
#include <gtest/gtest.h>

#include <string>

#include "graph/analysis_graph.h"
#include "graph/svg_canvas.h"
#include "tests/support/golden.h"

namespace graph {
namespace {

using testing_support::MatchesGolden;

constexpr int kWidth = 640;
constexpr int kHeight = 480;

const AnalysisTexts kRefinance{"Refinance Analysis", "Months", "Month"};
const AnalysisTexts kTradeOff{"Trade-Off Analysis", "Periods", "Period"};

// Ten years of refinance points, one every fourth month: the existing side climbs by 1,000 a
// point from 20,000, the refinanced side by 1,300 from 15,000, so they cross near month 64.
AnalysisData RefinanceSample() {
  AnalysisData data;
  data.seriesNames = {"Existing Mortgage", "Refinanced Mortgage"};
  for (int i = 0; i <= 30; ++i) {
    float f = static_cast<float>(i);
    data.points.push_back({4.0f * f, {20000.0f + 1000.0f * f, 15000.0f + 1300.0f * f, 0.0f}});
  }
  return data;
}

// Two options over 10 periods (12 points): one starts at -5,000 and gains 900 a period, the
// other starts at -1,000 and gains 500.
AnalysisData TradeOffSample() {
  AnalysisData data;
  data.seriesNames = {"Buy", "Lease"};
  for (int p = 0; p < 12; ++p) {
    float f = static_cast<float>(p);
    data.points.push_back({f, {-5000.0f + 900.0f * f, -1000.0f + 500.0f * f, 0.0f}});
  }
  return data;
}

AnalysisDrawOptions Options(PlotStyle style) {
  AnalysisDrawOptions options;
  options.style = style;
  options.area = {0, 0, kWidth, kHeight};
  options.fontHeight = 12;
  return options;
}

std::string Draw(const AnalysisData& data, const AnalysisTexts& texts,
                 const AnalysisDrawOptions& options, DrawnGraph* drawn = nullptr) {
  SvgCanvas canvas(kWidth, kHeight);
  DrawnGraph result = DrawAnalysisGraph(canvas, data, texts, options);
  if (drawn != nullptr) *drawn = result;
  return canvas.Document();
}

TEST(AnalysisGolden, RefinanceInEveryStyle) {
  const std::pair<PlotStyle, const char*> styles[] = {
      {PlotStyle::Lines, "lines"}, {PlotStyle::Bars, "bars"}, {PlotStyle::Bars3D, "3d"}};
  for (const auto& [style, name] : styles) {
    EXPECT_TRUE(MatchesGolden(std::string("graph/refinance-") + name + ".svg",
                              Draw(RefinanceSample(), kRefinance, Options(style))));
  }
}

TEST(AnalysisGolden, TradeOffWithTwoOptionsAndNegativeValues) {
  EXPECT_TRUE(MatchesGolden("graph/trade-off-two-options.svg",
                            Draw(TradeOffSample(), kTradeOff, Options(PlotStyle::Lines))));
}

TEST(AnalysisGolden, PieOfOnePeriodAndThePrintedPage) {
  AnalysisDrawOptions pie = Options(PlotStyle::Lines);
  pie.pie = true;
  pie.piePoint = 11;
  std::string pieSvg = Draw(TradeOffSample(), kTradeOff, pie);
  EXPECT_TRUE(MatchesGolden("graph/trade-off-pie.svg", pieSvg));
  EXPECT_NE(pieSvg.find(">Period 11</text>"), std::string::npos);

  AnalysisDrawOptions printed = Options(PlotStyle::Bars);
  printed.printing = true;
  std::string printedSvg = Draw(RefinanceSample(), kRefinance, printed);
  EXPECT_TRUE(MatchesGolden("graph/refinance-printed.svg", printedSvg));
  EXPECT_NE(printedSvg.find(">Refinance Analysis</text>"), std::string::npos);
}

TEST(AnalysisGraph, PlotTakesTheRoomOfTheTitleLines) {
  // Font 12 on the SVG canvas: lh = 12. The baseline stands 3 lines above the bottom,
  // 480 - 36 = 444, and the plot is 480 - 5 * 12 = 420 high (a multiple of ten already).
  DrawnGraph drawn;
  std::string svg = Draw(RefinanceSample(), kRefinance, Options(PlotStyle::Lines), &drawn);
  EXPECT_EQ(drawn.layout.y0, 444);
  EXPECT_EQ(drawn.layout.H, 420);
  EXPECT_EQ(drawn.layout.pointCount, 31);
  // The caption's top is at 480 - 12 - 9 = 459 and its baseline 4/5 of 12 lower, at 468.
  EXPECT_NE(svg.find("y=\"468\""), std::string::npos);
  EXPECT_NE(svg.find(">Months</text>"), std::string::npos);
  // The x labels are month numbers, not ages; the title lines are never drawn.
  EXPECT_NE(svg.find(">120</text>"), std::string::npos);
  EXPECT_EQ(svg.find("Dummy"), std::string::npos);
}

TEST(AnalysisGraph, SinglePointDrawsNoSegment) {
  AnalysisData data;
  data.seriesNames = {"Existing Mortgage", "Refinanced Mortgage"};
  data.points.push_back({0.0f, {1000.0f, 800.0f, 0.0f}});
  // Series pens are 2 pixels wide in palette entries 0 (blue) and 1 (red).
  const std::string blueLine = "stroke=\"#0000FF\" stroke-width=\"2\"";
  const std::string redLine = "stroke=\"#FF0000\" stroke-width=\"2\"";
  DrawnGraph drawn;
  std::string svg = Draw(data, kRefinance, Options(PlotStyle::Lines), &drawn);
  EXPECT_EQ(drawn.layout.pointCount, 1);
  EXPECT_EQ(svg.find(blueLine), std::string::npos);
  EXPECT_EQ(svg.find(redLine), std::string::npos);
  // A second point makes one segment of each series.
  data.points.push_back({4.0f, {1100.0f, 900.0f, 0.0f}});
  svg = Draw(data, kRefinance, Options(PlotStyle::Lines), &drawn);
  EXPECT_EQ(drawn.layout.pointCount, 2);
  EXPECT_NE(svg.find(blueLine), std::string::npos);
  EXPECT_NE(svg.find(redLine), std::string::npos);
}

TEST(AnalysisGraph, SeriesAndSlicesFollowTheNamedOptions) {
  SeriesSet set = AnalysisSeries(TradeOffSample());
  ASSERT_EQ(set.series.size(), 2u);
  EXPECT_EQ(set.drawnPoints, 12);  // every point, the last one too
  EXPECT_EQ(set.series[1].legend, "Lease");
  EXPECT_EQ(set.series[1].paletteEntry, 1);
  EXPECT_FLOAT_EQ(set.series[0].values[11], 4900.0f);  // -5,000 + 11 * 900
  std::vector<PieSlice> slices = AnalysisPieSlices(TradeOffSample(), 11);
  ASSERT_EQ(slices.size(), 2u);
  EXPECT_FLOAT_EQ(slices[1].value, 4500.0f);  // -1,000 + 11 * 500
  EXPECT_TRUE(AnalysisPieSlices(TradeOffSample(), 12).empty());
}

}  // namespace
}  // namespace graph
