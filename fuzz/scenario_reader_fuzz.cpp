// Fuzz target of the scenario file reader: any bytes are read as a scenario file and the result
// is written back. A scenario that was read must read back from its written file unchanged: the
// load-time repairs leave nothing for a second read to change. (A rejected file leaves the New
// state, whose zeroed Monte Carlo settings a read would repair, so it is only written.)
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/scenario_file.h"
#include "fuzz/fuzz_scratch.h"
#include "platform/scripted.h"

using fuzz_support::ScratchDir;
using fuzz_support::WriteInput;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = ScratchDir();
  WriteInput(dir / "input.RET", data, size);

  platform::ScriptedPrompter prompter;
  core::Document document;
  const bool read = core::ReadScenarioFile(document, dir, "input.RET", prompter);
  document.path = "output.RET";
  if (!core::WriteScenarioFile(document, dir, prompter)) std::abort();
  if (!read) return 0;

  core::Document reread;
  if (!core::ReadScenarioFile(reread, dir, "output.RET", prompter)) std::abort();
  if (core::ScenarioFileBytes(reread.scenario) != core::ScenarioFileBytes(document.scenario)) {
    std::abort();
  }
  return 0;
}
