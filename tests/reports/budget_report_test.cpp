// The budget report of "Print Report": the budget year by year, each item grown by its rate.
#include "reports/budget_report.h"

#include <gtest/gtest.h>

#include "core/text.h"

namespace {

core::Budget TwoItems(int startAge, int endAge) {
  core::Budget budget{};
  core::CopyText(budget.budgetName, "Living");
  budget.budgetStartAge = static_cast<int16_t>(startAge);
  budget.budgetEndAge = static_cast<int16_t>(endAge);
  budget.itemCount = 2;
  core::CopyText(budget.itemName[0], "Food");
  budget.itemYearlyAmount[0] = 6000.0f;  // 500 a month
  budget.itemRate[0] = 3.0f;
  core::CopyText(budget.itemName[1], "Rent\tflat");
  budget.itemYearlyAmount[1] = 9000.0f;
  return budget;
}

TEST(BudgetReportTest, EachAgeGrowsTheItemsByTheirRatesAndAddsThem) {
  const reports::BudgetReport report = reports::MakeBudgetReport(TwoItems(60, 63));
  EXPECT_EQ(report.title, "Budget Report: Living");
  EXPECT_EQ(report.ages, "Ages 60 to 63; each item grows by its applied rate, before inflation");
  // A tab in an item's name would split its column in two.
  EXPECT_EQ(report.columns, (std::vector<std::string>{"Age", "Yearly Total", "Food", "Rent flat"}));
  ASSERT_EQ(report.rows.size(), 4u);
  // 6000 at 3 %: 6180.00, 6365.40, 6556.36 (single precision, to the cent).
  EXPECT_EQ(report.rows[0], (std::vector<std::string>{" 60", "     15000.00", "      6000.00",
                                                      "      9000.00"}));
  EXPECT_EQ(report.rows[1][2], "      6180.00");
  EXPECT_EQ(report.rows[2][2], "      6365.40");
  EXPECT_EQ(report.rows[3][0], " 63");
  EXPECT_EQ(report.rows[3][1], "     15556.36");
  const std::vector<std::string> table = reports::BudgetReportTable(report);
  ASSERT_EQ(table.size(), 5u);
  EXPECT_EQ(table[0], "Age\tYearly Total\tFood\tRent flat");
  EXPECT_EQ(table[1], " 60\t     15000.00\t      6000.00\t      9000.00");
}

TEST(BudgetReportTest, AgesOutOfOrderOrOutOfRangeStayBounded) {
  // An end before the start reports the start age alone.
  const reports::BudgetReport backwards = reports::MakeBudgetReport(TwoItems(70, 65));
  ASSERT_EQ(backwards.rows.size(), 1u);
  EXPECT_EQ(backwards.rows[0][0], " 70");
  // A damaged record: ages far apart and an item count past the table.
  core::Budget damaged = TwoItems(-32768, 32767);
  damaged.itemCount = 400;
  const reports::BudgetReport bounded = reports::MakeBudgetReport(damaged);
  EXPECT_EQ(bounded.columns.size(), 2u + 30u);
  EXPECT_LE(bounded.rows.size(), 121u);
  // A budget of no items has its ages and nothing else.
  core::Budget empty{};
  empty.budgetStartAge = 50;
  empty.budgetEndAge = 51;
  const reports::BudgetReport none = reports::MakeBudgetReport(empty);
  EXPECT_EQ(none.title, "Budget Report: Budget");
  ASSERT_EQ(none.rows.size(), 2u);
  EXPECT_EQ(none.rows[1], (std::vector<std::string>{" 51", "         0.00"}));
}

}  // namespace
