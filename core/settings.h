// The planner's state from one run to the next, kept in its start directory: "finance.dat"
// (last scenario, start-up counter, options, recent scenarios) and "prefinf.dat" (the window
// placement and display options as one PageSettings record).
#pragma once

#include <array>
#include <filesystem>

#include "core/page_settings.h"
#include "core/recent_files.h"
#include "core/scenario.h"
#include "platform/prompter.h"

namespace core {

inline constexpr const char* kSettingsFile = "finance.dat";
inline constexpr const char* kWindowPrefsFile = "prefinf.dat";
inline constexpr int kSettingsNumberCount = 8;
inline constexpr int kMaxStartupCounter = 9;
inline constexpr const char* kExampleScenarios[kRecentFileCount] = {
    "EXAMPLE1.RET", "EXAMPLE2.RET", "EXAMPLE3.RET", "EXAMPLE4.RET", "EXAMPLE5.RET", "EXAMPLE6.RET"};

struct FinanceSettings {
  std::string scenarioPath;
  // Line 2: the start-up counter first; the other seven are kept and written back unchanged
  // (the fourth and the eighth are reserved).
  std::array<float, kSettingsNumberCount> numbers{};
  // 1: ask "Do you wish to save the file %s?" before the scenario is replaced. On by default,
  // so that a first start does not let edits go unsaved without a word.
  int askToSave = 1;
  RecentFiles recent;
};

enum class SettingsStart { Found, FirstStart };

// Start-up: reads "finance.dat" from `workDir` into `settings` (what the file lacks keeps the
// value `settings` had), renews the start-up counter (1..9, one more at every start) and writes
// the file back. Without a readable file: counter 0, and a new file with counter 1 and no paths.
// Paths are kept whole; a path line that is no storable path (IsStorablePath) reads as empty.
SettingsStart ReadAndRenewSettings(const std::filesystem::path& workDir, FinanceSettings& settings);

// Close: the current path, line 2 with the counter as it is, and the recent entries of at least
// 2 characters. False when the file could not be written (the old one then stays). A path that
// is not storable is written as an empty line.
bool WriteSettings(const std::filesystem::path& workDir, const FinanceSettings& settings);

// The counter as the whole number that names a new scenario's file, ".\\temp%d%d.ret".
int StartupCounter(const FinanceSettings& settings);

// First start: the example scenarios become the recent files, "EXAMPLE6.RET" the current one,
// "finance.dat" says so, and "EXAMPLE6.RET" is opened into `document`. Returns whether it opened.
bool InitExampleSettings(Document& document, const std::filesystem::path& workDir,
                         FinanceSettings& settings, platform::Prompter& prompter);

// The main window's rectangle in screen pixels.
struct WindowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Start-up, before the window exists: the preferences of "prefinf.dat" (defaults when it is
// missing or shorter than one record), with a left or top edge outside 0..300 moved to 0 and
// colour banding on. The scenario's first font gets the face "Lucida".
PageSettings ReadWindowPrefs(const std::filesystem::path& workDir, Scenario& scenario);

// Close: `prefs` (the live options) with the window's placement, as "prefinf.dat". Failure is
// silent: the result says whether the file was written.
bool WriteWindowPrefs(const std::filesystem::path& workDir, PageSettings prefs,
                      const WindowRect& window);

}  // namespace core
