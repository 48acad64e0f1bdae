// Fuzz target of the account file reader: any bytes are read as an account file. The accounts
// read must stay inside their tables, and writing them and reading them again changes nothing:
// the repairs of the first read leave nothing for a second one.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/account_file.h"
#include "fuzz/fuzz_scratch.h"
#include "platform/scripted.h"

namespace {

using fuzz_support::ScratchDir;
using fuzz_support::WriteInput;

void CheckInsideTables(const core::Scenario& scenario) {
  if (scenario.accountCount() < 0 || scenario.accountCount() > core::kMaxAccounts) std::abort();
  for (int i = 0; i < core::kMaxAccounts; ++i) {
    const core::Account& account = scenario.account(i);
    if (account.slot >= core::kSlotCount || account.groupIndex >= core::kMaxGroups) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = ScratchDir();
  WriteInput(dir / "input.ACC", data, size);

  platform::ScriptedPrompter prompter;
  prompter.SetFallbackAnswer(platform::Answer::Yes);
  core::Document document;
  if (!core::ReadAccountFile(document, dir / "input.ACC", prompter)) std::abort();
  CheckInsideTables(document.scenario);

  if (!core::WriteAccountFile(document.scenario, dir / "output.ACC", prompter)) std::abort();
  core::Document reread;
  if (!core::ReadAccountFile(reread, dir / "output.ACC", prompter)) std::abort();
  if (core::AccountFileBytes(reread.scenario) != core::AccountFileBytes(document.scenario)) {
    std::abort();
  }
  return 0;
}
