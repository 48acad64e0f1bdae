// The reports that read the run's results files: the events reports through "tmpfile.tmp"
// and the accounts input/output report with its detail pages.
#include <gtest/gtest.h>

#include <algorithm>

#include "reports/report_pages.h"
#include "tests/reports/report_fixture.h"

namespace {

using reports::BuildReport;
using reports::ReportKind;
using reports_testing::Lines;

class EventsReportTest : public testing::Test, public reports_testing::ReportFixture {
 protected:
  void WriteBigFile(const std::string& body) { dir.Write("bigfile.tmp", body + "Dooone\n"); }
};

TEST_F(EventsReportTest, TotalsAreInsertedBeforeTheFirstLineOfEachWholeAge) {
  WriteBigFile(
      " 60.0\tPension\t2\t       100.00\n"
      " 60.0\tRent\t6\t        40.00\n"
      " 61.0\tPension\t2\t       110.00\n");
  ASSERT_EQ(BuildReport(Source(), ReportKind::IncomingEvents, true), 1);
  EXPECT_EQ(Page("tmpfile.tmp"),
            " 60.0\tTotal Incoming Events\t2\t       100.00\n"
            " 60.0\tTotal Outgoing Events\t6\t        40.00\n"
            " 60.0\tPension\t2\t100.00\n"
            " 60.0\tRent\t6\t40.00\n"
            " 61.0\tTotal Incoming Events\t2\t       110.00\n"
            " 61.0\tTotal Outgoing Events\t6\t         0.00\n"
            " 61.0\tPension\t2\t110.00\n"
            "Dooooone\n");
  const auto lines = Lines(Page("spage1"));
  EXPECT_EQ(lines[0], "Age\tTotal Incoming Events\t        Pension\t");
  EXPECT_EQ(lines[1], " 60.0\t100.00\t100.00\t");
  EXPECT_EQ(lines[2], " 61.0\t110.00\t110.00\t");
  EXPECT_EQ(lines[3], "Dooooone");
}

TEST_F(EventsReportTest, ALabelThatIsAlwaysZeroNeverBecomesAColumn) {
  WriteBigFile(
      " 60.0\tRent\t6\t        40.00\n"
      " 60.0\tNothing\t6\t         0.00\n"
      " 61.0\tNothing\t6\t         0.00\n");
  ASSERT_EQ(BuildReport(Source(), ReportKind::OutgoingEvents, true), 1);
  const auto lines = Lines(Page("spage1"));
  EXPECT_EQ(lines[0], "Age\tTotal Outgoing Events\t           Rent\t");
  // An age where the label has no line shows 0.00.
  EXPECT_EQ(lines[2], " 61.0\t0.00\t0.00\t");
}

TEST_F(EventsReportTest, AMissingResultsFileIsSaidAndNothingIsShown) {
  EXPECT_EQ(BuildReport(Source(), ReportKind::IncomingEvents, true), 0);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].caption, "FILE OPEN ERROR");
  EXPECT_EQ(prompter.shown()[0].text, "Cannot open bigfile.tmp");
}

TEST_F(EventsReportTest, PrintPagesStartTheirCounterAtFourThenSeven) {
  std::string body;
  for (int age = 60; age < 120; ++age)
    body += core::Format("%5.1f\tPension\t2\t%13.2f\n", age * 1.0, 10.0);
  WriteBigFile(body);
  ASSERT_EQ(BuildReport(Source(), ReportKind::IncomingEvents, false), 2);
  // 52 rows fit below a counter of 4, 49 below 7.
  EXPECT_EQ(Lines(Page("rpage1")).size(), 3u + 52u + 1u);
  EXPECT_EQ(Lines(Page("rpage2")).size(), 3u + 8u + 1u);
}

TEST_F(EventsReportTest, AtMostFiftyLabelsBecomeColumns) {
  std::string body;
  for (int i = 0; i < 60; ++i) body += core::Format(" 60.0\tItem %02d\t2\t%13.2f\n", i, 1.0);
  WriteBigFile(body);
  ASSERT_EQ(BuildReport(Source(), ReportKind::IncomingEvents, true), 1);
  const auto heading = Lines(Page("spage1"))[0];
  // The age and fifty labels: the day's total first, then the first 49 items.
  EXPECT_EQ(std::count(heading.begin(), heading.end(), '\t'), 51);
  EXPECT_NE(heading.find("Item 48"), std::string::npos);
  EXPECT_EQ(heading.find("Item 49"), std::string::npos);
}

class AccountsIoReportTest : public testing::Test, public reports_testing::ReportFixture {
 protected:
  void SetUp() override {
    AddAccount("Savings", 2, 0);
    AddAccount("House", 0, 1);
    core::CopyText(scenario.groups.groupName[0], "Cash");
    core::CopyText(scenario.groups.groupName[1], "Property");
    dir.Write("infile.tmp",
              "2\nSavings\nHouse\n"
              " 60.0\tSavings\t       100.00\n"
              " 60.5\tSavings\t50.00      \n"
              " 62.0\tHouse\t        20.00\n"
              "Dooone\n");
    dir.Write("outfile.tmp", " 61.0\tSavings\t        30.00\nDooone\n");
  }
};

TEST_F(AccountsIoReportTest, TwoRowsPerWholeAgeFromTheFirstToTheLast) {
  ASSERT_EQ(BuildReport(Source(), ReportKind::AccountsIo, true), 1);
  const auto lines = Lines(Page("spage1"));
  ASSERT_EQ(lines.size(), 1u + 6u + 1u);
  EXPECT_EQ(lines[0], "Age\tSavings\tHouse\tTotal");
  EXPECT_EQ(lines[1], " 60.0-I\t       150.00\t         0.00\t       150.00");
  EXPECT_EQ(lines[2], " 60.0-O\t         0.00\t         0.00\t         0.00");
  EXPECT_EQ(lines[4], " 61.0-O\t        30.00\t         0.00\t        30.00");
  EXPECT_EQ(lines[5], " 62.0-I\t         0.00\t        20.00\t        20.00");
}

TEST_F(AccountsIoReportTest, AnAccountCountOutsideOneToFiftyGivesNoReport) {
  dir.Write("infile.tmp", "0\nDooone\n");
  EXPECT_EQ(BuildReport(Source(), ReportKind::AccountsIo, true), 0);
  dir.Write("infile.tmp", "51\nDooone\n");
  EXPECT_EQ(BuildReport(Source(), ReportKind::AccountsIo, true), 0);
}

TEST_F(AccountsIoReportTest, DetailPagesByKindAndByGroup) {
  ASSERT_EQ(reports::BuildAccountsIoDetail(Source(), 60, true), 2);
  EXPECT_EQ(Page("rpage1"),
            "Accounts\tIncoming\n---------------------------\n\n"
            "House\t         0.00\n"
            "\tSub Total -- Asset              Accounts\t         0.00\n"
            "Savings\t       150.00\n"
            "\tSub Total -- Investment Savings Accounts\t       150.00\n"
            "\tTotal\t       150.00\n"
            "Dooooone\n");
  EXPECT_EQ(Page("rpage2"),
            "Accounts\tIncoming\n---------------------------\n\n"
            "Savings\t       150.00\n"
            "\tSub Total -- Cash Group\t       150.00\n"
            "House\t         0.00\n"
            "\tSub Total -- Property Group\t         0.00\n"
            "\tTotal\t       150.00\n"
            "Dooooone\n");
  EXPECT_EQ(reports::AccountsIoDetailTitle(61, false), "Accounts Outgoing Report -- Age 61");
}

}  // namespace
