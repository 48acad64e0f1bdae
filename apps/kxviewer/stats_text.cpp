#include "apps/kxviewer/stats_text.h"

#include <algorithm>

#include "core/file_io.h"

namespace kxviewer {

StatsText MakeStatsText(std::string bytes) {
  StatsText text;
  if (bytes.size() > kBufferBytes) bytes.resize(kBufferBytes);
  // The text is a C string to the painting: a NUL byte ends it.
  size_t nul = bytes.find('\0');
  if (nul != std::string::npos) bytes.resize(nul);
  text.bytes = std::move(bytes);
  text.lineCount = static_cast<int>(std::count(text.bytes.begin(), text.bytes.end(), '\n'));
  return text;
}

std::optional<StatsText> ReadStatsText(const std::filesystem::path& path) {
  std::optional<std::string> bytes = core::ReadWholeFile(path, kBufferBytes);
  if (!bytes) return std::nullopt;
  return MakeStatsText(std::move(*bytes));
}

std::vector<std::string> StatsText::VisibleLines(int first, int count) const {
  std::vector<std::string> lines;
  size_t at = 0;
  for (int skipped = 0; skipped < first && at < bytes.size(); ++skipped) {
    size_t end = bytes.find('\n', at);
    at = end == std::string::npos ? bytes.size() : end + 1;
  }
  for (int i = 0; i < count && at < bytes.size(); ++i) {
    size_t end = bytes.find('\n', at);
    if (end == std::string::npos) break;  // the last line is shown only with its line end
    std::string line = bytes.substr(at, std::min(end - at, kLongestShownLine));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    at = end + 1;
  }
  return lines;
}

}  // namespace kxviewer
