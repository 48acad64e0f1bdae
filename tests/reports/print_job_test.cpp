// A print job's page order by range, copies and collation, and the page loop with its abort
// and failure paths.
#include "reports/print_job.h"

#include <gtest/gtest.h>

#include "tests/reports/report_fixture.h"

namespace {

using reports::JobPageOrder;
using reports::PrintChoice;

TEST(PrintJobOrderTest, PagesTwoToThreeTwiceInBothCollationOrders) {
  EXPECT_EQ(JobPageOrder(4, PrintChoice{2, 3, 2, true}), (std::vector<int>{2, 3, 2, 3}));
  EXPECT_EQ(JobPageOrder(4, PrintChoice{2, 3, 2, false}), (std::vector<int>{2, 2, 3, 3}));
}

TEST(PrintJobOrderTest, TheWholeJobRunsFromTheTitlePageToTheLastPageFile) {
  EXPECT_EQ(JobPageOrder(3, PrintChoice{}), (std::vector<int>{0, 1, 2, 3}));
  // A range past the last page ends at the last page; a range backwards prints nothing.
  EXPECT_EQ(JobPageOrder(2, PrintChoice{1, 9, 1, false}), (std::vector<int>{1, 2}));
  EXPECT_TRUE(JobPageOrder(2, PrintChoice{2, 1, 1, false}).empty());
}

// A device that records its pages and presses Abort while a chosen page is printing.
class RecordingDevice final : public reports::PageDevice {
 public:
  bool StartPage() override { return true; }
  bool RenderPage(int page) override {
    rendered.push_back(page);
    if (page == abortDuring) abort = true;
    return page != failOn;
  }
  bool EndPage() override { return true; }
  bool AbortRequested() override { return abort; }
  void ShowProgress(const std::string& text) override { progress.push_back(text); }

  std::vector<int> rendered;
  std::vector<std::string> progress;
  int abortDuring = -1;
  int failOn = -1;
  bool abort = false;
};

TEST(PrintJobRunTest, AbortDuringPageTwoOfFourPrintsNoFurtherPage) {
  RecordingDevice device;
  device.abortDuring = 2;
  EXPECT_EQ(reports::RunPrintJob({1, 2, 3, 4}, device, nullptr), reports::JobResult::Aborted);
  EXPECT_EQ(device.rendered, (std::vector<int>{1, 2}));
  EXPECT_EQ(device.progress.back(), "   Now printing Page 2 of 4.....");
}

TEST(PrintJobRunTest, AFailedPageIsSaidAndStopsTheJob) {
  platform::ScriptedPrompter prompter;
  RecordingDevice device;
  device.failOn = 1;
  EXPECT_EQ(reports::RunPrintJob({0, 1, 2}, device, &prompter), reports::JobResult::Failed);
  EXPECT_EQ(device.rendered, (std::vector<int>{0, 1}));
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].caption, "Print Error");
  EXPECT_EQ(prompter.shown()[0].text, "Cannot print page!");
}

TEST(PrintJobRunTest, AFailedTitlePageHasItsOwnMessage) {
  platform::ScriptedPrompter prompter;
  RecordingDevice device;
  device.failOn = 0;
  EXPECT_EQ(reports::RunPrintJob({0, 1}, device, &prompter), reports::JobResult::Failed);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].caption, "Print Schedule");
  EXPECT_EQ(prompter.shown()[0].text, "Cannot Print Title Page");
}

TEST(PrintJobPagesTest, PageFilesAreReadUpToTheirEndMark) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  dir.Write("rpage1", "a\tb\nrow\nDooooone\nafter\n");
  reports::JobDocument document;
  ASSERT_TRUE(reports::AppendPageFiles(document, dir.path(), "rpage", 1, "Net Worth Report", true,
                                       &prompter));
  ASSERT_EQ(document.pages.size(), 1u);
  EXPECT_EQ(document.pages[0].lines, (std::vector<std::string>{"a\tb", "row"}));
  EXPECT_FALSE(reports::AppendPageFiles(document, dir.path(), "page", 1, "x", false, &prompter));
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].caption, "FILE OPEN ERROR");
  EXPECT_EQ(prompter.shown()[0].text, "page1");
}

}  // namespace
