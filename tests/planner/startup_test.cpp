// The planner's start-up and closing: the settings at the first, second and tenth start, the
// example scenarios of a first start, the last scenario of a later one, the start-up words,
// and what closing writes and deletes.
#include <gtest/gtest.h>

#include <cstring>

#include "core/settings.h"
#include "planner/temporary_files.h"
#include "tests/planner/planner_fixture.h"

namespace planner_testing {
namespace {

std::string SecondLine(const std::string& text) {
  const size_t first = text.find('\n');
  return text.substr(first + 1, text.find('\n', first + 1) - first - 1);
}

TEST_F(PlannerTest, FirstStartOpensTheSixthExampleAndListsAllSix) {
  EXPECT_TRUE(StartPlanner().startup().CurrencyWord() == std::string("Dollars"));
  EXPECT_EQ(session().document().path, "EXAMPLE6.RET");
  EXPECT_EQ(session().Title(), "Dudavovez Odoredo -- Pro - EXAMPLE6.RET");
  for (int n = 1; n <= 6; ++n) {
    EXPECT_TRUE(std::filesystem::exists(dir / ("EXAMPLE" + std::to_string(n) + ".RET"))) << n;
  }
  const auto menu = session().RecentMenu();
  ASSERT_EQ(menu.size(), 6u);
  EXPECT_EQ(menu.front().text, "(6) EXAMPLE6.RET");
  EXPECT_EQ(menu.back().text, "(1) EXAMPLE1.RET");
  EXPECT_EQ(menu.back().command, 602);
  // The first run happened: the schedule of the example is there, and nothing is modified.
  EXPECT_FALSE(session().schedule().lines().empty());
  EXPECT_FALSE(session().document().modified);
  EXPECT_FALSE(session().document().outOfDate);
  EXPECT_TRUE(Messages().empty());
  // The example set-up writes the settings again with this start's counter, 0.
  EXPECT_EQ(SecondLine(dir.Read("finance.dat")).substr(0, 6), "  0.00");
}

TEST_F(PlannerTest, ExamplesTheUserChangedAreNotOverwritten) {
  dir.Write("EXAMPLE1.RET", "mine");
  StartPlanner();
  EXPECT_EQ(dir.Read("EXAMPLE1.RET"), "mine");
}

TEST_F(PlannerTest, LaterStartsOpenTheLastScenarioAndCountOn) {
  StartPlanner();
  ASSERT_TRUE(session().Close());
  EXPECT_EQ(SecondLine(dir.Read("finance.dat")).substr(0, 6), "  0.00");

  StartPlanner();  // second start
  EXPECT_EQ(session().document().path, "EXAMPLE6.RET");
  EXPECT_EQ(SecondLine(dir.Read("finance.dat")).substr(0, 6), "  1.00");
  ASSERT_TRUE(session().Close());
  for (int start = 3; start <= 10; ++start) {
    StartPlanner();
    ASSERT_TRUE(session().Close());
  }
  EXPECT_EQ(SecondLine(dir.Read("finance.dat")).substr(0, 6), "  9.00");
  EXPECT_EQ(core::StartupCounter(session().settings()), 9);
  StartPlanner();  // the eleventh found 9.00 and begins again at 1
  EXPECT_EQ(SecondLine(dir.Read("finance.dat")).substr(0, 6), "  1.00");
  EXPECT_EQ(core::StartupCounter(session().settings()), 1);
}

TEST_F(PlannerTest, AScenarioNamedOnTheCommandLineIsOpenedInsteadOfTheLast) {
  StartPlanner();
  ASSERT_TRUE(session().Close());
  const std::string plan = (dir / CopyExample(2, "Mine.RET")).string();
  planner_ = std::make_unique<planner::Planner>(platform.services(), dir.path(),
                                                planner::StartupOptions{});
  planner_->SetView(&view);
  planner_->StartUp(plan);
  EXPECT_EQ(session().document().path, plan);
  EXPECT_EQ(session().settings().recent[0], plan);
}

TEST_F(PlannerTest, AMissingLastScenarioStartsEmptyWithoutAMessage) {
  dir.Write("finance.dat", "Gone.RET\n  3.00 0 0 0 0 0 0 0 1\n");
  StartPlanner();
  EXPECT_EQ(session().document().path, "tmp01.ret");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PlannerTest, StartupWordsAreFoundAnywhereOnTheCommandLine) {
  const auto options = planner::ParseStartupWords("kxplan xNORETx Pounds GRAY DARKYELLOW");
  EXPECT_TRUE(options.noRun);
  EXPECT_TRUE(options.pound);
  EXPECT_FALSE(options.summary);
  EXPECT_FALSE(options.lighter);
  EXPECT_EQ(options.trialLines, planner::TrialLineColour::DarkYellow);
  EXPECT_EQ(planner::ParseStartupWords("GRAY").trialLines, planner::TrialLineColour::Gray);
  // Case-sensitive: "pound" and "noret" are no words of the planner.
  const auto lower = planner::ParseStartupWords("pound noret summary");
  EXPECT_FALSE(lower.pound || lower.noRun || lower.summary);
  EXPECT_STREQ(options.CurrencyWord(), "Pounds");
}

TEST_F(PlannerTest, NoretRunsNothingAndPoundShowsThePoundSign) {
  StartPlanner("NORET");
  EXPECT_TRUE(session().schedule().lines().empty());
  StartPlanner("Pound SUMMARY");
  EXPECT_EQ(session().CurrencyMark(), '\xA3');
  bool summary = false;
  for (const auto& line : session().schedule().lines()) {
    summary = summary || line.text.find("Summary:") != std::string::npos;
  }
  EXPECT_TRUE(summary);
}

TEST_F(PlannerTest, ClosingWritesTheSettingsAndDeletesTheTemporaryFiles) {
  StartPlanner();
  ASSERT_TRUE(std::filesystem::exists(dir / "plotinf01.tmp"));
  ASSERT_TRUE(std::filesystem::exists(dir / "bigfile.tmp"));
  dir.Write("page99", "x");
  dir.Write("rpage24", "x");
  dir.Write("spage3", "x");
  dir.Write("ptmpsch.dat", "x");
  dir.Write("PSCHED.TMP", "x");
  dir.Write("page100", "kept");  // beyond the pages a print makes
  std::filesystem::remove(dir / "prefinf.dat");
  view.window = {12, 34, 812, 634};
  ASSERT_TRUE(session().Close());
  for (const char* gone : {"plotinf01.tmp", "bigfile.tmp", "infile.tmp", "outfile.tmp", "page99",
                           "rpage24", "spage3", "ptmpsch.dat", "PSCHED.TMP"}) {
    EXPECT_FALSE(std::filesystem::exists(dir / gone)) << gone;
  }
  EXPECT_EQ(dir.Read("page100"), "kept");
  const std::string prefs = dir.Read("prefinf.dat");
  ASSERT_EQ(prefs.size(), sizeof(core::PageSettings));
  core::PageSettings stored;
  std::memcpy(&stored, prefs.data(), sizeof stored);
  EXPECT_EQ(stored.windowLeft, 12);
  EXPECT_EQ(stored.windowTop, 34);
  EXPECT_EQ(stored.windowWidth, 800);
  EXPECT_EQ(stored.windowHeight, 600);
  EXPECT_EQ(dir.Read("finance.dat").substr(0, 13), "EXAMPLE6.RET\n");
}

TEST_F(PlannerTest, CancelAtTheSavePromptKeepsTheWindowAndWritesNothing) {
  StartPlanner();
  session().document().modified = true;
  std::filesystem::remove(dir / "prefinf.dat");
  platform.prompter.SetNextAnswer(platform::Answer::Cancel);
  EXPECT_FALSE(session().Close());
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Kestrune Dudavovez Odoredo -- Pro: Do you wish to save the file "
                            "EXAMPLE6.RET?"});
  EXPECT_FALSE(std::filesystem::exists(dir / "prefinf.dat"));
  EXPECT_TRUE(std::filesystem::exists(dir / "plotinf01.tmp"));
  // Logging off asks the same and writes the two files, but leaves the temporary files.
  platform.prompter.SetNextAnswer(platform::Answer::No);
  EXPECT_TRUE(session().SessionEnding());
  EXPECT_TRUE(std::filesystem::exists(dir / "prefinf.dat"));
  EXPECT_TRUE(std::filesystem::exists(dir / "plotinf01.tmp"));
}

TEST(TemporaryFiles, EveryNameIsAlsoLookedForInLowerCase) {
  const auto names = planner::TemporaryFileNames();
  for (const char* name : {"TRADE.TMP", "trade.tmp", "ref.tmp", "budout.tmp", "pbudout.tmp",
                           "ppbudout.tmp", "tabout.tmp", "tmpfile.tmp", "page1", "spage24"}) {
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
  }
  EXPECT_EQ(std::count(names.begin(), names.end(), "bigfile.tmp"), 1);
}

TEST(TemporaryFiles, MissingFilesAreNoError) {
  testing_support::TempDir empty;
  EXPECT_EQ(planner::DeleteTemporaryFiles(empty.path()), 0);
}

}  // namespace
}  // namespace planner_testing
