// Cutting the print file into page files: the counted-line limit, the header block at the
// "??" line and on later pages, the title block, the scenario listing.
#include "reports/pagination.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/reports/report_fixture.h"

namespace {

using reports::PaginateText;
using reports::PaginationVariant;
using reports_testing::Lines;

int CountedLines(const std::string& page) {
  int counted = 0;
  for (const std::string& line : Lines(page)) {
    if (line != "?BO" && line != "?Bo" && line != "Dooooone") ++counted;
  }
  return counted;
}

std::string Numbered(int count, const std::string& prefix = "line ") {
  std::string text;
  for (int i = 1; i <= count; ++i) text += prefix + std::to_string(i) + "\n";
  return text;
}

TEST(PaginationTest, AFiftySixLineReportTakesTwoPagesTheSecondUnderTheHeaderBlock) {
  const auto pages = PaginateText("??\n" + Numbered(52), PaginationVariant::Schedule);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(CountedLines(pages[0]), 55);  // the header block's 4 and 51 lines
  const auto second = Lines(pages[1]);
  EXPECT_EQ(second[0], "?BO");
  EXPECT_EQ(second[1].substr(0, 15), "          -----");
  EXPECT_EQ(second[3].substr(0, 23), "                    Age");
  EXPECT_EQ(second[5], "?Bo");
  EXPECT_EQ(second[6], "          line 52");
  EXPECT_EQ(second.back(), "Dooooone");
}

TEST(PaginationTest, NoPageHoldsMoreThanFiftyFiveCountedLines) {
  std::string text = "??\n";
  for (int year = 0; year < 40; ++year) text += "-----\n" + Numbered(6, "row ");
  for (const std::string& page : PaginateText(text, PaginationVariant::Schedule)) {
    EXPECT_LE(CountedLines(page), 55);
  }
}

TEST(PaginationTest, TheDescriptionComesFirstAndTheScheduleGoesOnPastTheMarker) {
  const std::string text = "60.0 Initial Rates\n\n\n??\n-----\n60.0\tyear\nlast line\n";
  const auto pages = PaginateText(text, PaginationVariant::Schedule);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(Lines(pages[0])[0], "          60.0 Initial Rates");
  const auto schedule = Lines(pages[1]);
  EXPECT_EQ(schedule[0], "?BO");
  EXPECT_EQ(schedule[6], "          -----");
  EXPECT_EQ(schedule[8], "          last line");
}

TEST(PaginationTest, WithoutAMarkerTheFirstSeparatorEndsTheTitleBlock) {
  const auto pages = PaginateText("Title\n-----\nbody\n", PaginationVariant::Schedule);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0], "          Title\nDooooone\n");
  EXPECT_EQ(pages[1], "          -----\n          body\nDooooone\n");
}

TEST(PaginationTest, TheScenarioListingOpensWithItsTitleAndRepeatsNoHeader) {
  const auto pages = PaginateText(Numbered(60), PaginationVariant::Scenario);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(Lines(pages[0])[0], "          Financial Scenario:");
  EXPECT_EQ(Lines(pages[1])[0], "          line 55");
}

TEST(PaginationTest, PageFilesAreWrittenAndCounted) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  EXPECT_EQ(reports::Paginate(dir.path(), PaginationVariant::Schedule, &prompter), 0);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, ".\\ptmpsch.dat");
  dir.Write("ptmpsch.dat", "??\n" + Numbered(60));
  EXPECT_EQ(reports::Paginate(dir.path(), PaginationVariant::Schedule, &prompter), 2);
  EXPECT_FALSE(dir.Read("page2").empty());
}

}  // namespace
