// The working plot file a run leaves: head, one group of lines per point, trailer, end mark.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

TEST(PlotFile, LayoutOfATwoYearRun) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 10.0f);
  h.AddAccount("Car", core::kAsset, 500.0f, 0.0f);
  core::CopyText(h.scenario.groups.groupName[0], "Liquid");
  h.scenario.account(1).groupIndex = 3;
  core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Pay", 30.0f, 30.0f, 100.0f);
  pay.oneTimeOnly = 1;
  pay.accountId = cash;
  h.RunText(engine::ScheduleMode::List);
  // Age 30: Cash 1,000 + 100 deposit, 110.00 interest (tax 16.50): 1,193.50 at 31; then
  // 119.35 interest, tax 17.9025: 1,294.9475 at 32. Flows: incoming 100 + 110 = 210.
  const std::string expected =
      "1 Groups\nFile: TEST.RET\nDate: June 15, 2026\nTime: 2:05:09 PM \n3.00\n2\nCash\nCar\n"
      "1000.00\n500.00\n"
      "30.0 1000.00 0.00 0.00 500.00 0.00 1500.00 "
      "210.00 100.00 110.00 0.00 16.50 0.00 16.50 0.00 0.00 0.00 0.00 0.00 0.00\n"
      "1193.50\n500.00\n"
      "31.0 1193.50 0.00 0.00 500.00 0.00 1693.50 "
      "119.35 0.00 119.35 0.00 17.90 0.00 17.90 0.00 0.00 0.00 0.00 0.00 0.00\n"
      "1294.95\n500.00\n"
      "32.0 1294.95 0.00 0.00 500.00 0.00 1794.95 "
      "119.35 0.00 119.35 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00\n"
      "Liquid\n\n\n\n\n\n\n\n\n\n0\n3\n1500.000000\n1693.500000\n1794.947510\nDone\n";
  // The last purchasing-power value is the closing row's own (no inflation: the net worth).
  EXPECT_EQ(h.dir.Read("plotinf01.tmp"), expected);
}

TEST(PlotFile, ReportTitlesReplaceTheTitleLines) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 0.0f);
  core::CopyText(h.scenario.titles.title[1], "Plan B");
  h.scenario.titles.printTitle[1] = 1;
  h.RunText(engine::ScheduleMode::List);
  EXPECT_EQ(h.dir.Read("plotinf01.tmp").substr(0, 56),
            "1 Groups\nFile: TEST.RET\nPlan B\nTime: 2:05:09 PM \n3.00\n1\n");
}

TEST(PlotFile, LongAndOddScenarioPathsAreWrittenWholeOnTheFileLine) {
  // Far past the 263 characters of the old format, with quotes, a tab, a leading "-" and
  // Latin-1 bytes: the "File:" line holds the path as it is.
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 0.0f);
  const std::string path = "-\"plans\"\t\xa3/" + std::string(400, 'p') + ".RET";
  h.ctx->env.scenarioName = path;
  h.RunText(engine::ScheduleMode::List);
  const std::string file = h.dir.Read("plotinf01.tmp");
  EXPECT_EQ(file.substr(0, 9 + 6 + path.size() + 1), "1 Groups\nFile: " + path + "\n");
}

TEST(PlotFile, LineBreaksInTitlesAndNamesCannotShiftTheLinesAfterThem) {
  // A scenario file may hold any bytes in its names and titles; each stays one line.
  Harness h;
  h.AddAccount("Ca\nsh", core::kInvestmentSavings, 1000.0f, 0.0f);
  core::CopyText(h.scenario.groups.groupName[0], "Li\r\nquid");
  core::CopyText(h.scenario.titles.title[1], "Plan\nB");
  h.scenario.titles.printTitle[1] = 1;
  h.ctx->env.scenarioName = "two\nlines.RET";
  h.RunText(engine::ScheduleMode::List);
  const std::string file = h.dir.Read("plotinf01.tmp");
  EXPECT_EQ(file.substr(0, 67),
            "1 Groups\nFile: two lines.RET\nPlan B\nTime: 2:05:09 PM \n3.00\n1\nCa sh\n");
  EXPECT_NE(file.find("\nLi  quid\n"), std::string::npos);
}

TEST(PlotFile, UnwritableWorkingDirectoryEndsTheRunWithAMessage) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 0.0f);
  h.ctx->env.workDir = h.dir / "missing";
  h.RunText(engine::ScheduleMode::List);
  EXPECT_FALSE(h.ok);
  EXPECT_EQ(h.platform.prompter.Lines(),
            std::vector<std::string>{"FILE ERROR: Cannot open plot file."});
}

}  // namespace
