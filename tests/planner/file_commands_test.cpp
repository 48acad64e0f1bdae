// The File menu through the session: new scenarios by hand and from a balance report, opening
// good, damaged and missing files, the save prompt's Cancel on every command that replaces the
// scenario, Save As and the recent files, the accounts file, re-indexing and the results export.
#include <gtest/gtest.h>

#include "core/scenario_file.h"
#include "core/text.h"
#include "tests/planner/planner_fixture.h"

namespace planner_testing {
namespace {

class FileCommands : public PlannerTest {
 protected:
  void SetUp() override {
    StartPlanner();
    platform.prompter.Clear();
  }
  // Marks the scenario edited so that the save prompt asks.
  void Edit() { session().document().MarkEdited(); }
  void Choose(const std::string& path) { platform.files.SetNextChoice({path}); }
  const std::string& LastChooserTitle() { return platform.files.requests().back().title; }
};

TEST_F(FileCommands, NewByHandWritesTheTemporaryScenario) {
  view.nextChoices = {2};
  session().Execute(1);
  ASSERT_EQ(view.chooserTitles, std::vector<std::string>{"Create New Accounts"});
  EXPECT_EQ(view.lastChoices,
            (std::vector<std::string>{"Create New Accounts From a Tab-delimited File (*.KXI)",
                                      "Create New Accounts From a Comma-delimited File (*.CSV)",
                                      "Create New Accounts By Hand"}));
  EXPECT_EQ(session().document().path, ".\\temp01.ret");
  EXPECT_EQ(session().Title(), "Dudavovez Odoredo -- Pro - .\\temp01.ret");
  EXPECT_TRUE(std::filesystem::exists(dir / "temp01.ret"));
  EXPECT_EQ(session().document().scenario.accountCount(), 0);
  EXPECT_EQ(core::TextOf(session().document().scenario.slots.rmdTable2Description), "IRA 2");
}

TEST_F(FileCommands, NewFromABalanceReportMakesItsAccounts) {
  dir.Write("report.KXI", "Savings\t(1,234.50)\r\nTotal Assets\t3.00\r\nChecking\t250.00\r\n");
  view.nextChoices = {0};
  Choose((dir / "report.KXI").string());
  session().Execute(1);
  EXPECT_EQ(LastChooserTitle(), "Read Accounts From a Tab File");
  const core::Scenario& s = session().document().scenario;
  ASSERT_EQ(s.accountCount(), 2);
  EXPECT_EQ(core::TextOf(s.account(0).name), "Savings");
  EXPECT_FLOAT_EQ(+s.account(0).initialAmount, -1234.5f);
  EXPECT_EQ(core::TextOf(s.account(1).name), "Checking");
  EXPECT_FALSE(session().schedule().lines().empty());
}

TEST_F(FileCommands, CancelAtTheSavePromptEndsEveryReplacingCommand) {
  for (int command : {1, 2, 602, 5}) {
    Edit();
    platform.prompter.SetNextAnswer(platform::Answer::Cancel);
    view.nextChoices = {2};
    session().Execute(command);
    EXPECT_EQ(session().document().path, "EXAMPLE6.RET") << command;
    EXPECT_TRUE(session().document().modified) << command;
  }
  EXPECT_TRUE(platform.files.requests().empty());
  EXPECT_EQ(view.chooserTitles.size(), 0u);
  // Exit asks the window to close; the window's close runs the prompt, where Cancel keeps it.
  EXPECT_EQ(view.closeRequests, 1);
}

TEST_F(FileCommands, YesAtTheSavePromptSavesBeforeOpening) {
  Edit();
  session().document().scenario.initial.taxRate = 33.0f;
  platform.prompter.SetNextAnswer(platform::Answer::Yes);
  Choose(CopyExample(1));
  session().Execute(2);
  EXPECT_EQ(session().document().path, "EXAMPLE1.RET");
  core::Document saved;
  ASSERT_TRUE(core::ReadScenarioFile(saved, dir.path(), "EXAMPLE6.RET", platform.prompter));
  EXPECT_FLOAT_EQ(+saved.scenario.initial.taxRate, 33.0f);
}

TEST_F(FileCommands, OpeningAddsTheFileToTheRecentList) {
  Choose((dir / CopyExample(3, "Third.RET")).string());
  session().Execute(2);
  EXPECT_EQ(LastChooserTitle(), "Open a Scenario");
  EXPECT_EQ(platform.files.requests().back().filter, "Scenario Files (*.RET)");
  EXPECT_EQ(session().settings().recent[0], (dir / "Third.RET").string());
  EXPECT_EQ(session().RecentMenu().back().text, "(1) " + (dir / "Third.RET").string());
  // Recent entry 4 was EXAMPLE3.RET before; now the list moved down by one.
  session().Execute(605);  // entry 4: EXAMPLE3.RET
  EXPECT_EQ(session().document().path, "EXAMPLE3.RET");
  EXPECT_EQ(session().settings().recent[0], "EXAMPLE3.RET");
  EXPECT_EQ(session().settings().recent[1], (dir / "Third.RET").string());
}

TEST_F(FileCommands, ADamagedFileLeavesANewScenarioUnderTmp01) {
  dir.Write("short.RET", std::string(79, '\0'));
  Choose((dir / "short.RET").string());
  session().Execute(2);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("doesn't seem to be a valid Kestrune Dudavovez Odoredo file."),
            std::string::npos);
  EXPECT_EQ(session().Title(), "Dudavovez Odoredo -- Pro - tmp01.ret");
}

TEST_F(FileCommands, AMissingFileIsReportedAndTheScenarioStays) {
  Choose((dir / "gone.RET").string());
  session().Execute(2);
  EXPECT_EQ(Messages(), std::vector<std::string>{"FILE OPEN ERROR: Cannot open " +
                                                 (dir / "gone.RET").string() + "."});
  EXPECT_EQ(session().document().path, "EXAMPLE6.RET");
}

TEST_F(FileCommands, SaveAsAsksBeforeOverwritingAndBecomesCurrent) {
  dir.Write("Taken.RET", "old");
  Choose((dir / "Taken.RET").string());
  platform.prompter.SetNextAnswer(platform::Answer::No);
  session().Execute(4);
  EXPECT_EQ(LastChooserTitle(), "Save Scenario With a New Name");
  EXPECT_EQ(dir.Read("Taken.RET"), "old");
  EXPECT_EQ(session().document().path, "EXAMPLE6.RET");

  Choose((dir / "Fresh.RET").string());
  session().Execute(4);
  EXPECT_EQ(session().document().path, (dir / "Fresh.RET").string());
  EXPECT_EQ(session().settings().recent[0], (dir / "Fresh.RET").string());
  EXPECT_FALSE(session().document().modified);
  // Save stores the window's width with the scenario.
  view.window = {0, 0, 777, 500};
  session().Execute(3);
  core::Document saved;
  ASSERT_TRUE(core::ReadScenarioFile(saved, dir.path(), "Fresh.RET", platform.prompter));
  EXPECT_EQ(+saved.scenario.page.windowWidth, 777);
}

TEST_F(FileCommands, AccountsGoToTheirOwnFileAndComeBack) {
  const int accounts = session().document().scenario.accountCount();
  ASSERT_GT(accounts, 0);
  Choose((dir / "Mine.ACC").string());
  session().Execute(8);
  EXPECT_EQ(LastChooserTitle(), "Write Accounts");
  ASSERT_TRUE(std::filesystem::exists(dir / "Mine.ACC"));

  view.nextChoices = {2};
  session().Execute(1);  // a new scenario without accounts
  ASSERT_EQ(session().document().scenario.accountCount(), 0);
  Choose((dir / "Mine.ACC").string());
  session().Execute(9);
  EXPECT_EQ(LastChooserTitle(), "Read Accounts");
  EXPECT_EQ(session().document().scenario.accountCount(), accounts);
  EXPECT_TRUE(session().document().modified);
}

TEST_F(FileCommands, ReindexingAsksFirst) {
  platform.prompter.SetNextAnswer(platform::Answer::No);
  session().Execute(14);
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Accounts: This may change the account assignments in your "
                            "scenario!\nDo you wish to continue?"});
  EXPECT_FALSE(session().document().modified);
  platform.prompter.SetNextAnswer(platform::Answer::Yes);
  session().Execute(14);
  EXPECT_EQ(Messages().back(),
            "Accounts: The Accounts have been re-indexed.\nPlease check the account assignments "
            "in your scenario.");
  EXPECT_TRUE(session().document().modified);
}

TEST_F(FileCommands, UpdatingFromAFileWithNoKnownNameChangesNothing) {
  dir.Write("other.KXI", "Nobody Here\t12.00\r\n");
  view.nextChoices = {0};
  Choose((dir / "other.KXI").string());
  session().Execute(13);
  EXPECT_EQ(view.chooserTitles.back(), "Update Accounts From a File");
  EXPECT_EQ(LastChooserTitle(), "Update Accounts From a Tab File");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].substr(0, 30), "Possible incorrect file type.:");
  EXPECT_FALSE(session().document().modified);
}

TEST_F(FileCommands, TheExportWritesOneRowPerResultsYear) {
  view.nextChoices = {1};
  Choose((dir / "out.kxe").string());
  session().Execute(12);
  EXPECT_EQ(view.chooserTitles.back(), "Export Accounts to a File");
  EXPECT_EQ(LastChooserTitle(), "Export Results To a Tab-delimited File (*.KXE)");
  const std::string text = dir.Read("out.kxe");
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.substr(0, 4), "Age\t");
  EXPECT_NE(text.find("Equity\tTotal\n"), std::string::npos);
  const auto& s = session().document().scenario;
  const int years = static_cast<int>(s.initial.endAge) - static_cast<int>(s.initial.startAge);
  EXPECT_GE(std::count(text.begin(), text.end(), '\n'), years + 1);

  // An existing file is replaced only on the user's word.
  view.nextChoices = {0};
  dir.Write("keep.csv", "mine");
  Choose((dir / "keep.csv").string());
  platform.prompter.SetNextAnswer(platform::Answer::No);
  session().Execute(12);
  EXPECT_EQ(dir.Read("keep.csv"), "mine");
  EXPECT_NE(Messages().back().find(" exits - Overwrite anyway?"), std::string::npos);
}

}  // namespace
}  // namespace planner_testing
