// The printed budget page.
#include "reports/budget_page.h"

#include <gtest/gtest.h>

#include "core/text.h"
#include "tests/reports/report_fixture.h"

namespace {

TEST(BudgetPageTest, ItemsWithTheirMarksRatesAndTheTotal) {
  core::Budget budget{};
  budget.itemCount = 3;
  core::CopyText(budget.itemName[0], "Food");
  budget.itemAmount[0] = 400.0f;
  budget.itemMonthly[0] = 1;
  budget.itemInflation[0] = 1;
  budget.itemYearlyAmount[0] = 4800.0f;
  core::CopyText(budget.itemName[1], "Travel");
  budget.itemAmount[1] = 2000.0f;
  budget.itemTrack[1] = 1;
  budget.itemInflation[1] = 1;
  budget.itemRate[1] = 1.5f;
  budget.itemYearlyAmount[1] = 2000.0f;
  core::CopyText(budget.itemName[2], "Club");
  budget.itemAmount[2] = 100.0f;
  budget.itemRate[2] = 2.0f;
  budget.itemYearlyAmount[2] = 100.0f;
  EXPECT_EQ(reports::BudgetPageText(budget),
            "Name\tAmount \tMonth\tTrack\tApplied Rate \tYearly Amount\n"
            "------------------------\n"
            "Food\t       400.00 \tX\t \tInflation \t      4800.00 \n"
            "Travel\t      2000.00 \t \tX\tInf.+   1.500 \t      2000.00 \n"
            "Club\t       100.00 \t \t \t   2.000 \t       100.00 \n"
            "\t\t\t\tTotal\t      6900.00\n"
            "Dooone");
}

TEST(BudgetPageTest, AnItemCountOutOfRangeReadsNoPastTheTable) {
  core::Budget budget{};
  budget.itemCount = 400;
  EXPECT_EQ(reports_testing::Lines(reports::BudgetPageText(budget)).size(), 2u + 30u + 2u);
}

}  // namespace
