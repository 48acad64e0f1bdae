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
#include "platform/scripted.h"

namespace {

// One scratch folder per process, removed at exit. The path is never destroyed, so that the
// exit handler can still use it.
const std::filesystem::path& ScratchDir() {
  static const std::filesystem::path* const dir = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kx-scenario-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    return new std::filesystem::path(pattern);
  }();
  static const bool cleanupRegistered = std::atexit([] {
    std::error_code error;
    std::filesystem::remove_all(*dir, error);
  }) == 0;
  (void)cleanupRegistered;
  return *dir;
}

void WriteInput(const std::filesystem::path& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

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
