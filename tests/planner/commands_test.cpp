// The command table: every command number reaches its action, the keys and toolbar agree with
// the table, and a command whose window this planner lacks says so.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>

#include "planner/command_table.h"
#include "planner/desktop_calculator.h"
#include "tests/planner/planner_fixture.h"

namespace planner_testing {
namespace {

using planner::CommandTable;
using planner::PlaceKind;

TEST(CommandTable, KeysAreUniqueAndEveryToolbarButtonHasACommand) {
  std::set<std::string> keys;
  for (const auto& entry : CommandTable()) {
    if (*entry.keys != '\0') {
      EXPECT_TRUE(keys.insert(entry.keys).second) << entry.keys;
    }
  }
  const auto buttons = planner::ToolbarButtons();
  ASSERT_EQ(buttons.size(), 25u);
  EXPECT_STREQ(buttons[0].tooltip, "Create a New Scenario");
  EXPECT_STREQ(buttons[24].tooltip, "Calculate Rule 72T Distributions");
  for (const auto& button : buttons) {
    EXPECT_NE(planner::FindCommand(button.command), nullptr) << button.tooltip;
  }
  EXPECT_EQ(planner::TopLevelMenus(),
            (std::vector<std::string>{"File", "Edit", "Tools/Aids", "Reports", "Graphs",
                                      "Quick Tips", "Help"}));
}

TEST(CommandTable, ShortcutListingHasALinePerEntry) {
  const std::string listing = planner::ShortcutListing();
  EXPECT_EQ(static_cast<size_t>(std::count(listing.begin(), listing.end(), '\n')),
            CommandTable().size());
  EXPECT_NE(listing.find("Edit > Add Event To Scenario\t&Fundamentals\t110\tAlt+F\n"),
            std::string::npos);
  EXPECT_NE(listing.find("Reports\tAccounts/Input/Output Report\t899\tCtrl+F9\n"),
            std::string::npos);
  EXPECT_NE(listing.find("File\tRe-Index Accounts\t14\t\n"), std::string::npos);
}

TEST_F(PlannerTest, EveryPlaceCommandOpensItsPlace) {
  StartPlanner();
  for (const auto& entry : CommandTable()) {
    if (entry.action != nullptr) continue;
    view.opened.clear();
    ASSERT_TRUE(session().Execute(entry.number)) << entry.number;
    ASSERT_EQ(view.opened.size(), 1u) << entry.number;
    EXPECT_EQ(view.opened[0].name, entry.placeName) << entry.number;
    EXPECT_EQ(view.opened[0].kind, entry.placeKind) << entry.number;
    EXPECT_EQ(view.opened[0].calculator, entry.calculator) << entry.number;
    EXPECT_EQ(view.opened[0].budget, entry.number >= 461 && entry.number <= 465
                                         ? entry.number - 461
                                         : -1)
        << entry.number;
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PlannerTest, HelpCommandsOpenTheirTopics) {
  StartPlanner();
  for (int topic : {776, 777, 785, 786, 787, 789, 912, 104, 105}) {
    ASSERT_TRUE(session().Execute(topic));
    EXPECT_EQ(platform.help.requests().back().topic, topic);
    EXPECT_EQ(platform.help.requests().back().file, ".\\finance.hlp");
  }
}

TEST_F(PlannerTest, CompanionProgramsGetThePlotFileAndTheCurrencyWord) {
  StartPlanner("Pound");
  session().Execute(178);
  session().Execute(903);
  session().Execute(904);
  const auto& started = platform.processes.started();
  ASSERT_EQ(started.size(), 3u);
  EXPECT_EQ(started[0].program, "kxcomp");
  EXPECT_EQ(started[0].arguments, (std::vector<std::string>{"plotinf01.tmp", "Pounds"}));
  EXPECT_EQ(started[1].program, "kxviewer");
  EXPECT_TRUE(started[1].arguments.empty());
  EXPECT_EQ(started[2].program, "kxrule");
  EXPECT_EQ(started[2].arguments, (std::vector<std::string>{"Pounds"}));
  platform.processes.FailNextStarts(true);
  session().Execute(903);
  EXPECT_EQ(Messages().back(), "Execution Error: The program kxviewer could not be started.");
}

TEST_F(PlannerTest, TheDesktopCalculatorIsLookedForOnThePath) {
  StartPlanner();
  const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  std::filesystem::create_directories(dir / "bin");
  setenv("PATH", (dir / "bin").c_str(), 1);
  session().Execute(884);
  EXPECT_EQ(Messages().back(),
            "Execution Error: The Window's Calculator could not be found in the path.");
  std::ofstream(dir / "bin" / "galculator") << "#!/bin/sh\n";
  std::filesystem::permissions(dir / "bin" / "galculator", std::filesystem::perms::owner_all);
  session().Execute(884);
  setenv("PATH", savedPath.c_str(), 1);
  ASSERT_EQ(platform.processes.started().size(), 1u);
  EXPECT_EQ(platform.processes.started()[0].program, (dir / "bin" / "galculator").string());
}

TEST(DesktopCalculator, TheFirstNameInOrderWinsOverTheFirstFolder) {
  testing_support::TempDir dir;
  for (const char* folder : {"a", "b"}) std::filesystem::create_directories(dir / folder);
  for (const auto& [folder, name] : {std::pair{"a", "xcalc"}, std::pair{"b", "kcalc"}}) {
    std::ofstream(dir / folder / name) << "";
    std::filesystem::permissions(dir / folder / name, std::filesystem::perms::owner_all);
  }
  std::ofstream(dir / "a" / "gnome-calculator") << "";  // not executable
  const std::string path = (dir / "a").string() + "::" + (dir / "b").string();
  EXPECT_EQ(planner::FindDesktopCalculator(path), dir / "b" / "kcalc");
  EXPECT_EQ(planner::FindDesktopCalculator(""), std::nullopt);
}

TEST_F(PlannerTest, TheManualIsOfferedAndAFailedViewerSaysSo) {
  StartPlanner();
  platform.prompter.SetNextAnswer(platform::Answer::No);
  session().Execute(671);
  EXPECT_EQ(platform.help.manualOpens(), 0);
  platform.prompter.SetNextAnswer(platform::Answer::Yes);
  session().Execute(671);
  EXPECT_EQ(platform.help.manualOpens(), 1);
  platform.help.SetManualOpensThatWork(1);
  platform.prompter.SetNextAnswer(platform::Answer::Yes);
  session().Execute(671);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{
                "Kestrune Dudavovez Odoredo -- Pro: Do you wish to download the PDF version of "
                "the manual now?",
                "Kestrune Dudavovez Odoredo -- Pro: Do you wish to download the PDF version of "
                "the manual now?",
                "Kestrune Dudavovez Odoredo -- Pro: Do you wish to download the PDF version of "
                "the manual now?",
                "Browser Error: There is a problem opening up the default browser."}));
}

TEST_F(PlannerTest, ExitAboutAndUnknownNumbers) {
  StartPlanner();
  EXPECT_TRUE(session().Execute(5));
  EXPECT_EQ(view.closeRequests, 1);
  EXPECT_TRUE(session().Execute(6));
  EXPECT_EQ(view.aboutShown, 1);
  EXPECT_FALSE(session().Execute(4711));
  EXPECT_FALSE(session().Execute(607));  // between the recent entries' numbers
}

TEST_F(PlannerTest, APlaceThisPlannerLacksIsSaidPlainly) {
  StartPlanner();
  view.opens = false;
  session().Execute(882);
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Refinance Analysis: This part of the planner is not available yet."});
}

TEST_F(PlannerTest, ADialogOpenAlreadyIsRaisedInsteadOfOpenedAgain) {
  StartPlanner();
  const planner::Place pref{PlaceKind::Dialog, "PREF"};
  EXPECT_TRUE(session().BeginDialog(pref));
  EXPECT_FALSE(session().BeginDialog(pref));
  ASSERT_EQ(view.raised.size(), 1u);
  EXPECT_EQ(view.raised[0].name, "PREF");
  planner::Place budget2{PlaceKind::Dialog, "BUDGET"};
  budget2.budget = 1;
  EXPECT_TRUE(session().BeginDialog(budget2));  // another dialog, another flag
  session().EndDialog(pref);
  EXPECT_TRUE(session().BeginDialog(pref));
}

}  // namespace
}  // namespace planner_testing
