// Saving a scenario: Save, Save As with its overwrite question, the file of a new scenario, the
// save question, and failed writes that must lose nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "core/scenario_file.h"
#include "platform/scripted.h"
#include "tests/core/scenario_file_images.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

using platform::Answer;
using Lines = std::vector<std::string>;

const WriteFault kDiskFullAfter100Bytes{100};

// A modified rich scenario under "plan.RET", whose file holds older bytes.
class SavingScenario : public ::testing::Test {
 protected:
  SavingScenario() {
    document_.scenario = testing::RichScenario();
    document_.path = "plan.RET";
    document_.MarkEdited();
  }

  bool OnlyFilesAre(std::vector<std::string> names) const {
    std::vector<std::string> present;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
      present.push_back(entry.path().filename().string());
    }
    std::sort(present.begin(), present.end());
    std::sort(names.begin(), names.end());
    return present == names;
  }

  const std::string oldBytes_ = "older scenario bytes";
  testing_support::TempDir dir_;
  platform::ScriptedPrompter prompter_;
  Document document_;
};

TEST_F(SavingScenario, SaveWritesTheFileAndClearsTheModifiedFlag) {
  dir_.Write("plan.RET", oldBytes_);
  ASSERT_TRUE(WriteScenarioFile(document_, dir_.path(), prompter_));
  EXPECT_EQ(dir_.Read("plan.RET"), ScenarioFileBytes(document_.scenario));
  EXPECT_FALSE(document_.modified);
  EXPECT_TRUE(prompter_.shown().empty());
}

TEST_F(SavingScenario, SaveCreatesAMissingFile) {
  ASSERT_TRUE(WriteScenarioFile(document_, dir_.path(), prompter_));
  EXPECT_EQ(dir_.Read("plan.RET").size(), testing::BlockOffsets(4).end);
}

TEST_F(SavingScenario, FailedSaveKeepsTheOldFileAndTheModifiedFlag) {
  dir_.Write("plan.RET", oldBytes_);
  EXPECT_FALSE(WriteScenarioFile(document_, dir_.path(), prompter_, &kDiskFullAfter100Bytes));
  EXPECT_EQ(prompter_.Lines(), Lines{"FILE ERROR: Cannot open file!"});
  EXPECT_EQ(dir_.Read("plan.RET"), oldBytes_);
  EXPECT_TRUE(document_.modified);
  EXPECT_TRUE(OnlyFilesAre({"plan.RET"})) << "no half-written file left behind";
}

TEST_F(SavingScenario, SaveAsNewFileAsksNothingAndMakesItCurrent) {
  ASSERT_TRUE(SaveScenarioAs(document_, dir_.path(), "other.RET", prompter_));
  EXPECT_TRUE(prompter_.shown().empty());
  EXPECT_EQ(dir_.Read("other.RET"), ScenarioFileBytes(document_.scenario));
  EXPECT_EQ(document_.path, "other.RET");
  EXPECT_EQ(document_.Title(), "Dudavovez Odoredo -- Pro - other.RET");
  EXPECT_FALSE(document_.modified);
}

TEST_F(SavingScenario, SaveAsOverExistingFileAnsweredNoSavesNothing) {
  dir_.Write("other.RET", oldBytes_);
  prompter_.SetNextAnswer(Answer::No);
  EXPECT_FALSE(SaveScenarioAs(document_, dir_.path(), "other.RET", prompter_));
  EXPECT_EQ(prompter_.Lines(), Lines{"FILE WARNING: other.RET exits - Overwrite anyway?"});
  EXPECT_EQ(prompter_.shown()[0].buttons, platform::Buttons::YesNo);
  EXPECT_EQ(dir_.Read("other.RET"), oldBytes_);
  EXPECT_EQ(document_.path, "plan.RET");
  EXPECT_TRUE(document_.modified);
}

TEST_F(SavingScenario, SaveAsOverExistingFileAnsweredYesOverwrites) {
  dir_.Write("other.RET", oldBytes_);
  prompter_.SetNextAnswer(Answer::Yes);
  ASSERT_TRUE(SaveScenarioAs(document_, dir_.path(), "other.RET", prompter_));
  EXPECT_EQ(prompter_.shown().size(), 1u);
  EXPECT_EQ(dir_.Read("other.RET"), ScenarioFileBytes(document_.scenario));
  EXPECT_EQ(document_.path, "other.RET");
  EXPECT_FALSE(document_.modified);
}

TEST_F(SavingScenario, FailedSaveAsOverExistingFileNamesItAndKeepsIt) {
  dir_.Write("other.RET", oldBytes_);
  prompter_.SetNextAnswer(Answer::Yes);
  EXPECT_FALSE(
      SaveScenarioAs(document_, dir_.path(), "other.RET", prompter_, &kDiskFullAfter100Bytes));
  EXPECT_EQ(prompter_.Lines(), (Lines{"FILE WARNING: other.RET exits - Overwrite anyway?",
                                      "FILE ERROR: Cannot open other.RET!"}));
  EXPECT_EQ(dir_.Read("other.RET"), oldBytes_);
  EXPECT_EQ(document_.path, "plan.RET");
  EXPECT_TRUE(document_.modified);
}

TEST_F(SavingScenario, FailedSaveAsToNewFileCreatesNothing) {
  EXPECT_FALSE(
      SaveScenarioAs(document_, dir_.path(), "other.RET", prompter_, &kDiskFullAfter100Bytes));
  EXPECT_EQ(prompter_.Lines(), Lines{"FILE ERROR: Cannot open file!"});
  EXPECT_TRUE(OnlyFilesAre({}));
  EXPECT_EQ(document_.path, "plan.RET");
}

TEST_F(SavingScenario, NewScenarioFileHoldsTheFirstThreeBlocks) {
  document_.scenario.page.windowWidth = 1024;
  ASSERT_TRUE(WriteNewScenarioFile(document_, dir_.path(), 3, prompter_));
  EXPECT_TRUE(prompter_.shown().empty());
  EXPECT_TRUE(OnlyFilesAre({"temp31.ret"}));
  const std::string bytes = dir_.Read("temp31.ret");
  EXPECT_EQ(bytes.size(), 80u + 0u + 4124u);
  EXPECT_EQ(bytes, ScenarioFileBytes(MakeNewScenario()).substr(0, 4204));
  EXPECT_EQ(document_.path, ".\\temp31.ret");
  EXPECT_EQ(document_.Title(), "Dudavovez Odoredo -- Pro - .\\temp31.ret");
  EXPECT_FALSE(document_.modified);
  EXPECT_TRUE(document_.outOfDate);
  EXPECT_EQ(+document_.scenario.eventCount(), 0);
  EXPECT_EQ(+document_.scenario.accountCount(), 0);
  EXPECT_EQ(TextOf(document_.scenario.slots.rmdTable2Description), "IRA 2");
  EXPECT_EQ(+document_.scenario.groups.mcTrials, 0) << "Monte Carlo area zeroed";
  EXPECT_EQ(+document_.scenario.reserved1[0], 0);
  EXPECT_EQ(+document_.scenario.page.windowWidth, 1024) << "display settings stay";
}

TEST_F(SavingScenario, NewScenarioFileReadsBackWithDefaults) {
  ASSERT_TRUE(WriteNewScenarioFile(document_, dir_.path(), 9, prompter_));
  Document reread;
  ASSERT_TRUE(ReadScenarioFile(reread, dir_.path(), ".\\temp91.ret", prompter_));
  EXPECT_EQ(+reread.scenario.initial.startAge, 30.0f);
  EXPECT_EQ(+reread.scenario.groups.mcTrials, 100);
  EXPECT_EQ(TextOf(reread.scenario.budgets[4].budgetName), "Budget 5");
  EXPECT_EQ(+reread.scenario.page.marginRight, 500);
}

TEST_F(SavingScenario, NewScenarioFileReplacesAnExistingOne) {
  dir_.Write("temp21.ret", oldBytes_ + std::string(10000, 'z'));
  ASSERT_TRUE(WriteNewScenarioFile(document_, dir_.path(), 2, prompter_));
  EXPECT_TRUE(prompter_.shown().empty());
  EXPECT_EQ(dir_.Read("temp21.ret").size(), 4204u);
}

TEST_F(SavingScenario, FailedNewScenarioFileKeepsTheDocument) {
  const Scenario before = document_.scenario;
  EXPECT_FALSE(WriteNewScenarioFile(document_, dir_.path(), 1, prompter_, &kDiskFullAfter100Bytes));
  dir_.Write("temp11.ret", oldBytes_);
  EXPECT_FALSE(WriteNewScenarioFile(document_, dir_.path(), 1, prompter_, &kDiskFullAfter100Bytes));
  EXPECT_EQ(prompter_.Lines(), (Lines{"FILE ERROR: Cannot open temporary file!",
                                      "FILE ERROR: Cannot open .\\temp11.ret!"}));
  EXPECT_EQ(dir_.Read("temp11.ret"), oldBytes_);
  // Keeping the old path with an emptied scenario would let the next Save destroy plan.RET.
  EXPECT_EQ(document_.path, "plan.RET");
  EXPECT_TRUE(document_.modified);
  EXPECT_EQ(std::memcmp(&document_.scenario, &before, sizeof before), 0);
}

TEST_F(SavingScenario, SaveQuestionIsAskedOnlyWhenOnAndModified) {
  EXPECT_EQ(AskToSaveScenario(document_, dir_.path(), false, prompter_), Answer::Yes);
  document_.modified = false;
  EXPECT_EQ(AskToSaveScenario(document_, dir_.path(), true, prompter_), Answer::Yes);
  EXPECT_TRUE(prompter_.shown().empty());
  EXPECT_TRUE(OnlyFilesAre({}));
}

TEST_F(SavingScenario, SaveQuestionAnsweredYesWritesTheFile) {
  prompter_.SetNextAnswer(Answer::Yes);
  EXPECT_EQ(AskToSaveScenario(document_, dir_.path(), true, prompter_), Answer::Yes);
  EXPECT_EQ(prompter_.Lines(),
            Lines{"Kestrune Dudavovez Odoredo -- Pro: Do you wish to save the file plan.RET?"});
  EXPECT_EQ(prompter_.shown()[0].buttons, platform::Buttons::YesNoCancel);
  EXPECT_EQ(dir_.Read("plan.RET"), ScenarioFileBytes(document_.scenario));
  EXPECT_FALSE(document_.modified);
}

TEST_F(SavingScenario, SaveQuestionAnsweredNoOrCancelWritesNothing) {
  prompter_.SetNextAnswer(Answer::No);
  prompter_.SetNextAnswer(Answer::Cancel);
  EXPECT_EQ(AskToSaveScenario(document_, dir_.path(), true, prompter_), Answer::No);
  EXPECT_EQ(AskToSaveScenario(document_, dir_.path(), true, prompter_), Answer::Cancel);
  EXPECT_TRUE(OnlyFilesAre({}));
  EXPECT_TRUE(document_.modified);
}

TEST_F(SavingScenario, SaveQuestionWithFailedWriteCancelsTheCommand) {
  prompter_.SetNextAnswer(Answer::Yes);
  EXPECT_EQ(AskToSaveScenario(document_, dir_.path(), true, prompter_, &kDiskFullAfter100Bytes),
            Answer::Cancel);
  EXPECT_EQ(prompter_.Lines().back(), "FILE ERROR: Cannot open file!");
  EXPECT_TRUE(document_.modified);
}

}  // namespace
}  // namespace core
