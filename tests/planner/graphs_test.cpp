// The planner's graphs without a window: the zoom rule, the point under the pointer, the plot
// data of a zoomed run, the summary pane of a worked row, and when the Monte Carlo analysis is
// stale.
#include <gtest/gtest.h>

#include "planner/graph_zoom.h"
#include "planner/summary_pane.h"
#include "tests/planner/planner_fixture.h"

namespace planner_testing {
namespace {

using planner::GraphZoom;
using planner::ZoomOutcome;

struct ZoomCase {
  const char* name;
  int firstMark;  // 0: none
  int secondMark;
  ZoomOutcome outcome;
  int firstAge;
  int lastAge;
};

TEST(GraphZoomRule, MarksGiveTheRangeOrARefusal) {
  // A plan whose graph starts at 45 and ends at 95.
  const ZoomCase cases[] = {
      {"two ages apart is refused", 50, 51, ZoomOutcome::Refused, 0, 0},
      {"three ages", 50, 52, ZoomOutcome::Zoomed, 50, 52},
      {"marks in either order", 60, 55, ZoomOutcome::Zoomed, 55, 60},
      {"past the end age", 90, 96, ZoomOutcome::Refused, 0, 0},
      {"up to the end age", 90, 95, ZoomOutcome::Zoomed, 90, 95},
      {"a start alone runs from the first age", 50, 0, ZoomOutcome::Zoomed, 45, 50},
      {"no mark cancels", 0, 0, ZoomOutcome::Cancelled, 0, 0},
  };
  for (const ZoomCase& c : cases) {
    GraphZoom zoom;
    if (c.firstMark != 0) zoom.Mark(c.firstMark);
    if (c.secondMark != 0) zoom.Mark(c.secondMark);
    EXPECT_EQ(zoom.Zoom(45, 95.0f), c.outcome) << c.name;
    EXPECT_EQ(zoom.zoomed(), c.outcome == ZoomOutcome::Zoomed) << c.name;
    if (zoom.zoomed()) {
      EXPECT_EQ(zoom.firstAge(), c.firstAge) << c.name;
      EXPECT_EQ(zoom.lastAge(), c.lastAge) << c.name;
    }
    EXPECT_EQ(zoom.startMark(), 0) << c.name;  // the marks are used up either way
  }
}

TEST(GraphZoomRule, ARefusalKeepsTheZoomShownAndNoMarksCancelIt) {
  GraphZoom zoom;
  zoom.Mark(50);
  zoom.Mark(60);
  ASSERT_EQ(zoom.Zoom(45, 95.0f), ZoomOutcome::Zoomed);
  zoom.Mark(70);
  zoom.Mark(71);
  EXPECT_EQ(zoom.Zoom(45, 95.0f), ZoomOutcome::Refused);
  EXPECT_TRUE(zoom.zoomed());
  EXPECT_EQ(zoom.firstAge(), 50);
  EXPECT_EQ(zoom.Zoom(45, 95.0f), ZoomOutcome::Cancelled);
  EXPECT_FALSE(zoom.zoomed());
  // A third mark starts a new range.
  zoom.Mark(50);
  zoom.Mark(55);
  zoom.Mark(70);
  zoom.Mark(80);
  ASSERT_EQ(zoom.Zoom(45, 95.0f), ZoomOutcome::Zoomed);
  EXPECT_EQ(zoom.firstAge(), 70);
}

TEST(GraphZoomRule, PointUnderThePointer) {
  graph::GraphLayout layout;
  layout.x0 = 100;
  layout.w = 10;
  EXPECT_EQ(planner::PointUnderPointer(layout, 100), 0);
  EXPECT_EQ(planner::PointUnderPointer(layout, 109), 0);
  EXPECT_EQ(planner::PointUnderPointer(layout, 110), 1);
  EXPECT_EQ(planner::PointUnderPointer(layout, 99), -1);
}

TEST_F(PlannerTest, AZoomedRunPlotsOnlyItsAgesAndANewScenarioShowsAllAgain) {
  StartPlanner();
  const int first = session().WholeStartAge();
  const int all = session().plot().pointCount;
  ASSERT_GT(all, 10);
  session().MarkZoomAge(first + 5);
  session().MarkZoomAge(first + 7);
  EXPECT_EQ(session().ZoomGraph(), ZoomOutcome::Zoomed);
  EXPECT_EQ(session().plot().pointCount, 3);
  EXPECT_FLOAT_EQ(session().plot().Age(0), static_cast<float>(first + 5));
  // The schedule stays whole.
  EXPECT_GE(session().schedule().FirstLineOfAge(first + 20), 0);
  view.nextChoices = {2};
  session().Execute(1);  // a new scenario
  EXPECT_FALSE(session().zoom().zoomed());
}

TEST(SummaryPane, PartsAndTheirSharesOfAWorkedRow) {
  engine::RunResults results;
  results.yearIndex = 0;
  engine::ResultsYear& y = results.years[0];
  y.age = 50.0f;
  // Worked by hand: 200,000 of 800,000 is 25.00 %; 600,000 is 75.00 %.
  y.investment = 200000.0f;
  y.retirement = 600000.0f;
  y.netWorth = 800000.0f;
  y.deposits = 1234.5f;
  y.totalIncoming = 1234.5f;
  y.taxes = 99.99f;
  results.purchasingPowerByYear[0] = 640000.0f;
  const auto lines = planner::SummaryPane(results, 0, 45.0f, '$');
  auto find = [&lines](const std::string& label) {
    for (const auto& line : lines) {
      if (line.label == label) return line;
    }
    return planner::SummaryLine{"missing", "", "", false};
  };
  EXPECT_EQ(lines.front().label, "Age  50.0");
  EXPECT_EQ(find("Net Worth").amount, "$800,000.00");
  EXPECT_EQ(find("Investment Accounts").share, " 25.00%");
  EXPECT_EQ(find("Retirement Accounts").share, " 75.00%");
  EXPECT_EQ(find("Equity").share, "  0.00%");
  EXPECT_EQ(find("Deposits").amount, "$1,234.50");
  EXPECT_EQ(find("Taxes").amount, "$99.99");
  EXPECT_EQ(find("Age 50 Net Worth").amount, "$800,000.00");
  EXPECT_EQ(find("Age 45.0 Purch. Power").amount, "$640,000.00");
  EXPECT_TRUE(planner::SummaryPane(results, 1, 45.0f, '$').empty());
}

TEST(SummaryPane, ANetWorthOfZeroHasNoShares) {
  engine::RunResults results;
  results.yearIndex = 0;
  results.years[0].age = 5.0f;
  results.years[0].investment = 10.0f;
  const auto lines = planner::SummaryPane(results, 0, 5.0f, '$');
  EXPECT_EQ(lines[2].share, "  0.00%");
  EXPECT_EQ(lines[lines.size() - 2].label, "Age 5 Net Worth");
}

TEST_F(PlannerTest, TheScheduleAndTheGraphsChooseTheSummaryAge) {
  StartPlanner();
  const int age = session().WholeStartAge() + 4;
  session().SelectSummaryAge(age);
  EXPECT_EQ(static_cast<int>(session().lastRun().results.years[session().summaryRow()].age), age);
  session().ChooseScheduleLine(session().schedule().FirstLineOfAge(age + 1));
  EXPECT_EQ(static_cast<int>(session().lastRun().results.years[session().summaryRow()].age),
            age + 1);
}

class CountingObserver final : public engine::MonteCarloObserver {
 public:
  void OnTrialStarted(int trial, int trials) override {
    last = trial;
    total = trials;
  }
  int last = 0;
  int total = 0;
};

TEST_F(PlannerTest, TheMonteCarloAnalysisIsStaleOnlyAfterAChange) {
  StartPlanner();
  EXPECT_TRUE(session().MonteCarloStale());
  session().document().scenario.groups.mcTrials = 20;
  CountingObserver observer;
  const auto result = session().RunMonteCarloAnalysis(&observer);
  EXPECT_EQ(result.trials, 20);
  EXPECT_EQ(observer.last, 20);
  EXPECT_FALSE(session().MonteCarloStale());
  EXPECT_TRUE(std::filesystem::exists(dir / "stats.dat"));
  session().Rerun();  // nothing changed
  EXPECT_FALSE(session().MonteCarloStale());
  session().ScenarioEdited();
  EXPECT_TRUE(session().MonteCarloStale());
  // The plain run is there again: the schedule has no random-rate lines.
  for (const auto& line : session().schedule().lines()) EXPECT_NE(line.tag, engine::kTagRandomRates);
}

}  // namespace
}  // namespace planner_testing
