// Fuzz target of the start-up settings reader: any bytes as "finance.dat". The paths read must
// be whole storable paths (never cut), the counter 1..9 and every number finite; the renewed
// file must read back to the same settings with the counter one further, and the recent list
// must take the current path without growing or keeping a second spelling of it.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/file_io.h"
#include "core/recent_files.h"
#include "core/settings.h"
#include "core/text.h"
#include "fuzz/fuzz_scratch.h"

namespace {

using fuzz_support::ScratchDir;
using fuzz_support::WriteInput;

void Require(bool holds) {
  if (!holds) std::abort();
}

void CheckPaths(const core::FinanceSettings& settings) {
  Require(settings.scenarioPath.empty() || core::IsStorablePath(settings.scenarioPath));
  for (const std::string& path : settings.recent) {
    Require(path.empty() || core::IsStorablePath(path));
  }
  for (float number : settings.numbers) Require(std::isfinite(number));
}

void CheckRecentMenu(core::FinanceSettings settings) {
  const bool added = core::AddRecentFile(settings.recent, settings.scenarioPath);
  Require(added == (settings.scenarioPath.size() > 3));
  if (added) Require(settings.recent[0] == settings.scenarioPath);
  for (int later = 1; added && later < core::kRecentFileCount; ++later) {
    Require(!core::EqualsNoCase(settings.recent[later], settings.recent[0]));
  }
  const std::vector<core::MenuEntry> menu = core::RecentFileMenu(settings.recent);
  Require(menu.size() <= static_cast<size_t>(core::kRecentFileCount));
  for (size_t k = 0; k < menu.size(); ++k) {
    Require(menu[k].command == core::kRecentFileCommands[menu.size() - 1 - k]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = ScratchDir();
  WriteInput(dir / core::kSettingsFile, data, size);

  core::FinanceSettings settings;
  Require(core::ReadAndRenewSettings(dir, settings) == core::SettingsStart::Found);
  const int counter = core::StartupCounter(settings);
  Require(counter >= 1 && counter <= core::kMaxStartupCounter);
  CheckPaths(settings);
  CheckRecentMenu(settings);

  // The renewed file is the settings as read: a second start finds them again.
  core::FinanceSettings again;
  Require(core::ReadAndRenewSettings(dir, again) == core::SettingsStart::Found);
  Require(again.scenarioPath == settings.scenarioPath);
  Require(again.recent == settings.recent);
  Require(again.askToSave == settings.askToSave);
  Require(core::StartupCounter(again) == counter % core::kMaxStartupCounter + 1);

  // The close writes what it was given, whatever it holds.
  Require(core::WriteSettings(dir, settings));
  core::FinanceSettings closed;
  core::ReadAndRenewSettings(dir, closed);
  Require(closed.scenarioPath == settings.scenarioPath);
  CheckPaths(closed);
  return 0;
}
