// The calculators as forms: fields named by control number and label and set by the number
// alone, results shown after a press, values kept between openings, the mortgage handed to the
// Mortgage dialog, the effective rate handed back to its caller, the graphs started, and the
// refinance event created from a mortgage of the scenario.
#include <gtest/gtest.h>

#include "core/events.h"
#include "core/text_reading.h"
#include "planner/forms/calculator_forms.h"
#include "planner/print_jobs.h"
#include "tests/planner/form_fixture.h"
#include "tests/support/refinance_example.h"

namespace planner_testing {
namespace {

using planner::forms::Outcome;

TEST_F(FormTest, MortgageCalculatorFieldsByNumberAndTheKeptTexts) {
  Open("MORTGAGEC");
  Set("104", "100000");
  Set("105 Down Payment", "20000");
  Set("106", "6");
  Set("107", "30");
  EXPECT_EQ(Press("Calculate"), Outcome::Done);
  // PMT(80,000, 0.005, 360) = 479.64, shown "%-9.2f".
  EXPECT_EQ(Shown("108 Monthly Payment"), "479.64   ");
  EXPECT_EQ(Press("OK"), Outcome::Stored);
  Open("MORTGAGEC");
  EXPECT_EQ(Shown("104 Amount"), "100000");
  Set("106", "0.5");
  EXPECT_EQ(Press("Calculate"), Outcome::Kept);
  EXPECT_EQ(LastMessage(),
            "RATE ERROR: Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.");
}

TEST_F(FormTest, UseThisMortgageInPlanOpensTheMortgageDialogFilled) {
  Open("MORTGAGEC");
  Set("104", "250000");
  Set("105", "50000");
  Set("106", "5.5");
  Set("107", "15");
  ASSERT_EQ(Press("Use this mortgage in plan"), Outcome::Opened);
  EXPECT_EQ(form_->Active().name(), "MORTGAGE");
  EXPECT_EQ(Shown("Amount"), "250000");
  EXPECT_EQ(Shown("Down Payment / Equity"), "50000");
  EXPECT_EQ(Shown("Number of Years"), "15");
  // Closing the mortgage dialog closes the calculator too.
  EXPECT_EQ(Press("Cancel"), Outcome::Cancelled);
  EXPECT_TRUE(form_->closed());
}

TEST_F(FormTest, AcceleratedPaymentsFromAMortgageOfTheScenario) {
  const int index = core::AppendEvent(scenario());
  core::FinancialEvent& e = scenario().events[static_cast<size_t>(index)];
  e.kind = core::kMortgage;
  e.startAge = 40.0f;
  e.amount = 300000.0f;
  e.downPayment = 100000.0f;
  e.loanRate = 6.0f;
  e.years = 30;
  e.extraMonthlyPayment = 200.0f;
  scenario().initial.startAge = 40.0f;
  Open("ACCEL", index);
  EXPECT_EQ(Shown("1 Loan Amount"), "200000.00");
  EXPECT_EQ(Shown("4 Additional Monthly Payment"), "200.00");
  ASSERT_EQ(Press("Calculate"), Outcome::Done);
  EXPECT_EQ(Shown("5 Monthly Payment"), "$1,199.10");
  EXPECT_EQ(Shown("8 Payment Years"), "21.000 ");
  EXPECT_EQ(Shown("19 Years"), " 21");
  EXPECT_NE(Shown("Investment Comparison").find(" invested monthly at a yearly rate of 5.00 %"),
            std::string::npos);
}

TEST_F(FormTest, TheEffectiveRateGoesBackIntoTheInvestmentAnalysis) {
  Open("TAXINF");
  ASSERT_EQ(Press("Calculate Effective Yearly Rate"), Outcome::Opened);
  Set("Nominal Rate", "12");
  Set("Monthly", "on");
  EXPECT_EQ(Press("Use This Effective Yearly Rate"), Outcome::Done);  // back in TAXINF
  EXPECT_EQ(Shown("Effective yearly rate of return on investment"), "12.6825 ");
  Set("Amount invested", "1000");
  Set("Number of years amount is invested", "10");
  Set("Effective yearly rate of return on investment", "10");
  ASSERT_EQ(Press("Calculate"), Outcome::Done);
  EXPECT_EQ(Shown("End Value"), "$2,593.74");
  EXPECT_EQ(Shown("Average Yearly Rate"), "15.94%");
  // From the menu the effective rate has nothing to hand back to.
  Open("EFFECTIVE");
  EXPECT_FALSE(form_->Set("Number of Compoundings", "4"));  // enabled only with "Other"
  Set("Other - enter number of compoundings per year", "on");
  Set("Number of Compoundings", "4");
  EXPECT_EQ(Press("Use This Effective Yearly Rate"), Outcome::Unknown);
}

TEST_F(FormTest, TradeOffRecomputesAndGraphs) {
  Open("TRADE");
  Set("901", "Buy");
  Set("902", "Lease");
  Set("903", "");
  Set("101", "20000");
  Set("201", "100");
  Set("102", "2000");
  Set("202", "350");
  Set("601", "3");  // a change of the periods shows the new end amounts at once
  EXPECT_EQ(Shown("950 End Amount 1"), "-20300.00 ");
  EXPECT_EQ(Shown("108 Difference 1-2"), "17250.00  ");
  EXPECT_EQ(Press("Graph"), Outcome::Done);
  ASSERT_EQ(platform.processes.started().size(), 1u);
  EXPECT_EQ(platform.processes.started()[0].program, "kxtplot");
  Set("601", "101");
  EXPECT_EQ(Press("Graph"), Outcome::Kept);
  EXPECT_EQ(LastMessage(), "FILE ERROR: The number of periods cannot exceed 100.");
  Set("601", "12");
  EXPECT_EQ(Press("OK"), Outcome::Stored);
  EXPECT_EQ(session().calculators().tradeOff.periods, 12);
  EXPECT_EQ(dir.Read("tradeinf.dat").substr(0, 10), "Buy\nLease\n");
}

TEST_F(FormTest, RefinanceAnalysisAndItsEvent) {
  const int index = core::AppendEvent(scenario());
  core::FinancialEvent& e = scenario().events[static_cast<size_t>(index)];
  e.kind = core::kMortgage;
  core::CopyText(e.description, "House");
  e.startAge = 40.0f;
  e.amount = 250000.0f;
  e.downPayment = 50000.0f;
  e.loanRate = 7.0f;
  e.years = 30;
  Open("REFINANCE", index);
  EXPECT_EQ(Shown("105 Amount"), "200000.00");
  Set("109", "50");
  Set("111", "5");
  Set("112", "10");
  // The analysis shows its yearly rows, two per age from the refinancing on, as "refprt.tmp"
  // holds them.
  ASSERT_EQ(Press("Do Analysis"), Outcome::Opened);
  EXPECT_EQ(form_->Active().name(), "RASCHEDULE");
  const std::vector<std::string> rows = form_->Active().Find("Years")->entries;
  ASSERT_EQ(rows.size(), 40u);
  EXPECT_EQ(rows[0].substr(0, 5), " 50 O");
  EXPECT_EQ(rows[1].substr(0, 5), " 50 R");
  EXPECT_EQ(rows[1], core::SplitLines(dir.Read("refprt.tmp"))[2]);
  const std::vector<std::string> columns = form_->Active().Find("Years")->columns;
  ASSERT_EQ(columns.size(), 10u);
  EXPECT_EQ(columns.front(), "Age");
  EXPECT_EQ(columns.back(), "-Tax on Interest");
  EXPECT_EQ(Press("OK"), Outcome::Done);
  // The amount left at 0 is written back as the balance at 50.
  EXPECT_EQ(Shown("110 Amount").substr(0, 4), "1716");
  EXPECT_FALSE(dir.Read("refprt.tmp").empty());
  ASSERT_EQ(Press("Show Details"), Outcome::Opened);
  EXPECT_EQ(form_->Active().name(), "DETAILS");
  EXPECT_EQ(Press("OK"), Outcome::Done);
  const int before = scenario().eventCount();
  ASSERT_EQ(Press("Create This Refinance Event"), Outcome::Stored);
  ASSERT_EQ(scenario().eventCount(), before + 1);
  bool found = false;
  for (int i = 0; i < scenario().eventCount(); ++i) {
    const core::FinancialEvent& copy = scenario().events[static_cast<size_t>(i)];
    if (core::TextOf(copy.description) != "Refinance - House") continue;
    found = true;
    EXPECT_FLOAT_EQ(+copy.startAge, 50.0f);
    EXPECT_FLOAT_EQ(+copy.loanRate, 5.0f);
    EXPECT_EQ(+copy.years, 10);
    EXPECT_FLOAT_EQ(+copy.downPayment, 0.0f);
  }
  EXPECT_TRUE(found);
  EXPECT_TRUE(session().document().modified);
}

TEST_F(FormTest, ARefinanceFromTheMenuHasNoMortgageToCopy) {
  Open("REFINANCE");
  Set("104", "40");
  Set("105", "200000");
  Set("106", "7");
  Set("107", "30");
  Set("109", "50");
  Set("111", "5");
  Set("112", "10");
  EXPECT_EQ(Press("Create This Refinance Event"), Outcome::Kept);
  EXPECT_EQ(scenario().eventCount(), 0);
  Set("123", "200.01");
  EXPECT_EQ(Press("Do Analysis"), Outcome::Kept);
  EXPECT_EQ(LastMessage(), "RATE ERROR: The Savings Rate must be between -200.00% and 200.00 %.");
}

TEST_F(FormTest, TheMortgageDialogShowsTheScheduleOfWhatIsTyped) {
  Open("MORTGAGE");
  Set("Description", "House");
  Set("Start Age", "40");
  Set("Payoff Age", "70");
  Set("Rate", "6");
  Set("Amount", "250000");
  Set("Down Payment / Equity", "50000");
  Set("Number of Years", "10");
  ASSERT_EQ(Press("Schedule"), Outcome::Opened);
  EXPECT_EQ(form_->Active().name(), "MOSCHEDULE");
  const planner::forms::Field* rows = form_->Active().Find("Schedule");
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(rows->entries.size(), 10u);  // ages 40..49
  EXPECT_EQ(rows->entries[0].substr(0, 3), " 40");
  const std::string file = dir.Read("psched.tmp");
  EXPECT_EQ(file.substr(0, 14), "Age\tPrincipal\t");
  EXPECT_EQ(file.substr(file.size() - 7), "Dooone\n");
  EXPECT_EQ(Press("OK"), Outcome::Done);  // back in the Mortgage dialog, nothing stored
  EXPECT_EQ(scenario().eventCount(), 0);
  // Its Print prints what the schedule wrote: a title page and the ten rows, the age and seven
  // columns on one page, the age and the last two on the next.
  const auto job = planner::BuildPrintJob(session(), "payment-schedule");
  ASSERT_TRUE(job);
  ASSERT_EQ(job->pages.size(), 3u);
  EXPECT_EQ(job->pages[1].heading, "Mortgage Schedule");
  EXPECT_EQ(job->pages[1].lines.size(), 11u);
  EXPECT_EQ(job->pages[1].lines[0].substr(0, 4), "Age\t");
  EXPECT_EQ(job->pages[2].lines[0], "Age\tProperty Value\tProperty Liability");
}

TEST_F(FormTest, TheRefinanceAnalysisPrintsItsKeptValues) {
  EXPECT_FALSE(planner::BuildPrintJob(session(), "refinance"));  // nothing analysed yet
  session().calculators().refinance = testing_support::TenYearRefinance();
  const auto job = planner::BuildPrintJob(session(), "refinance");
  ASSERT_TRUE(job);
  // Ages 50 to 69 (the existing mortgage runs to 70), two rows each: 40 rows, one page of 50
  // under its column titles.
  ASSERT_EQ(job->pages.size(), 3u);  // nine values after the label: seven, then two
  EXPECT_EQ(job->pages[1].lines.size(), 1u + 2u * 20u);
  EXPECT_TRUE(job->pages[1].reportHeading);
}

TEST_F(FormTest, InflationCalculator) {
  Open("INFLATE");
  Set("Start Age", "30");
  Set("End Age", "32");
  Set("Start Age Amount", "1000");
  Set("Inflation Rate", "4");
  ASSERT_EQ(Press("Calculate"), Outcome::Done);
  EXPECT_EQ(Shown("Inflated Amount"), "1081.60      ");
}

}  // namespace
}  // namespace planner_testing
