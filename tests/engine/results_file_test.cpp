// Saving the schedule as a results file: the name comes from the save chooser; cancelling or
// a file that cannot be created ends the run before anything is simulated.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

TEST(ResultsFile, IsWrittenUnderTheChosenName) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 100.0f, 0.0f);
  h.ctx->env.files = &h.platform.files;
  h.platform.files.SetNextChoice({"plan.sch"});
  ASSERT_TRUE(engine::RunSimulation(*h.ctx, h.scenario, engine::ScheduleMode::ResultsFile));
  ASSERT_EQ(h.platform.files.requests().size(), 1u);
  const platform::FileRequest& request = h.platform.files.requests()[0];
  EXPECT_TRUE(request.save);
  EXPECT_EQ(request.title, "Save Results To A File");
  EXPECT_EQ(request.filter, "Result Files (*.SCH)");
  EXPECT_EQ(request.defaultExtension, "sch");
  const std::string text = h.dir.Read("plan.sch");
  EXPECT_EQ(text.substr(0, 6), " 30.0 ");
  EXPECT_NE(text.find("\n32.0 \t        $100.00\t"), std::string::npos);
}

TEST(ResultsFile, CancelEndsTheRunWithoutResults) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 100.0f, 0.0f);
  h.ctx->env.files = &h.platform.files;
  h.platform.files.SetNextChoice({});
  EXPECT_FALSE(engine::RunSimulation(*h.ctx, h.scenario, engine::ScheduleMode::ResultsFile));
  EXPECT_FALSE(std::filesystem::exists(h.dir / "plotinf01.tmp"));
  EXPECT_EQ(h.ctx->results.yearIndex, -1);
}

TEST(ResultsFile, ThatCannotBeCreatedIsReported) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 100.0f, 0.0f);
  h.ctx->env.resultsPath = h.dir / "no" / "plan.sch";
  EXPECT_FALSE(engine::RunSimulation(*h.ctx, h.scenario, engine::ScheduleMode::ResultsFile));
  EXPECT_EQ(
      h.platform.prompter.Lines(),
      std::vector<std::string>{"FILE ERROR: Cannot open " + (h.dir / "no" / "plan.sch").string()});
}

}  // namespace
