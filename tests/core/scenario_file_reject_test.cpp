// Files that are not scenarios: too short in a required block, or with counts that do not fit
// their tables. Each is rejected with a message and leaves a new scenario "tmp01.ret".
#include <gtest/gtest.h>

#include <ostream>

#include <cstring>
#include <functional>

#include "core/scenario_file.h"
#include "platform/scripted.h"
#include "tests/core/scenario_file_images.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

using testing::BlockOffsets;
using testing::Patch;

// A good image broken in one place; the name says how and names the fixture file.
struct BrokenFile {
  const char* name;
  std::function<std::string()> make;
};

std::string RichImage() { return ScenarioFileBytes(testing::RichScenario()); }

std::string Truncated(size_t length) { return RichImage().substr(0, length); }

// A file with the event count patched and room for that many records, so that only the count
// can be the reason for the rejection.
std::string WithEventCount(int16_t count) {
  std::string image = ScenarioFileBytes(MakeNewScenario());
  Patch(image, 0, count);
  image.resize(BlockOffsets(count > 0 ? count : 0).end + 1000, '\0');
  return image;
}

std::string WithAccountCount(int16_t count) {
  std::string image = RichImage();
  Patch(image, BlockOffsets(4).accounts, count);
  return image;
}

// Names the case in test output instead of its bytes.
void PrintTo(const BrokenFile& c, std::ostream* out) { *out << c.name; }

class RejectedScenarioFile : public ::testing::TestWithParam<BrokenFile> {};

TEST_P(RejectedScenarioFile, ShowsTheMessageAndLeavesANewScenario) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  const std::string name = std::string(GetParam().name) + ".RET";
  dir.Write(name, GetParam().make());
  Document document;
  document.scenario = testing::RichScenario();
  document.scenario.page.windowWidth = 640;
  document.scenario.page.defaultFonts = 0;
  const Scenario previous = document.scenario;
  document.path = "before.RET";
  document.modified = true;

  EXPECT_FALSE(ReadScenarioFile(document, dir.path(), name, prompter));

  EXPECT_EQ(prompter.Lines(),
            std::vector<std::string>{"FILE WARNING: " + name +
                                     " doesn't seem to be a valid Kestrune Dudavovez Odoredo "
                                     "file."});
  EXPECT_EQ(document.path, "tmp01.ret");
  EXPECT_EQ(document.Title(), "Dudavovez Odoredo -- Pro - tmp01.ret");
  EXPECT_FALSE(document.modified);
  // The new scenario, with the display settings of the program kept and its fonts back to the
  // default ones.
  Scenario expected = MakeNewScenario();
  expected.page = previous.page;
  expected.page.defaultFonts = 1;
  expected.fonts = previous.fonts;
  EXPECT_EQ(std::memcmp(&document.scenario, &expected, sizeof expected), 0);
  EXPECT_EQ(+document.scenario.page.windowWidth, 640);
}

INSTANTIATE_TEST_SUITE_P(
    BrokenFiles, RejectedScenarioFile,
    ::testing::Values(
        BrokenFile{"empty", [] { return std::string(); }},
        BrokenFile{"truncated-79-bytes", [] { return Truncated(79); }},
        BrokenFile{"truncated-in-events", [] { return Truncated(80 + 3 * 160 + 159); }},
        BrokenFile{"truncated-in-accounts", [] { return Truncated(BlockOffsets(4).groups - 1); }},
        BrokenFile{"eventcount-151", [] { return WithEventCount(151); }},
        BrokenFile{"eventcount-minus-1", [] { return WithEventCount(-1); }},
        BrokenFile{"accountcount-51", [] { return WithAccountCount(51); }},
        BrokenFile{"accountcount-minus-1", [] { return WithAccountCount(-1); }}),
    [](const ::testing::TestParamInfo<BrokenFile>& param) {
      std::string name = param.param.name;
      for (char& c : name) {
        if (c == '-') c = '_';
      }
      return name;
    });

TEST(ScenarioFileCounts, FullEventTableOf150IsAccepted) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  Scenario full = MakeNewScenario();
  full.initial.eventCount = 150;
  full.events[149].kind = kDeposit;
  dir.Write("full.RET", ScenarioFileBytes(full));
  Document document;
  ASSERT_TRUE(ReadScenarioFile(document, dir.path(), "full.RET", prompter));
  EXPECT_EQ(+document.scenario.eventCount(), 150);
  EXPECT_EQ(+document.scenario.events[149].kind, kDeposit);
  EXPECT_EQ(+document.scenario.events[150].kind, kEmptyEvent) << "room for pseudo-events";
}

TEST(ScenarioFileCounts, FullAccountTableOf50IsAccepted) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  std::string image = ScenarioFileBytes(MakeNewScenario());
  Patch(image, BlockOffsets(0).accounts, int16_t{50});
  dir.Write("full.RET", image);
  Document document;
  ASSERT_TRUE(ReadScenarioFile(document, dir.path(), "full.RET", prompter));
  EXPECT_EQ(+document.scenario.accountCount(), 50);
}

TEST(ScenarioFileOpen, MissingFileFailsSilentlyAndKeepsTheDocument) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  Document document;
  document.scenario = testing::RichScenario();
  document.path = "mine.RET";
  document.modified = true;
  const Scenario before = document.scenario;

  EXPECT_FALSE(ReadScenarioFile(document, dir.path(), "missing.RET", prompter));
  EXPECT_FALSE(ReadScenarioFile(document, dir.path(), "", prompter)) << "a directory";

  EXPECT_TRUE(prompter.shown().empty()) << "the caller reports";
  EXPECT_EQ(document.path, "mine.RET");
  EXPECT_TRUE(document.modified);
  EXPECT_EQ(std::memcmp(&document.scenario, &before, sizeof before), 0);
}

}  // namespace
}  // namespace core
