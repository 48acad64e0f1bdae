// The results export: a heading and one row of start-of-year balances per results year and
// the closing row, tab- or comma-delimited.
#include "engine/results_export.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

size_t CountLines(const std::string& text) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(ResultsExport, TabDelimitedRowsPerYearAndClosingRow) {
  Harness h;
  h.scenario.initial.endAge = 60.0f;  // 30 results years
  h.AddAccount("A", core::kInvestmentSavings, 1000.0f, 0.0f);
  h.AddAccount("B", core::kEquity, 500.0f, 0.0f);
  engine::ExportFile exportFile;
  ASSERT_TRUE(exportFile.Open(h.dir / "out.kxe", engine::ExportMode::Tab, h.platform.prompter));
  exportFile.WriteHeading(h.scenario);
  h.ctx->env.exportFile = &exportFile;
  h.RunText(engine::ScheduleMode::List);
  const std::string text = h.dir.Read("out.kxe");
  // Heading, 30 years and the closing row.
  EXPECT_EQ(CountLines(text), 32u);
  // Total = 1,000 + 500 (the accounts) + 500 (the equity total again).
  EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1),
            "Age\tA\tB\tEquity\tTotal\n30.00\t1000.00\t500.00\t500.00\t2000.00\n");
  EXPECT_NE(text.find("\n60.00\t1000.00\t500.00\t500.00\t2000.00\n"), std::string::npos);
  EXPECT_FALSE(exportFile.IsOpen());  // the run closes it
}

TEST(ResultsExport, CommaHeadingEndsItsLine) {
  Harness h;
  h.AddAccount("A", core::kInvestmentSavings, 1000.0f, 0.0f);
  engine::ExportFile exportFile;
  ASSERT_TRUE(exportFile.Open(h.dir / "out.csv", engine::ExportMode::Comma, h.platform.prompter));
  exportFile.WriteHeading(h.scenario);
  h.ctx->env.exportFile = &exportFile;
  h.RunText(engine::ScheduleMode::List);
  EXPECT_EQ(h.dir.Read("out.csv"),
            "Age,A,Equity,Total,\n30.00,1000.00,0.00,1000.00\n31.00,1000.00,0.00,1000.00\n"
            "32.00,1000.00,0.00,1000.00\n");
}

TEST(ResultsExport, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo) {
  Harness h;
  const auto path = h.dir.Write("old.csv", "keep");
  engine::ExportFile exportFile;
  h.platform.prompter.SetNextAnswer(platform::Answer::No);
  EXPECT_FALSE(exportFile.Open(path, engine::ExportMode::Comma, h.platform.prompter));
  EXPECT_EQ(h.dir.Read("old.csv"), "keep");
  ASSERT_EQ(h.platform.prompter.shown().size(), 1u);
  EXPECT_EQ(h.platform.prompter.shown()[0].text, path.string() + " exits - Overwrite anyway?");
  h.platform.prompter.SetNextAnswer(platform::Answer::Yes);
  EXPECT_TRUE(exportFile.Open(path, engine::ExportMode::Comma, h.platform.prompter));
}

TEST(ResultsExport, ModeFollowsTheExtension) {
  EXPECT_EQ(engine::ExportModeForPath("x/OUT.CSV"), engine::ExportMode::Comma);
  EXPECT_EQ(engine::ExportModeForPath("out.kxe"), engine::ExportMode::Tab);
}

}  // namespace
