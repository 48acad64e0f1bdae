// The example scenarios as the planner loads them: built from their checked-in JSON sources by
// kxplan-cli, then read with the scenario reader.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/accounts.h"
#include "core/scenario_file.h"
#include "platform/scripted.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace cli_testing {

struct LoadedExample {
  std::string fileBytes;
  std::unique_ptr<core::Document> document = std::make_unique<core::Document>();
  platform::ScriptedPrompter prompter;  // what reading showed
  bool read = false;
  const core::Scenario& scenario() const { return document->scenario; }
};

inline std::unique_ptr<LoadedExample> LoadExample(int n) {
  auto loaded = std::make_unique<LoadedExample>();
  testing_support::TempDir dir;
  const auto built = RunIn(dir.path(), {"build", ExampleSource(n), "-o", "EXAMPLE.RET"});
  EXPECT_EQ(built.exitCode, 0) << built.err;
  loaded->fileBytes = dir.Read("EXAMPLE.RET");
  loaded->read =
      core::ReadScenarioFile(*loaded->document, dir.path(), "EXAMPLE.RET", loaded->prompter);
  return loaded;
}

inline const core::Account* AccountWithId(const core::Scenario& s, uint16_t id) {
  const int index = core::FindAccountIndex(s, id);
  return index < 0 ? nullptr : &s.account(index);
}

}  // namespace cli_testing
