// Writing a scenario and reading it back: the same bytes, the same tables, exactly the fourteen
// blocks.
#include <gtest/gtest.h>

#include <cstring>

#include "core/scenario_file.h"
#include "platform/scripted.h"
#include "tests/core/scenario_file_images.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

using testing::BlockOffsets;
using testing::RichScenario;

bool SameBytes(const Scenario& a, const Scenario& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ScenarioFileRoundTrip, ImageHasTheFourteenBlocksInStoredOrder) {
  const Scenario rich = RichScenario();
  const std::string image = ScenarioFileBytes(rich);
  ASSERT_EQ(+rich.eventCount(), 4);
  const BlockOffsets at(4);
  ASSERT_EQ(image.size(), at.end);
  // Spot checks of one field per block at the place the layout gives it.
  EXPECT_EQ(testing::Peek<int16_t>(image, 0), 4);
  EXPECT_EQ(testing::Peek<float>(image, 80 + 18), 52000.0f);  // first event's amount
  EXPECT_EQ(testing::Peek<int16_t>(image, at.accounts), 3);
  EXPECT_EQ(testing::Peek<int16_t>(image, at.groups + 450), 500);
  EXPECT_EQ(testing::Peek<int16_t>(image, at.titles + 182), 1);
  EXPECT_EQ(testing::Peek<float>(image, at.slots + 1038 + 4), 15.5f);
  EXPECT_EQ(std::string(image.data() + at.fonts + 28), "Lucida");
  EXPECT_EQ(testing::Peek<int32_t>(image, at.page + 132), 750);
  EXPECT_EQ(std::string(image.data() + at.budgets + 1398), "Travel");
  EXPECT_EQ(testing::Peek<float>(image, at.dividends), 2.5f);
  EXPECT_EQ(image[at.reserved1 + 785], 2);
  EXPECT_EQ(image[at.reserved2 + 5059], 4);
}

TEST(ScenarioFileRoundTrip, ReadingThenWritingGivesTheSameBytes) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  Document document;
  document.scenario = RichScenario();
  document.path = "plan.RET";
  document.MarkEdited();
  ASSERT_TRUE(WriteScenarioFile(document, dir.path(), prompter));
  const std::string written = dir.Read("plan.RET");

  Document reread;
  ASSERT_TRUE(ReadScenarioFile(reread, dir.path(), "plan.RET", prompter));
  EXPECT_TRUE(SameBytes(reread.scenario, document.scenario))
      << "every table, working values and unused bytes included";
  reread.path = "copy.RET";
  ASSERT_TRUE(WriteScenarioFile(reread, dir.path(), prompter));
  EXPECT_EQ(dir.Read("copy.RET"), written);
  EXPECT_TRUE(prompter.shown().empty());
}

TEST(ScenarioFileRoundTrip, ReadKeepsBytesAfterTheEndOfTextFields) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  Document document;
  ASSERT_TRUE(ReadScenarioFile(document, dir.path(),
                               dir.Write("a.RET", ScenarioFileBytes(RichScenario())).string(),
                               prompter));
  EXPECT_EQ(TextOf(document.scenario.events[0].description), "Salary");
  EXPECT_EQ(+document.scenario.events[0].description[40], 'x');
  EXPECT_EQ(+document.scenario.events[0].runAmount, 61234.5f);
  EXPECT_EQ(+document.scenario.events[1].runMonthsPaid, 17);
}

TEST(ScenarioFileRoundTrip, WritingReplacesALongerFileWithoutStaleTail) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  Document document;
  document.path = "plan.RET";
  dir.Write("plan.RET", std::string(100000, '\x7f'));
  ASSERT_TRUE(WriteScenarioFile(document, dir.path(), prompter));
  EXPECT_EQ(dir.Read("plan.RET"), ScenarioFileBytes(document.scenario));
  EXPECT_EQ(dir.Read("plan.RET").size(), BlockOffsets(0).end);
}

TEST(ScenarioFileRoundTrip, SuccessfulReadReplacesPathAndFlags) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  dir.Write("plan.RET", ScenarioFileBytes(RichScenario()));
  Document document;
  document.path = "old.RET";
  document.modified = true;
  document.outOfDate = false;
  ASSERT_TRUE(ReadScenarioFile(document, dir.path(), "plan.RET", prompter));
  EXPECT_EQ(document.path, "plan.RET");
  EXPECT_EQ(document.Title(), "Dudavovez Odoredo -- Pro - plan.RET");
  EXPECT_FALSE(document.modified);
  EXPECT_TRUE(document.outOfDate) << "the results of the old scenario must be rebuilt";
}

}  // namespace
}  // namespace core
