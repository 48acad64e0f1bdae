// The report pages over the results tables: headings, row formats, the 56-line print pages,
// the seven-column split and the allocation shares.
#include "reports/report_pages.h"

#include <gtest/gtest.h>

#include "tests/reports/report_fixture.h"

namespace {

using reports::BuildReport;
using reports::ReportKind;
using reports_testing::Lines;

class ReportPagesTest : public testing::Test, public reports_testing::ReportFixture {};

TEST_F(ReportPagesTest, FiftyFiveYearNetWorthPrintsFortyEightRowsThenSevenUnderTheHeadingAgain) {
  SetYears(54);  // 54 years and the closing row: 55 rows
  ASSERT_EQ(BuildReport(Source(), ReportKind::NetWorth, false), 2);
  const auto first = Lines(Page("rpage1"));
  const auto second = Lines(Page("rpage2"));
  const std::string heading =
      " Age\tNet Worth\tInvestment Accounts\tTax-Free Accounts\tRetirement Accounts\t"
      "Asset Accounts\tEquity Accounts\tLiabilities";
  ASSERT_EQ(first.size(), 3u + 48u + 1u);
  EXPECT_EQ(first[0], heading);
  EXPECT_EQ(first[1], "---------------------------");
  EXPECT_EQ(first[2], "");
  EXPECT_EQ(first.back(), "Dooooone");
  ASSERT_EQ(second.size(), 3u + 7u + 1u);
  EXPECT_EQ(second[0], heading);
  // Row 48 (age 108) opens the second page.
  EXPECT_EQ(second[3].substr(0, 6), "108.0\t");
  EXPECT_FALSE(Page("rpage3").size() > 0);
}

TEST_F(ReportPagesTest, NetWorthRowFormatsAndLiabilitiesByWholeAge) {
  SetYears(1);
  results.kindByAge[engine::kSeriesLiabilities][60] = 250.0f;
  ASSERT_EQ(BuildReport(Source(), ReportKind::NetWorth, true), 1);
  const auto lines = Lines(Page("spage1"));
  ASSERT_EQ(lines.size(), 4u);  // heading, two rows, end mark
  EXPECT_EQ(lines[1],
            " 60.0\t      1000.00\t        10.00\t         0.00\t         0.00\t         0.00\t"
            "         0.00\t       250.00");
  EXPECT_EQ(lines[3], "Dooooone");
}

TEST_F(ReportPagesTest, PurchasingPowerColumnNamesTheCurrentAgeAndCurrency) {
  SetYears(1);
  scenario.initial.todaysPurchasingPower = 1;
  results.purchasingPowerByYear[0] = 900.0f;
  ASSERT_EQ(BuildReport(Source(), ReportKind::NetWorth, true), 1);
  const auto lines = Lines(Page("spage1"));
  EXPECT_EQ(lines[0].substr(0, 40), " Age\tNet Worth\tAge 60.00 Dollars\tInvestm");
  EXPECT_EQ(lines[1].substr(0, 33), " 60.0\t      1000.00\t       900.00");
}

TEST_F(ReportPagesTest, IncomingAndOutgoingLeaveTheClosingRowOut) {
  SetYears(3);  // rows 60..63, the last the closing row
  ASSERT_EQ(BuildReport(Source(), ReportKind::Outgoing, true), 1);
  const auto lines = Lines(Page("spage1"));
  EXPECT_EQ(lines[0],
            " Age\t Total Outgoing\tWithdrawals\tInterest\tOther/Loan/Mortgage\tTaxes\tPenalties");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3].substr(0, 6), " 62.0\t");
  ASSERT_EQ(BuildReport(Source(), ReportKind::Incoming, true), 1);
  EXPECT_EQ(Lines(Page("spage1"))[0],
            " Age\tTotal Incoming\tDeposits\tIncome From Taxable\tIncome From Non Taxable\tLoans\t"
            "Assets\tEquity");
}

TEST_F(ReportPagesTest, NoYearSimulatedWritesOnlyTheEndMarkAndShowsNothing) {
  SetYears(0);
  EXPECT_EQ(BuildReport(Source(), ReportKind::Incoming, true), 0);
  EXPECT_EQ(Page("spage1"), "Dooooone");
}

TEST_F(ReportPagesTest, TenAccountsPrintOnTwoPagesOfColumnsAndShowAllOnScreen) {
  SetYears(3);
  for (int i = 0; i < 10; ++i) AddAccount("Acct" + std::to_string(i), 2);
  ASSERT_EQ(BuildReport(Source(), ReportKind::Accounts, false), 2);
  EXPECT_EQ(Lines(Page("rpage1"))[0], " Age\tAcct0\tAcct1\tAcct2\tAcct3\tAcct4\tAcct5\tAcct6\t");
  EXPECT_EQ(Lines(Page("rpage2"))[0], " Age\tAcct7\tAcct8\tAcct9\t");
  // Every page carries the age column.
  EXPECT_EQ(Lines(Page("rpage2"))[3].substr(0, 6), " 60.0\t");
  ASSERT_EQ(BuildReport(Source(), ReportKind::Accounts, true), 1);
  const auto screen = Lines(Page("spage1"));
  EXPECT_EQ(screen[0],
            " Age\tAcct0\tAcct1\tAcct2\tAcct3\tAcct4\tAcct5\tAcct6\tAcct7\tAcct8\tAcct9\t");
  EXPECT_EQ(std::count(screen[1].begin(), screen[1].end(), '\t'), 11);
}

TEST_F(ReportPagesTest, AYearOfZeroBalancesReadsZeroPercentInEveryCell) {
  SetYears(2);
  AddAccount("Savings", 2);
  AddAccount("House", 0);
  SetBalance(1, 0, 300.0f);
  SetBalance(1, 1, 100.0f);
  ASSERT_EQ(BuildReport(Source(), ReportKind::AccountAllocations, true), 1);
  const auto lines = Lines(Page("spage1"));
  EXPECT_EQ(lines[1], " 60.0\t0.00%\t0.00%\t");
  EXPECT_EQ(lines[2], " 61.0\t        75.00%\t        25.00%\t");
}

TEST_F(ReportPagesTest, GroupColumnsSumTheirAccountsAndSkipOneLetterNames) {
  SetYears(2);
  core::CopyText(scenario.groups.groupName[0], "Stocks");
  core::CopyText(scenario.groups.groupName[1], "X");
  core::CopyText(scenario.groups.groupName[2], "Bonds");
  AddAccount("A", 2, 0);
  AddAccount("B", 2, 0);
  AddAccount("C", 2, 2);
  SetBalance(0, 0, 1.0f);
  SetBalance(0, 1, 2.0f);
  SetBalance(0, 2, 4.0f);
  ASSERT_EQ(BuildReport(Source(), ReportKind::Groups, true), 1);
  const auto lines = Lines(Page("spage1"));
  EXPECT_EQ(lines[0], " Age\tStocks\tBonds\t");
  EXPECT_EQ(lines[1], " 60.0\t         3.00\t         4.00\t");
  EXPECT_EQ(lines.back(), "Dooooone");
}

TEST_F(ReportPagesTest, APrintPageThatCannotBeCreatedIsNamedAndTheReportStops) {
  SetYears(54);
  std::filesystem::create_directory(dir / "rpage2");  // a folder where the page should go
  EXPECT_EQ(BuildReport(Source(), ReportKind::NetWorth, false), 0);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].caption, "FILE OPEN ERROR");
  EXPECT_EQ(prompter.shown()[0].text, "rpage2");
  EXPECT_FALSE(Page("rpage1").empty());
}

}  // namespace
