// The print jobs of the session: which pages each job holds and under which headings, the
// report options and margins it keeps.
#include "planner/print_jobs.h"

#include <gtest/gtest.h>

#include "tests/planner/planner_fixture.h"

namespace {

using planner_testing::PlannerTest;

class PrintJobsTest : public PlannerTest {
 protected:
  void SetUp() override {
    StartPlanner();
    planner_ = std::make_unique<planner::Planner>(platform.services(), dir.path(),
                                                  planner::StartupOptions{});
    planner_->SetView(&view);
    // The example with account groups, so that every report has something to print.
    planner_->StartUp((dir / CopyExample(6, "Plan.RET")).string());
  }
};

TEST_F(PrintJobsTest, TheScheduleJobIsTheTitlePageAndTheScheduleUnderItsHeading) {
  const auto job = planner::BuildPrintJob(session(), "results");
  ASSERT_TRUE(job);
  ASSERT_GT(job->pages.size(), 2u);
  EXPECT_TRUE(job->pages[0].title);
  EXPECT_EQ(job->pages[0].heading, "Financial Schedule");
  EXPECT_EQ(job->pages[1].heading, "Financial Schedule");
  EXPECT_EQ(job->fileName, session().document().path);
  // The schedule's column header block sits at the top of the second page.
  EXPECT_EQ(job->pages[2].lines[0], "?BO");
}

TEST_F(PrintJobsTest, TheScenarioListingOpensWithItsTitle) {
  const auto job = planner::BuildPrintJob(session(), "scenario");
  ASSERT_TRUE(job);
  EXPECT_EQ(job->pages[0].heading, "Financial Scenario");
  EXPECT_EQ(job->pages[1].lines[0], "          Financial Scenario:");
}

TEST_F(PrintJobsTest, AllReportsHoldsEveryReportUnderItsOwnTitle) {
  const auto job = planner::BuildPrintJob(session(), "all-reports");
  ASSERT_TRUE(job);
  std::vector<std::string> headings;
  for (size_t p = 1; p < job->pages.size(); ++p) {
    if (headings.empty() || headings.back() != job->pages[p].heading) {
      headings.push_back(job->pages[p].heading);
    }
  }
  EXPECT_EQ(headings.front(), "Net Worth Report");
  EXPECT_EQ(headings.back(), "Accounts/Input/Output Report");
  EXPECT_EQ(headings.size(), 10u);
}

TEST_F(PrintJobsTest, ABudgetJobIsItsOnePage) {
  const auto job = planner::BuildPrintJob(session(), "budget:1");
  ASSERT_TRUE(job);
  ASSERT_EQ(job->pages.size(), 2u);
  EXPECT_EQ(job->pages[1].lines[0], "Name\tAmount \tMonth\tTrack\tApplied Rate \tYearly Amount");
  EXPECT_FALSE(planner::BuildPrintJob(session(), "budget:6"));
  EXPECT_FALSE(planner::IsPrintJobWord("budget:0"));
  EXPECT_FALSE(planner::IsPrintJobWord("report:nosuch"));
}

TEST_F(PrintJobsTest, ReportOptionsAndMarginsAreKeptInTheScenarioAndThePreferences) {
  planner::ReportOptions options;
  options.titles = {"Smith household", std::string(80, 'x'), ""};
  options.useTitle = {true, false, false};
  options.banding = true;
  options.columns = true;
  planner::StoreReportOptions(session(), options);
  EXPECT_TRUE(session().document().modified);
  const planner::ReportOptions kept = planner::ReportOptionsOf(session());
  EXPECT_EQ(kept.titles[0], "Smith household");
  EXPECT_EQ(kept.titles[1].size(), 59u);
  EXPECT_TRUE(kept.useTitle[0]);
  EXPECT_TRUE(kept.banding);
  EXPECT_FALSE(kept.boxing);
  EXPECT_EQ(session().document().scenario.page.reportColumns, 1);
  EXPECT_EQ(planner::PageOptionsOf(session()).titles[0], "Smith household");

  planner::StorePageMargins(session(), {750, 500, 500, 1000});
  EXPECT_EQ(session().preferences().marginLeft, 750);
  EXPECT_EQ(session().document().scenario.page.marginBottom, 1000);
  // At 600 pixels per inch three quarters of an inch is 450 pixels.
  const reports::PageGeometry page = planner::GeometryFor(session(), 5100, 6600, 600.0, 600.0);
  EXPECT_EQ(page.marginLeft, 450);
  EXPECT_EQ(page.marginTop, 300);
  EXPECT_EQ(page.marginBottom, 600);
}

}  // namespace
