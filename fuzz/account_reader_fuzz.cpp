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
#include "platform/scripted.h"

namespace {

// One scratch folder per process, removed at exit.
const std::filesystem::path& ScratchDir() {
  static const std::filesystem::path dir = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kx-account-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    std::atexit([] {
      std::error_code error;
      std::filesystem::remove_all(ScratchDir(), error);
    });
    return std::filesystem::path(pattern);
  }();
  return dir;
}

void WriteInput(const std::filesystem::path& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

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
