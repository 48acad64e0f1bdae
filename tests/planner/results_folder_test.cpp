// The Results folder: the red-line rule and the year-heading columns on the lines of real
// runs, "Go To" with its age check, the scroll modes after a rerun, the detail switches, Save,
// the single random runs and the double click.
#include <gtest/gtest.h>

#include "planner/schedule_lines.h"
#include "tests/planner/planner_fixture.h"

namespace planner_testing {
namespace {

using planner::IsRedLine;
using planner::ScrollMode;

TEST(RedLines, EveryPhraseOfTheRuleAndNegativeMoney) {
  struct Case {
    const char* text;
    bool red;
  };
  const Case cases[] = {
      {"Red flags at age(s):", true},
      {"  Warning: you must select an account", true},
      {"  The withdrawal was not made", true},
      {"  A 10% penalty was imposed", true},
      {"  Penalties Paid = $100.00", true},
      {"  A penalty was paid on Savings", true},
      {"  Minimum age for withdrawal is 59.5", true},
      {"  Accounts were depleted", true},
      {"  $50.00 not transferred", true},
      {"  insufficient funds in Checking", true},
      {" 67.0  Your net worth went negative.", true},
      {"  The withdrawal account Savings is depleted", true},
      {"  withdrawal account Savings", false},
      {"  Savings depleted", false},
      {"  Balance $-1,234.50", true},
      {"  Balance $1,234.50 - after tax", false},
      {"  Balance \xA3-3.00", false},  // not the current mark
      {"  Deposit Salary to Savings", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsRedLine(c.text, '$'), c.red) << c.text;
  EXPECT_TRUE(IsRedLine("  Balance \xA3-3.00", '\xA3'));
}

TEST(YearHeadings, EightColumnsWhateverTheTabs) {
  const auto columns = planner::HeadingColumns(
      "45.0 \t     $1,000.00\t$2.00\t$3.00\t$4.00\t$5.00\t$-6.00\t$9,999.00");
  ASSERT_EQ(columns.size(), 8u);
  EXPECT_EQ(columns[0], "45.0");
  EXPECT_EQ(columns[1], "$1,000.00");
  EXPECT_EQ(columns[7], "$9,999.00");
  const auto shortLine = planner::HeadingColumns("45.0\t$1.00");
  EXPECT_EQ(shortLine.size(), 8u);
  EXPECT_EQ(shortLine[2], "");
  EXPECT_TRUE(planner::IsYearHeading("45.0\t$1.00"));
  EXPECT_FALSE(planner::IsYearHeading(" 45.0 Red flags"));
}

TEST(LeadingAges, OnlyAnAgeWithItsTenthsCounts) {
  EXPECT_EQ(planner::LeadingAge("45.0\t$1.00"), 45);
  EXPECT_EQ(planner::LeadingAge(" 67.0  Your net worth went negative."), 67);
  EXPECT_EQ(planner::LeadingAge("  Inflation Rate = 3.000"), std::nullopt);
  EXPECT_EQ(planner::LeadingAge("1000 dollars"), std::nullopt);
  EXPECT_EQ(planner::LeadingAge(""), std::nullopt);
}

class ResultsFolder : public PlannerTest {
 protected:
  void SetUp() override {
    StartPlanner();
    platform.prompter.Clear();
  }
  const engine::ScheduleList& list() { return session().schedule(); }
  int Last() { return static_cast<int>(list().lines().size()) - 1; }
};

TEST_F(ResultsFolder, RealRunsHaveRedLinesAndHeadingsOfEightColumns) {
  // The example plans include a red flag heading; every heading line splits into eight.
  int headings = 0;
  int red = 0;
  for (const auto& line : list().lines()) {
    if (planner::IsYearHeading(line.text)) {
      ++headings;
      const auto columns = planner::HeadingColumns(line.text);
      EXPECT_FALSE(columns[7].empty()) << line.text;
      EXPECT_EQ(columns[1][0], '$') << line.text;
    }
    red += IsRedLine(line.text, session().CurrencyMark());
  }
  EXPECT_GT(headings, 10);
  EXPECT_GT(red, 0);
}

TEST_F(ResultsFolder, ScrollModesPlaceTheListAfterEveryRun) {
  EXPECT_EQ(session().scrollLine(), Last());  // Bottom is where a start leaves it
  session().SetScrollMode(ScrollMode::Top);
  EXPECT_EQ(session().scrollLine(), 0);
  session().Rerun();
  EXPECT_EQ(session().scrollLine(), 0);
  session().SetScrollMode(ScrollMode::Bottom);
  EXPECT_EQ(session().scrollLine(), Last());
}

TEST_F(ResultsFolder, GoToChecksTheAgeAndFindsItsFirstLine) {
  const int start = session().WholeStartAge();
  const int age = start + 3;
  ASSERT_TRUE(session().GoToAge(std::to_string(age)));
  EXPECT_EQ(session().scrollMode(), ScrollMode::Age);
  EXPECT_EQ(session().scrollLine(), list().FirstLineOfAge(age));
  EXPECT_EQ(planner::LeadingAge(list().lines()[session().scrollLine()].text), age);
  session().Rerun();  // the mode holds after a rerun
  EXPECT_EQ(session().scrollLine(), list().FirstLineOfAge(age));

  ASSERT_TRUE(session().GoToAge("1"));  // below the plan: the first line
  EXPECT_EQ(session().scrollLine(), 0);
  ASSERT_TRUE(session().GoToAge("120"));  // above it: the last
  EXPECT_EQ(session().scrollLine(), Last());

  for (const char* wrong : {"0", "121", "abc", "", "-5"}) {
    EXPECT_FALSE(session().GoToAge(wrong)) << wrong;
  }
  EXPECT_EQ(Messages().size(), 5u);
  EXPECT_EQ(Messages()[0], "AGE ERROR: This age must be between 1 and 120.0.");
  // Four characters are read: "10000" is read as 1000.
  EXPECT_FALSE(session().GoToAge("10000"));
  EXPECT_TRUE(session().GoToAge("0050"));
}

TEST_F(ResultsFolder, DetailSwitchesRerun) {
  auto has = [this](const char* text) {
    for (const auto& line : list().lines()) {
      if (line.text.find(text) != std::string::npos) return true;
    }
    return false;
  };
  EXPECT_FALSE(has("End Of Year Account Summary:"));
  session().SetShowAccounts(true);
  EXPECT_TRUE(has("End Of Year Account Summary:"));
  session().SetShowDetails(true);
  EXPECT_TRUE(has("Initial Rates:"));
  session().SetShowDetails(false);
  session().SetShowAccounts(false);
  EXPECT_FALSE(has("Initial Rates:"));
}

TEST_F(ResultsFolder, SaveWritesTheResultsAndThePrintFileThenListsAgain) {
  platform.files.SetNextChoice({(dir / "plan.SCH").string()});
  ASSERT_TRUE(session().SaveResults());
  EXPECT_EQ(platform.files.requests().back().title, "Save Results To A File");
  const std::string results = dir.Read("plan.SCH");
  EXPECT_NE(results.find("Initial Rates"), std::string::npos);
  // The print file holds the same schedule, with the heading marker for its pages.
  const std::string printed = dir.Read("ptmpsch.dat");
  EXPECT_NE(printed.find("\n??\n"), std::string::npos);
  ASSERT_GT(results.size(), 500u);
  EXPECT_EQ(printed.substr(printed.size() - 500), results.substr(results.size() - 500));
  EXPECT_FALSE(list().lines().empty());
  // The next Save asks again.
  platform.files.SetNextChoice({});
  EXPECT_FALSE(session().SaveResults());
  EXPECT_EQ(platform.files.requests().size(), 2u);
}

TEST_F(ResultsFolder, RandomRunsWriteTheirNoticeAndAPlainRunComesBack) {
  auto notices = [this] {
    int count = 0;
    for (const auto& line : list().lines()) count += line.tag == engine::kTagRandomRates;
    return count;
  };
  session().SetShowDetails(true);
  ASSERT_TRUE(session().RunWithRandomRates(engine::RandomRateSource::Accounts));
  EXPECT_GT(notices(), 0);
  EXPECT_FALSE(session().lastRun().options.randomAccountRates);
  session().Rerun();
  EXPECT_EQ(notices(), 0);
}

TEST_F(ResultsFolder, DoubleClickGoesToAnAgeOrOpensTheEvent) {
  const int heading = list().FirstLineOfAge(session().WholeStartAge() + 2);
  ASSERT_GE(heading, 0);
  session().ChooseScheduleLine(heading);
  EXPECT_EQ(session().scrollMode(), ScrollMode::Age);
  EXPECT_EQ(session().scrollLine(), heading);

  int eventLine = -1;
  for (int i = 0; i < static_cast<int>(list().lines().size()); ++i) {
    const auto& line = list().lines()[i];
    if (line.tag >= 0 && line.tag < 150 && !planner::LeadingAge(line.text)) {
      eventLine = i;
      break;
    }
  }
  ASSERT_GE(eventLine, 0);
  session().ChooseScheduleLine(eventLine);
  ASSERT_EQ(view.opened.size(), 1u);
  EXPECT_EQ(view.opened[0].kind, planner::PlaceKind::Dialog);
  EXPECT_FALSE(view.opened[0].name.empty());
  // Lines of no event open nothing.
  session().ChooseScheduleLine(-1);
  session().ChooseScheduleLine(Last() + 1);
  EXPECT_EQ(view.opened.size(), 1u);
}

TEST_F(ResultsFolder, EditInitialValuesOpensItsDialogOrReruns) {
  session().EditInitialValuesAndRun();
  ASSERT_EQ(view.opened.size(), 1u);
  EXPECT_EQ(view.opened[0].name, "INITIAL");
  view.opens = false;
  const int before = view.resultsChanged;
  session().EditInitialValuesAndRun();
  EXPECT_EQ(view.resultsChanged, before + 1);
}

}  // namespace
}  // namespace planner_testing
