// The checked-in scenario files of the reader's fuzz corpus double as stored-format fixtures:
// each reads as its name says ("valid-" or "rejected-"), and a whole valid file writes back to
// the same bytes. With KX_UPDATE_FUZZ_SEEDS=1 in the environment the seeds are first rebuilt
// from the current writer, to be reviewed in the diff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/file_io.h"
#include "core/scenario_file.h"
#include "platform/scripted.h"
#include "tests/core/scenario_file_images.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

const std::filesystem::path kSeedDir =
    std::filesystem::path(KX_FUZZ_CORPUS_DIR) / "scenario_reader_fuzz";

void WriteSeed(const char* name, const std::string& bytes) {
  std::ofstream out(kSeedDir / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void RebuildSeeds() {
  const std::string rich = ScenarioFileBytes(testing::RichScenario());
  const testing::BlockOffsets at(testing::RichScenario().eventCount());
  std::filesystem::create_directories(kSeedDir);
  WriteSeed("valid-new-scenario.RET", NewScenarioFileBytes(MakeNewScenario()));
  WriteSeed("valid-rich-scenario.RET", rich);
  WriteSeed("valid-cut-in-budgets.RET", rich.substr(0, at.budgets + 2000));
  WriteSeed("rejected-truncated-in-events.RET", rich.substr(0, 80 + 160 + 20));
}

TEST(ScenarioSeedCorpus, SeedsReadAsTheirNamesSay) {
  const char* update = std::getenv("KX_UPDATE_FUZZ_SEEDS");
  if (update != nullptr && std::string(update) == "1") RebuildSeeds();

  testing_support::TempDir dir;
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kSeedDir)) {
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    ++seeds;
    platform::ScriptedPrompter prompter;
    Document document;
    const bool read = ReadScenarioFile(document, kSeedDir, name, prompter);
    if (name.rfind("rejected-", 0) == 0) {
      EXPECT_FALSE(read);
      EXPECT_EQ(prompter.shown().size(), 1u);
      continue;
    }
    ASSERT_EQ(name.rfind("valid-", 0), 0u) << "seeds are named valid-* or rejected-*";
    EXPECT_TRUE(read);
    EXPECT_TRUE(prompter.shown().empty());
    const std::string stored = ReadWholeFile(entry.path()).value_or("");
    if (stored.size() == testing::BlockOffsets(document.scenario.eventCount()).end) {
      EXPECT_EQ(ScenarioFileBytes(document.scenario), stored) << "whole files write back as read";
    }
  }
  EXPECT_GE(seeds, 4);
}

}  // namespace
}  // namespace core
