// A printed page drawn on the SVG canvas: the layout sized to the printable area, the header
// lines and titles, and a whole schedule page and title page compared with golden files.
#include "reports/page_render.h"

#include <gtest/gtest.h>

#include "graph/svg_canvas.h"
#include "reports/budget_page.h"
#include "reports/pagination.h"
#include "tests/support/golden.h"
#include "tests/reports/report_fixture.h"

namespace {

using reports::PageGeometry;
using reports::PageOptions;

// A letter page at 100 pixels per inch with half-inch margins.
PageGeometry Letter() { return PageGeometry{850, 1100, 50, 50, 50, 50}; }

PageOptions FixedOptions() {
  PageOptions options;
  options.now = platform::DateTime{2024, 3, 5, 14, 7, 9};
  return options;
}

reports::JobDocument ScheduleDocument() {
  const std::string text =
      "60.0 Initial Rates Tax=25.000% Inflation=3.000%\n"
      "60.0 Savings plan - Deposit $5,000.00/yr. after taxes to Savings until age 65.00.\n"
      "\n\n??\n"
      "-----------------------------------------------------------------\n"
      "60.0 \t     $10,000.00\t          $0.00\t     $50,000.00\t          $0.00\t"
      "          $0.00\t          $0.00\t     $60,000.00\n"
      "  Savings plan - Deposit $5,000.00 to Savings\n"
      "Summary:\n"
      "\t\t\t\t\t\t\t\tNet Worth in Age 60.00 Purchasing Power      $60,000.00\n";
  reports::JobDocument document;
  document.fileName = "RETIRE.RET";
  document.pages.push_back(reports::JobPage{"Financial Schedule", {}, true, false});
  for (const std::string& page :
       reports::PaginateText(text, reports::PaginationVariant::Schedule)) {
    reports::JobPage jobPage{"Financial Schedule", {}, false, false};
    size_t start = 0;
    while (start < page.size()) {
      size_t end = page.find('\n', start);
      const std::string line = page.substr(start, end - start);
      if (line != "Dooooone") jobPage.lines.push_back(line);
      start = end + 1;
    }
    document.pages.push_back(std::move(jobPage));
  }
  return document;
}

TEST(PageLayoutTest, TheReportFontIsSizedToThePrintableArea) {
  graph::SvgCanvas canvas(850, 1100);
  const reports::PageLayout layout = reports::MakePageLayout(canvas, Letter(), "Courier");
  EXPECT_EQ(layout.printable.Width(), 750);
  EXPECT_EQ(layout.cellWidth, 750 / 118);
  EXPECT_EQ(layout.lineHeight, 1000 / 63);
  EXPECT_EQ(layout.heading.weight, 800);
  // 118 characters of the font fit across the printable width.
  graph::FontScope scope(canvas, layout.text);
  EXPECT_LE(canvas.TextWidth(std::string(118, '0')), layout.printable.Width());
  // The first column is six characters wide, the rest of the width is seven equal columns.
  EXPECT_EQ(layout.ColumnLeft(1), 50 + 6 * layout.cellWidth);
  EXPECT_EQ(layout.ColumnLeft(8) - layout.ColumnLeft(1), 7 * layout.ColumnWidth());
}

TEST(PageHeaderTest, AlternativeTitlesReplaceTheFileDateAndTimeLines) {
  PageOptions options = FixedOptions();
  auto lines = reports::HeaderLines("RETIRE.RET", options);
  EXPECT_EQ(lines[0], "File: RETIRE.RET");
  EXPECT_EQ(lines[1], "Date: March 5, 2024");
  EXPECT_EQ(lines[2], "Time: 2:07:09 PM ");
  options.titles = {"Smith household", "Plan B", "For the bank"};
  options.useTitle = {false, true, true};
  lines = reports::HeaderLines("RETIRE.RET", options);
  EXPECT_EQ(lines[0], "File: RETIRE.RET");
  EXPECT_EQ(lines[1], "              Plan B");
  EXPECT_EQ(lines[2], "For the bank");
}

TEST(PageRenderGoldenTest, ScheduleSecondPageWithBandingBoxingAndColumns) {
  const reports::JobDocument document = ScheduleDocument();
  ASSERT_EQ(document.pages.size(), 3u);
  PageOptions options = FixedOptions();
  options.banding = options.boxing = options.columns = true;
  graph::SvgCanvas canvas(850, 1100);
  reports::RenderJobPage(canvas, document, 2, Letter(), options);
  EXPECT_TRUE(testing_support::MatchesGolden("reports/schedule-page2.svg", canvas.Document()));
}

TEST(PageRenderGoldenTest, TitlePage) {
  const reports::JobDocument document = ScheduleDocument();
  graph::SvgCanvas canvas(850, 1100);
  reports::RenderJobPage(canvas, document, 0, Letter(), FixedOptions());
  EXPECT_TRUE(testing_support::MatchesGolden("reports/title-page.svg", canvas.Document()));
}

class ReportPageRenderTest : public testing::Test, public reports_testing::ReportFixture {};

TEST_F(ReportPageRenderTest, AnAccountReportPageUnderItsWrappedColumnTitles) {
  SetYears(4);
  AddAccount("High Yield Savings", 2);
  AddAccount("Employer 401k", 3);
  AddAccount("Roth IRA", 4);
  for (int row = 0; row < 4; ++row) {
    SetBalance(row, 0, 1000.0f * static_cast<float>(row + 1));
    SetBalance(row, 1, 25000.5f);
    SetBalance(row, 2, 7000.25f * static_cast<float>(row));
  }
  ASSERT_EQ(reports::BuildReport(Source(), reports::ReportKind::Accounts, false), 1);
  reports::JobDocument document;
  document.fileName = "RETIRE.RET";
  document.pages.push_back(reports::JobPage{"Account Report", {}, true, false});
  ASSERT_TRUE(reports::AppendPageFiles(document, dir.path(), "rpage", 1, "Account Report", true,
                                       &prompter));
  graph::SvgCanvas canvas(850, 1100);
  reports::RenderJobPage(canvas, document, 1, Letter(), FixedOptions());
  EXPECT_TRUE(testing_support::MatchesGolden("reports/account-report-page1.svg", canvas.Document()));
}

TEST_F(ReportPageRenderTest, ABudgetPageWidensItsFirstColumnToTheItemNames) {
  core::Budget budget{};
  budget.itemCount = 2;
  core::CopyText(budget.itemName[0], "Groceries and household");
  budget.itemAmount[0] = 950.0f;
  budget.itemMonthly[0] = 1;
  budget.itemInflation[0] = 1;
  budget.itemYearlyAmount[0] = 11400.0f;
  core::CopyText(budget.itemName[1], "Insurance");
  budget.itemAmount[1] = 3600.0f;
  budget.itemRate[1] = 2.0f;
  budget.itemYearlyAmount[1] = 3600.0f;
  ASSERT_TRUE(reports::WriteBudgetPage(budget, dir.path(), &prompter));
  reports::JobDocument document;
  document.fileName = "RETIRE.RET";
  document.pages.push_back(reports::JobPage{"Household", {}, true, false});
  ASSERT_TRUE(
      reports::AppendPageFiles(document, dir.path(), "rpage", 1, "Household", true, &prompter));
  ASSERT_EQ(document.pages[1].lines.size(), 5u);  // read up to the budget page's end mark
  graph::SvgCanvas canvas(850, 1100);
  reports::RenderJobPage(canvas, document, 1, Letter(), FixedOptions());
  EXPECT_TRUE(testing_support::MatchesGolden("reports/budget-page1.svg", canvas.Document()));
}

}  // namespace
