// The report window's table: fields of the screen page, column widths, the "Go" row choice.
#include "reports/report_window_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportWindowLayoutTest, FieldsComeWithoutPaddingAndATrailingTabAddsNoColumn) {
  const auto table =
      reports::ScreenTableOf({" Age\tSavings\tHouse\t", " 60.0\t   10.00\t    5.00\t"});
  EXPECT_EQ(table.titles, (std::vector<std::string>{"Age", "Savings", "House"}));
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0], (std::vector<std::string>{"60.0", "10.00", "5.00"}));
}

TEST(ReportWindowLayoutTest, FewerThanEightColumnsFillTheWindowLessTwenty) {
  const auto widths = reports::ReportColumnWidths({30, 200, 40}, 50, 100, 720);
  ASSERT_EQ(widths.size(), 3u);
  // Before scaling 50, 200, 100 (the title wins once); 700 pixels share out in proportion.
  EXPECT_EQ(widths[0], 100);
  EXPECT_EQ(widths[1], 400);
  EXPECT_EQ(widths[2], 200);
}

TEST(ReportWindowLayoutTest, EightColumnsOrMoreKeepTheirNaturalWidths) {
  const auto widths = reports::ReportColumnWidths(std::vector<int>(8, 10), 50, 100, 300);
  EXPECT_EQ(widths[0], 50);
  EXPECT_EQ(widths[7], 100);
}

TEST(ReportWindowLayoutTest, GoTakesTheWholeAgeAndTheSideOfAnInputOutputRow) {
  const auto choice = reports::IoRowChoiceOf("65.0-O");
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->age, 65);
  EXPECT_FALSE(choice->incoming);
  EXPECT_EQ(reports::IoChoiceText(*choice), "65 O");
  EXPECT_FALSE(reports::IoRowChoiceOf("65.0"));
  EXPECT_FALSE(reports::IoRowChoiceOf("-I"));
}

}  // namespace
