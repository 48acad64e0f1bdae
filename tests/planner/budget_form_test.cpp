// The Budget form over the core's budget operations: items entered, replaced by their first 19
// characters and held to 30, deleted with their switches, the exchange file, and OK keeping the
// budget's withdrawal event in step with its switch.
#include <gtest/gtest.h>

#include <fstream>

#include "core/budget.h"
#include "core/text.h"
#include "planner/print_jobs.h"
#include "tests/planner/form_fixture.h"

namespace planner_testing {
namespace {

using planner::forms::Outcome;

class BudgetFormTest : public FormTest {
 protected:
  void Enter(const std::string& name, const std::string& amount, bool monthly = false,
             bool inflation = false) {
    Set("Name", name);
    Set("Amount", amount);
    Set("Monthly", monthly ? "on" : "off");
    Set("Apply inflation rate to withdrawal", inflation ? "on" : "off");
    EXPECT_EQ(Press("Enter"), Outcome::Done);
  }
  const core::Budget& budget() { return scenario().budgets[1]; }
};

TEST_F(BudgetFormTest, PrintPrintsThisBudgetsPage) {
  Open("BUDGET", -1, -1, 1);
  Enter("Groceries", "400", true);
  EXPECT_EQ(Press("Print"), Outcome::Done);
  ASSERT_EQ(view.opened.size(), 1u);
  EXPECT_EQ(view.opened[0].kind, planner::PlaceKind::PrintJob);
  EXPECT_EQ(view.opened[0].name, "budget");
  EXPECT_EQ(view.opened[0].budget, 1);
}

TEST_F(BudgetFormTest, PrintReportShowsTheBudgetYearByYearAndPrintsIt) {
  Open("BUDGET", -1, -1, 1);
  Set("Budget Name", "Living");
  Set("Start Age", "60");
  Set("End Age", "62");
  Enter("Food", "500", true);
  Set("Apply Rate", "3");
  Enter("Food", "500", true);  // the same item again, now growing by 3 %
  ASSERT_EQ(Press("Print Report"), Outcome::Opened);
  // The name and ages typed are stored first, as the report's file holds them.
  EXPECT_EQ(core::TextOf(budget().budgetName), "Living");
  planner::forms::Form& report = form_->Active();
  EXPECT_EQ(report.name(), "BUDGETREPORT");
  EXPECT_EQ(report.Find("Report")->text, "Budget Report: Living");
  const planner::forms::Field* years = report.Find("Years");
  ASSERT_NE(years, nullptr);
  EXPECT_EQ(years->columns, (std::vector<std::string>{"Age", "Yearly Total", "Food"}));
  ASSERT_EQ(years->entries.size(), 3u);
  EXPECT_EQ(years->entries[2], " 62\t      6365.40\t      6365.40");
  EXPECT_EQ(Press("Print"), Outcome::Done);
  ASSERT_EQ(view.opened.size(), 1u);
  EXPECT_EQ(view.opened[0].kind, planner::PlaceKind::PrintJob);
  EXPECT_EQ(view.opened[0].name, "budget-report");
  // The print job reads the same file: the title page, then the three ages under the titles.
  const auto job = planner::BuildPrintJob(session(), "budget-report");
  ASSERT_TRUE(job);
  ASSERT_EQ(job->pages.size(), 2u);
  EXPECT_EQ(job->pages[1].heading, "Budget Report: Living");
  EXPECT_EQ(job->pages[1].lines.size(), 4u);
  EXPECT_EQ(Press("OK"), Outcome::Done);
  EXPECT_EQ(&form_->Active(), form_.get());
}

TEST_F(BudgetFormTest, TheBudgetReportJobWithoutItsFileSaysSo) {
  EXPECT_FALSE(planner::BuildPrintJob(session(), "budget-report"));
  EXPECT_EQ(LastMessage(), "File Open Error: Cannot open the budget input file pbudout.tmp file.");
  EXPECT_FALSE(planner::IsPrintJobWord("budget-report:6"));
  EXPECT_TRUE(planner::IsPrintJobWord("budget-report:5"));
}

TEST_F(BudgetFormTest, MonthlyItemCountsTwelveTimesInTheYearlyTotal) {
  Open("BUDGET", -1, -1, 1);
  Enter("Rent", "100", true);
  EXPECT_EQ(Shown("Yearly Total"), "1200.00      ");
  EXPECT_EQ(form_->Find("Items")->entries.size(), 1u);
}

TEST_F(BudgetFormTest, NameMatchingInNineteenCharactersReplacesTheItem) {
  Open("BUDGET", -1, -1, 1);
  Enter("Groceries and household A", "100");
  Enter("Groceries and household B", "250");
  ASSERT_EQ(core::ItemCount(budget()), 1);
  EXPECT_FLOAT_EQ(budget().itemAmount[0], 250.0f);
}

TEST_F(BudgetFormTest, ThirtyItemsAreTheMost) {
  Open("BUDGET", -1, -1, 1);
  for (int i = 0; i < 30; ++i) Enter("Item " + std::to_string(100 + i), "1");
  Enter("One too many", "1");
  EXPECT_EQ(core::ItemCount(budget()), 30);
  EXPECT_EQ(LastMessage(),
            "Budget Warning: You have reached the maximum number of items for this budget");
}

TEST_F(BudgetFormTest, DeletingTheSecondItemKeepsTheThirdItemsSwitches) {
  Open("BUDGET", -1, -1, 1);
  Enter("A", "1");
  Enter("B", "2");
  Enter("C", "3", false, true);
  Set("Name", "B");
  Press("Delete");
  ASSERT_EQ(core::ItemCount(budget()), 2);
  EXPECT_EQ(core::TextOf(budget().itemName[1]), "C");
  EXPECT_EQ(budget().itemInflation[1], 1);
  Set("Items", "C");  // a row is chosen by its name
  EXPECT_EQ(Shown("Amount"), "3.00         ");
  EXPECT_TRUE(form_->Find("Apply inflation rate to withdrawal")->on);
}

TEST_F(BudgetFormTest, DeactivatingRemovesTheWithdrawalEvent) {
  Open("BUDGET", -1, -1, 1);
  Enter("Food", "500");
  Set("Budget Name", "Living");
  Set("Start Age", "60");
  Set("End Age", "90");
  Set("Activate this budget", "on");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  ASSERT_EQ(scenario().eventCount(), 1);
  EXPECT_TRUE(core::IsBudgetWithdrawal(scenario().events[0]));
  EXPECT_EQ(session().BudgetMenuText(1), "Living");
  Open("BUDGET", -1, -1, 1);
  Set("Activate this budget", "off");
  ASSERT_EQ(Press("OK"), Outcome::Stored);
  EXPECT_EQ(scenario().eventCount(), 0);
}

struct PasteCase {
  const char* firstLine;
  bool pasted;
};

class BudgetPaste : public BudgetFormTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(BudgetPaste, TakesOneToThirtyItems) {
  std::ofstream(dir.path() / "budout.tmp")
      << GetParam().firstLine << "\nPasted\n 60\n 90\nRent\t100.0\t1\t0\t0.0\nDooone\n";
  Open("BUDGET", -1, -1, 1);
  Press("Paste All");
  EXPECT_EQ(core::ItemCount(budget()), GetParam().pasted ? 1 : 0);
  if (!GetParam().pasted) {
    EXPECT_EQ(LastMessage(), "Budget File Error: The budget input file budout.tmp doesn't seem "
                             "to be a valid file.");
  } else {
    EXPECT_EQ(Shown("Budget Name").substr(0, 6), "Pasted");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BudgetPaste,
                         ::testing::Values(PasteCase{"1", true}, PasteCase{"0", false},
                                           PasteCase{"31", false}));

}  // namespace
}  // namespace planner_testing
