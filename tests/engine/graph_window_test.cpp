// The main graph's age window: while the graph is zoomed, the working plot file holds only the
// points of the window's ages, and the results rows and record files stay whole.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

// Cash of 1,000.00 at 10 % without tax from 30 to 35: balances 1,000, 1,100, 1,210, 1,331,
// 1,464.10 and 1,610.51 at the closing row.
void GrowingCash(Harness& h) {
  h.scenario.initial.endAge = 35.0f;
  h.scenario.initial.taxRate = 0.0f;
  h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 10.0f);
}

// The ages of the point rows of a plot file with one account: every second line after the
// account name, up to the group names.
std::vector<std::string> PointAges(const std::string& plot) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = plot.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(plot.substr(start, end - start));
  }
  std::vector<std::string> ages;
  for (size_t i = 8; i < lines.size() && lines[i].find(' ') != std::string::npos; i += 2) {
    ages.push_back(lines[i].substr(0, lines[i].find(' ')));
  }
  return ages;
}

TEST(GraphWindow, PlotFileHoldsOnlyThePointsOfTheWindow) {
  Harness h;
  GrowingCash(h);
  h.ctx->options.graphWindow = {true, 31, 33};
  h.RunText(engine::ScheduleMode::List);
  // Interest by hand: 10 % of 1,100 is 110.00, of 1,210 is 121.00, of 1,331 is 133.10; all
  // of it incoming and taxable. Without inflation the purchasing power is the net worth.
  const std::string zeros = "0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00\n";
  const std::string expected =
      "1 Groups\nFile: TEST.RET\nDate: June 15, 2026\nTime: 2:05:09 PM \n3.00\n1\nCash\n"
      "1100.00\n31.0 1100.00 0.00 0.00 0.00 0.00 1100.00 110.00 0.00 110.00 0.00 " +
      zeros + "1210.00\n32.0 1210.00 0.00 0.00 0.00 0.00 1210.00 121.00 0.00 121.00 0.00 " + zeros +
      "1331.00\n33.0 1331.00 0.00 0.00 0.00 0.00 1331.00 133.10 0.00 133.10 0.00 " + zeros +
      "\n\n\n\n\n\n\n\n\n\n0\n1100.000000\n1210.000000\n1331.000000\nDone\n";
  EXPECT_EQ(h.dir.Read("plotinf01.tmp"), expected);
}

TEST(GraphWindow, RowsAndRecordsStayWhole) {
  Harness h;
  GrowingCash(h);
  h.ctx->options.graphWindow = {true, 31, 33};
  h.RunText(engine::ScheduleMode::List);
  // Every row keeps its flows, the years outside the window included: 100.00 of interest at
  // 30, 146.41 at 34.
  ASSERT_EQ(h.ctx->results.RowCount(), 6);
  EXPECT_FLOAT_EQ(h.ctx->results.years[0].totalIncoming, 100.0f);
  EXPECT_NEAR(h.ctx->results.years[4].taxableIncome, 146.41f, 0.005f);
  const std::string big = h.dir.Read("bigfile.tmp");
  EXPECT_NE(big.find(" 30.0\tInterest/Dividends Earned\t2\t       100.00\n"), std::string::npos)
      << big;
  EXPECT_NE(big.find(" 34.0\tInterest/Dividends Earned\t2\t       146.41\n"), std::string::npos);
}

TEST(GraphWindow, WindowAtTheEndTakesTheClosingRow) {
  Harness h;
  GrowingCash(h);
  h.ctx->options.graphWindow = {true, 33, 35};
  h.RunText(engine::ScheduleMode::List);
  const std::string plot = h.dir.Read("plotinf01.tmp");
  EXPECT_EQ(plot.substr(plot.find("PM \n") + 4, 5), "3.00\n");
  EXPECT_EQ(PointAges(plot), (std::vector<std::string>{"33.0", "34.0", "35.0"}));
}

TEST(GraphWindow, WindowOffOrCoveringEverythingWritesEveryPoint) {
  const std::vector<std::string> all = {"30.0", "31.0", "32.0", "33.0", "34.0", "35.0"};
  Harness off;
  GrowingCash(off);
  off.ctx->options.graphWindow = {false, 31, 33};
  off.RunText(engine::ScheduleMode::List);
  EXPECT_EQ(PointAges(off.dir.Read("plotinf01.tmp")), all);

  Harness wide;
  GrowingCash(wide);
  wide.ctx->options.graphWindow = {true, 0, 120};
  wide.RunText(engine::ScheduleMode::List);
  EXPECT_EQ(wide.dir.Read("plotinf01.tmp"), off.dir.Read("plotinf01.tmp"));
}

TEST(GraphWindow, WindowOutsideThePlanLeavesAnEmptyButCompleteFile) {
  Harness h;
  GrowingCash(h);
  h.ctx->options.graphWindow = {true, 50, 60};
  h.RunText(engine::ScheduleMode::List);
  EXPECT_EQ(h.dir.Read("plotinf01.tmp"),
            "1 Groups\nFile: TEST.RET\nDate: June 15, 2026\nTime: 2:05:09 PM \n0.00\n1\nCash\n"
            "\n\n\n\n\n\n\n\n\n\n0\nDone\n");
}

}  // namespace
