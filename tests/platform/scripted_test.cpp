// The scripted desktop that the core's tests rely on: answers in order, a fallback after the
// script, and a record of everything shown.
#include <gtest/gtest.h>

#include "platform/scripted.h"

namespace platform {
namespace {

TEST(ScriptedPrompter, AnswersInOrderThenFallsBack) {
  ScriptedPrompter prompter;
  prompter.SetNextAnswer(Answer::Yes);
  prompter.SetNextAnswer(Answer::Cancel);
  EXPECT_EQ(prompter.Ask("Q", "one", Buttons::YesNo, Icon::Question), Answer::Yes);
  EXPECT_EQ(prompter.Ask("Q", "two", Buttons::YesNoCancel, Icon::Question), Answer::Cancel);
  EXPECT_EQ(prompter.Ask("Q", "three", Buttons::YesNo, Icon::Question), Answer::No);
  prompter.SetFallbackAnswer(Answer::Yes);
  EXPECT_EQ(prompter.Ask("Q", "four", Buttons::YesNo, Icon::Question), Answer::Yes);
  EXPECT_EQ(prompter.UnusedAnswers(), 0u);
}

TEST(ScriptedPrompter, RecordsMessagesAndQuestionsInOrder) {
  ScriptedPrompter prompter;
  prompter.ShowMessage("FILE ERROR", "Cannot open file!", Icon::Error);
  prompter.Ask("FILE WARNING", "x exits - Overwrite anyway?", Buttons::YesNo, Icon::Warning);
  ASSERT_EQ(prompter.shown().size(), 2u);
  EXPECT_FALSE(prompter.shown()[0].question);
  EXPECT_TRUE(prompter.shown()[1].question);
  EXPECT_EQ(prompter.shown()[1].answer, Answer::No);
  EXPECT_EQ(prompter.Lines()[0], "FILE ERROR: Cannot open file!");
}

TEST(ScriptedFileChooser, CancelsWhenNothingIsScripted) {
  ScriptedFileChooser chooser;
  chooser.SetNextChoice({"/tmp/a.ACC"});
  EXPECT_EQ(chooser.Choose(FileRequest{false, "Read Accounts", "Account Files (*.ACC)", "ACC"}),
            std::vector<std::string>{"/tmp/a.ACC"});
  EXPECT_TRUE(chooser.Choose(FileRequest{}).empty());
  EXPECT_EQ(chooser.requests().size(), 2u);
  EXPECT_EQ(chooser.requests()[0].title, "Read Accounts");
}

TEST(FixedClock, GivesTheSameMomentUntilSet) {
  FixedClock clock(DateTime{2026, 12, 8, 9, 30, 0});
  EXPECT_EQ(clock.Now().day, 8);
  clock.Set(DateTime{2027, 1, 1});
  EXPECT_EQ(clock.Now().year, 2027);
}

}  // namespace
}  // namespace platform
