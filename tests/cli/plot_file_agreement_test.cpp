// The engine writes the working plot file and the graph library reads it: for every example
// scenario the points read back are the run's results rows, to the cent, and a plot file
// written for a zoomed graph holds exactly the points that the graph's zoom draws.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/simulation.h"
#include "graph/plot_file_reader.h"
#include "tests/cli/example_scenarios.h"

namespace {

// A value printed "%.2f" and read back into a float: half a cent of printing and one step of
// the float that holds it.
float Tolerance(float value) {
  const float magnitude = std::fabs(value);
  return 0.005f + (std::nextafter(magnitude, 2.0f * magnitude + 1.0f) - magnitude);
}

struct PlotRun {
  std::unique_ptr<engine::RunContext> ctx = std::make_unique<engine::RunContext>();
  std::unique_ptr<graph::PlotData> plot = std::make_unique<graph::PlotData>();
};

std::unique_ptr<PlotRun> RunAndRead(const core::Scenario& original,
                                    const engine::GraphAgeWindow& window) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  auto run = std::make_unique<PlotRun>();
  auto scenario = std::make_unique<core::Scenario>(original);
  run->ctx->env.workDir = dir.path();
  run->ctx->env.prompter = &prompter;
  run->ctx->env.today = platform::DateTime{2026, 6, 15, 9, 30, 0};
  run->ctx->options.graphWindow = window;
  EXPECT_TRUE(engine::RunSimulation(*run->ctx, *scenario, engine::ScheduleMode::List));
  EXPECT_TRUE(graph::ReadPlotFile(dir / "plotinf01.tmp", *run->plot, prompter));
  EXPECT_TRUE(prompter.Lines().empty());
  return run;
}

// Rows 0..6 of a results year against a point of the file; the first age may carry the
// birthday fraction.
void ExpectPointIsRow(const graph::PlotData& plot, int point, const engine::ResultsYear& year) {
  SCOPED_TRACE("point " + std::to_string(point));
  EXPECT_EQ(static_cast<int>(plot.Age(point)), static_cast<int>(year.age));
  const graph::PlotRow& row = plot.rows[static_cast<size_t>(point)];
  EXPECT_NEAR(row[graph::kInvestmentTotal], year.investment, Tolerance(year.investment));
  EXPECT_NEAR(row[graph::kRetirementTotal], year.retirement, Tolerance(year.retirement));
  EXPECT_NEAR(row[graph::kNetWorth], year.netWorth, Tolerance(year.netWorth));
  EXPECT_NEAR(row[graph::kTotalIncoming], year.totalIncoming, Tolerance(year.totalIncoming));
  EXPECT_NEAR(row[graph::kTotalOutgoing], year.totalOutgoing, Tolerance(year.totalOutgoing));
  EXPECT_NEAR(row[graph::kOtherLoanOutgoing], year.lossesAndCosts, Tolerance(year.lossesAndCosts));
}

class PlotFileAgreement : public testing::TestWithParam<int> {};

TEST_P(PlotFileAgreement, PointsReadBackAreTheResultsRows) {
  const auto example = cli_testing::LoadExample(GetParam());
  ASSERT_TRUE(example->read);
  const auto run = RunAndRead(example->scenario(), {});
  const engine::RunResults& results = run->ctx->results;
  const graph::PlotData& plot = *run->plot;
  ASSERT_EQ(plot.pointCount, std::min(results.RowCount(), graph::kMaxPoints));
  ASSERT_EQ(plot.accountCount, example->scenario().accountCount());
  for (int p = 0; p < plot.pointCount; ++p) {
    const auto row = static_cast<size_t>(p);
    ExpectPointIsRow(plot, p, results.years[row]);
    for (int a = 0; a < plot.accountCount; ++a) {
      const float balance = results.accountBalances[row][static_cast<size_t>(a)];
      EXPECT_NEAR(plot.AccountValue(p, a), balance, Tolerance(balance));
    }
    const float power = results.purchasingPowerByYear[row];
    EXPECT_NEAR(plot.purchasingPower[row], power, Tolerance(power));
  }
  EXPECT_TRUE(plot.hasPurchasingPower);
}

TEST_P(PlotFileAgreement, ZoomedFileHoldsWhatTheZoomedGraphDraws) {
  const auto example = cli_testing::LoadExample(GetParam());
  ASSERT_TRUE(example->read);
  const auto whole = RunAndRead(example->scenario(), {});
  ASSERT_GE(whole->plot->pointCount, 5);
  // Three ages from the second point on, as a zoom by two marks would choose them.
  const int first = 1;
  const int firstAge = static_cast<int>(whole->plot->Age(first));
  const auto zoomed = RunAndRead(example->scenario(), {true, firstAge, firstAge + 2});
  const graph::PlotData drawn = graph::SlicePoints(*whole->plot, first, 3);
  ASSERT_EQ(zoomed->plot->pointCount, 3);
  for (int p = 0; p < 3; ++p) {
    const auto row = static_cast<size_t>(p);
    EXPECT_EQ(zoomed->plot->rows[row].values, drawn.rows[row].values) << "point " << p;
    EXPECT_EQ(zoomed->plot->accountValues[row], drawn.accountValues[row]);
    EXPECT_EQ(zoomed->plot->purchasingPower[row], drawn.purchasingPower[row]);
  }
  // The run's own rows stay whole.
  EXPECT_EQ(zoomed->ctx->results.RowCount(), whole->ctx->results.RowCount());
}

INSTANTIATE_TEST_SUITE_P(Examples, PlotFileAgreement,
                         testing::Range(1, cli_testing::kExampleCount + 1));

}  // namespace
