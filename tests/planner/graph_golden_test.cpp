// The planner's own graphs drawn on the SVG canvas and compared with approved pictures: the
// net worth graph of an example zoomed to an age range, and the Monte Carlo graph of a fixed
// seed with its trial lines, average and success text.
#include <gtest/gtest.h>

#include "graph/draw_graph.h"
#include "graph/monte_carlo_graph.h"
#include "graph/plot_view.h"
#include "graph/svg_canvas.h"
#include "tests/support/golden.h"
#include "tests/planner/planner_fixture.h"

namespace planner_testing {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

class CurveCollector final : public engine::MonteCarloObserver {
 public:
  void OnBaseCurve(const engine::MonteCarloCurve& curve) override {
    graph.ages.assign(curve.ages.begin(), curve.ages.end());
    graph.base.assign(curve.values.begin(), curve.values.end());
  }
  void OnTrialCurve(int, const engine::MonteCarloCurve& curve) override {
    graph.trials.emplace_back(curve.values.begin(), curve.values.end());
  }
  void OnAverageCurve(const engine::MonteCarloCurve& curve) override {
    graph.average.assign(curve.values.begin(), curve.values.end());
  }
  graph::MonteCarloGraph graph;
};

graph::DrawOptions Options(bool zoomed) {
  graph::DrawOptions options;
  options.program = graph::Program::Planner;
  options.zoomed = zoomed;
  options.fontHeight = 12;
  options.area = {0, 0, kWidth, kHeight};
  return options;
}

TEST_F(PlannerTest, AZoomedNetWorthGraph) {
  StartPlanner();  // a first start: EXAMPLE6.RET
  const int start = session().WholeStartAge();
  session().MarkZoomAge(start + 10);
  session().MarkZoomAge(start + 20);
  ASSERT_EQ(session().ZoomGraph(), planner::ZoomOutcome::Zoomed);
  ASSERT_EQ(session().plot().pointCount, 11);
  graph::SvgCanvas canvas(kWidth, kHeight);
  graph::DrawGraph(canvas, session().plot(), Options(true));
  EXPECT_TRUE(testing_support::MatchesGolden("planner/zoomed-net-worth.svg", canvas.Document()));
}

TEST_F(PlannerTest, TheMonteCarloGraphOfAFixedSeed) {
  StartPlanner();
  session().document().scenario.groups.mcTrials = 12;
  session().SeedRandomRates(20261209);
  CurveCollector curves;
  const auto result = session().RunMonteCarloAnalysis(&curves);
  ASSERT_EQ(result.trials, 12);
  curves.graph.trialCount = result.trials;
  curves.graph.successes = result.successes;
  curves.graph.done = true;
  EXPECT_EQ(graph::MonteCarloTexts(curves.graph)[0],
            "  Monte Carlo Analysis - Number of Trials = 12  ");
  graph::SvgCanvas canvas(kWidth, kHeight);
  graph::DrawMonteCarloGraph(canvas, curves.graph, Options(false));
  EXPECT_TRUE(testing_support::MatchesGolden("planner/monte-carlo.svg", canvas.Document()));
}

TEST(MonteCarloTexts, TheCounterUntilTheLastTrialThenTheSuccessShare) {
  graph::MonteCarloGraph graph;
  graph.trial = 37;
  graph.trialCount = 500;
  EXPECT_EQ(graph::MonteCarloTexts(graph),
            std::vector<std::string>{"Monte Carlo Analysis - Trial Number 37 of 500"});
  graph.done = true;
  graph.successes = 456;  // 456 / 500 is 91.20 %
  EXPECT_EQ(graph::MonteCarloTexts(graph),
            (std::vector<std::string>{"  Monte Carlo Analysis - Number of Trials = 500  ",
                                      "Scenario Success = 91.20%"}));
  graph.trialCount = 0;
  EXPECT_EQ(graph::MonteCarloTexts(graph)[1], "Scenario Success =  0.00%");
}

TEST(MonteCarloTexts, TrialLineColoursFollowTheStartupWords) {
  const graph::SeriesPalette palette(graph::Program::Planner);
  graph::MonteCarloGraph graph;
  EXPECT_EQ(graph::TrialLineColour(graph, graph::Program::Planner),
            graph::LightenColor(palette[2]));
  graph.trialColour = graph::TrialColour::Gray;
  EXPECT_EQ(graph::TrialLineColour(graph, graph::Program::Planner),
            graph::LightenColor(palette[graph::SeriesPalette::kGrey]));
  graph.trialColour = graph::TrialColour::DarkYellow;
  EXPECT_EQ(graph::TrialLineColour(graph, graph::Program::Planner), palette[2]);
  graph.lighter = true;
  EXPECT_EQ(graph::TrialLineColour(graph, graph::Program::Planner),
            graph::LightenColor(palette[2]));
}

}  // namespace
}  // namespace planner_testing
