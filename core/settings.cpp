// "finance.dat": the last scenario, the start-up counter, options and the recent files.
#include "core/settings.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/scenario_file.h"
#include "core/text.h"
#include "core/text_reading.h"

namespace core {

namespace {

constexpr size_t kSettingsFileLimit = 1u << 20;  // eight lines of paths need far less
constexpr int kFirstRecentLine = 2;

// A path as one stored line, whole or not at all: a path that cannot be one line of the file
// (too long, a line break inside) gives an empty line, never a shorter name of another file.
// The same holds for a line read back.
std::string AsLine(std::string_view path) {
  return IsStorablePath(path) ? std::string(path) : std::string();
}

// Line 2 is read as "%f %f %f %f %f %f %f %f %d" reads it: in order, up to the first field
// that is no number; the values after it keep what they were.
void ScanNumbersLine(std::string_view line, FinanceSettings& settings) {
  size_t used = 0;
  for (float& number : settings.numbers) {
    const float value = LeadingFloat(line, &used);
    if (used == 0) return;
    number = value;
    line.remove_prefix(used);
  }
  const int askToSave = LeadingInt(line, INT_MIN, INT_MAX, &used);
  if (used != 0) settings.askToSave = askToSave;
}

std::string NumbersLine(const FinanceSettings& settings) {
  const auto& n = settings.numbers;
  return Format("%6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %1d\n", static_cast<double>(n[0]),
                static_cast<double>(n[1]), static_cast<double>(n[2]), static_cast<double>(n[3]),
                static_cast<double>(n[4]), static_cast<double>(n[5]), static_cast<double>(n[6]),
                static_cast<double>(n[7]), settings.askToSave);
}

enum class RecentLines { All, AtLeastTwoCharacters };

std::string SettingsText(const FinanceSettings& settings, RecentLines which) {
  std::string text = AsLine(settings.scenarioPath) + "\n" + NumbersLine(settings);
  for (const std::string& path : settings.recent) {
    if (which == RecentLines::All || (path.size() >= 2 && IsStorablePath(path))) {
      text += AsLine(path) + "\n";
    }
  }
  return text;
}

std::filesystem::path SettingsPath(const std::filesystem::path& workDir) {
  return ResolvePath(workDir, kSettingsFile);
}

// The file's lines as they stand: unlike SplitLines a NUL byte stays in its line, so that a
// path with one is refused as a whole instead of being cut at it.
std::vector<std::string> StoredLines(std::string_view bytes) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < bytes.size();) {
    const size_t end = std::min(bytes.find('\n', start), bytes.size());
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

void ReadSettingsLines(const std::vector<std::string>& lines, FinanceSettings& settings) {
  settings.scenarioPath = lines.empty() ? std::string() : AsLine(lines[0]);
  if (lines.size() > 1) ScanNumbersLine(lines[1], settings);
  for (size_t r = 0; r < settings.recent.size(); ++r) {
    const size_t line = kFirstRecentLine + r;
    settings.recent[r] = line < lines.size() ? AsLine(lines[line]) : std::string();
  }
}

// One more than last time, starting again at 1 after 9. A counter that is no number of 0..9
// (a damaged file) starts again too, so that it always names a file ".\\temp<1..9>1.ret".
float RenewedCounter(float counter) {
  if (!(counter >= 0.0f && counter < static_cast<float>(kMaxStartupCounter))) counter = 0.0f;
  return counter + 1.0f;
}

}  // namespace

SettingsStart ReadAndRenewSettings(const std::filesystem::path& workDir,
                                   FinanceSettings& settings) {
  float& counter = settings.numbers[0];
  const std::optional<std::string> bytes = ReadWholeFile(SettingsPath(workDir), kSettingsFileLimit);
  if (!bytes) {
    settings.scenarioPath.clear();
    settings.recent = RecentFiles{};
    FinanceSettings written = settings;
    written.numbers[0] = 1.0f;
    WriteFileReplacing(SettingsPath(workDir), SettingsText(written, RecentLines::All));
    counter = 0.0f;
    return SettingsStart::FirstStart;
  }
  ReadSettingsLines(StoredLines(*bytes), settings);
  counter = RenewedCounter(counter);
  WriteFileReplacing(SettingsPath(workDir), SettingsText(settings, RecentLines::All));
  return SettingsStart::Found;
}

bool WriteSettings(const std::filesystem::path& workDir, const FinanceSettings& settings) {
  return WriteFileReplacing(SettingsPath(workDir),
                            SettingsText(settings, RecentLines::AtLeastTwoCharacters));
}

int StartupCounter(const FinanceSettings& settings) {
  const float counter = settings.numbers[0];
  // Its whole part: a stored 8.5 renews to 9.5, which still numbers the files with 9.
  if (!(counter >= 0.0f && counter < static_cast<float>(kMaxStartupCounter + 1))) return 0;
  return static_cast<int>(counter);
}

bool InitExampleSettings(Document& document, const std::filesystem::path& workDir,
                         FinanceSettings& settings, platform::Prompter& prompter) {
  for (int k = 0; k < kRecentFileCount; ++k) settings.recent[k] = kExampleScenarios[k];
  settings.scenarioPath = kExampleScenarios[kRecentFileCount - 1];
  WriteSettings(workDir, settings);
  return ReadScenarioFile(document, workDir, settings.scenarioPath, prompter);
}

}  // namespace core
