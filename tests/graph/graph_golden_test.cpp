// Whole graphs drawn on the SVG canvas and compared with approved pictures: every kind in
// every style, the pies, negative values, one point and all-zero data.
#include <gtest/gtest.h>

#include <string>

#include "graph/draw_graph.h"
#include "graph/label_box.h"
#include "graph/svg_canvas.h"
#include "tests/support/golden.h"
#include "tests/graph/sample_plot_data.h"

namespace graph {
namespace {

using testing_support::MatchesGolden;

constexpr int kWidth = 640;
constexpr int kHeight = 480;

DrawOptions Options(GraphKind kind, PlotStyle style) {
  DrawOptions options;
  options.kind = kind;
  options.style = style;
  options.area = {0, 0, kWidth, kHeight};
  options.fontHeight = 12;
  options.firstAccount = 0;
  options.lastAccount = 10;
  return options;
}

std::string Draw(const PlotData& data, const DrawOptions& options) {
  SvgCanvas canvas(kWidth, kHeight);
  DrawGraph(canvas, data, options);
  return canvas.Document();
}

const char* StyleName(PlotStyle style) {
  switch (style) {
    case PlotStyle::Lines: return "lines";
    case PlotStyle::Bars: return "bars";
    case PlotStyle::Bars3D: return "3d";
  }
  return "";
}

struct KindName {
  GraphKind kind;
  const char* name;
};
const KindName kKinds[] = {{GraphKind::NetWorth, "networth"},
                           {GraphKind::IncomingOutgoing, "incoming-outgoing"},
                           {GraphKind::Incoming, "incoming"},
                           {GraphKind::Outgoing, "outgoing"},
                           {GraphKind::Accounts, "accounts"},
                           {GraphKind::Groups, "groups"}};
const PlotStyle kStyles[] = {PlotStyle::Lines, PlotStyle::Bars, PlotStyle::Bars3D};

TEST(GraphGolden, EveryKindInEveryStyle) {
  PlotData data = graph_testing::RetirementSample();
  for (const KindName& kind : kKinds) {
    for (PlotStyle style : kStyles) {
      std::string name = std::string("retirement-") + kind.name + "-" + StyleName(style) + ".svg";
      EXPECT_TRUE(MatchesGolden("graph/" + name, Draw(data, Options(kind.kind, style))));
    }
  }
}

TEST(GraphGolden, PiesOfEveryKind) {
  PlotData data = graph_testing::RetirementSample();
  for (const KindName& kind : kKinds) {
    DrawOptions options = Options(GraphKind::Pie, PlotStyle::Lines);
    options.pieKind = kind.kind;
    options.piePoint = 3;
    std::string name = std::string("retirement-pie-") + kind.name + ".svg";
    EXPECT_TRUE(MatchesGolden("graph/" + name, Draw(data, options)));
  }
}

TEST(GraphGolden, NegativeValuesInEveryStyle) {
  PlotData data = graph_testing::DebtSample();
  for (PlotStyle style : kStyles) {
    std::string name = std::string("debt-accounts-") + StyleName(style) + ".svg";
    EXPECT_TRUE(MatchesGolden("graph/" + name, Draw(data, Options(GraphKind::Accounts, style))));
  }
  EXPECT_TRUE(MatchesGolden("graph/debt-networth-lines.svg",
                            Draw(data, Options(GraphKind::NetWorth, PlotStyle::Lines))));
}

TEST(GraphGolden, SinglePointAndAllZeroData) {
  EXPECT_TRUE(MatchesGolden("graph/single-point-networth-lines.svg",
                            Draw(graph_testing::SinglePointSample(),
                                 Options(GraphKind::NetWorth, PlotStyle::Lines))));
  EXPECT_TRUE(MatchesGolden("graph/single-point-networth-bars.svg",
                            Draw(graph_testing::SinglePointSample(),
                                 Options(GraphKind::NetWorth, PlotStyle::Bars))));
  EXPECT_TRUE(MatchesGolden("graph/all-zero-networth-lines.svg",
                            Draw(graph_testing::AllZeroSample(),
                                 Options(GraphKind::NetWorth, PlotStyle::Lines))));
  DrawOptions pie = Options(GraphKind::Pie, PlotStyle::Lines);
  pie.piePoint = 0;
  EXPECT_TRUE(MatchesGolden("graph/all-zero-pie.svg", Draw(graph_testing::AllZeroSample(), pie)));
}

TEST(GraphGolden, PrintedPlannerGraphWithLegendOverTheSeries) {
  DrawOptions options = Options(GraphKind::NetWorth, PlotStyle::Bars3D);
  options.printing = true;
  options.program = Program::Planner;
  options.legend = LegendMode::OverSeries;
  options.currency = Currency::Pounds;
  options.area = PrintArea(kWidth, kHeight, {20, 20, 20, 20});
  EXPECT_TRUE(MatchesGolden("graph/retirement-networth-3d-printed-pounds.svg",
                            Draw(graph_testing::RetirementSample(), options)));
}

TEST(GraphGolden, ReadOutLabelsOverAGraph) {
  SvgCanvas canvas(kWidth, kHeight);
  DrawnGraph drawn = DrawGraph(canvas, graph_testing::RetirementSample(),
                               Options(GraphKind::NetWorth, PlotStyle::Lines));
  DrawContext context(canvas, Program::Companion, false);
  const GraphLayout& layout = drawn.layout;
  int y = layout.y0 - layout.H / 2;
  std::string value = SignedMoney(ValueAtPixel(layout, drawn.scale, y), Currency::Dollars);
  DrawReadoutRightAligned(context, layout.th, layout.x0 + layout.W / 2, y, value);
  DrawReadoutLeftAligned(context, layout.th, layout.x0 + 10, layout.y0 - 40, "-$1,234.50");
  DrawTwoLineReadoutRightAligned(context, layout.th, layout.x0 + layout.W, layout.y0 - 100,
                                 "Investment Accounts", "$31,000.00");
  EXPECT_TRUE(MatchesGolden("graph/retirement-readouts.svg", canvas.Document()));
}

}  // namespace
}  // namespace graph
