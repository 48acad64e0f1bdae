// The text the statistics viewer shows: the first 49,999 bytes of a statistics file, its line
// count (the scroll range) and the lines a window shows from a first visible line on.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kxviewer {

constexpr size_t kBufferBytes = 49999;
constexpr size_t kLongestShownLine = 256;

struct StatsText {
  std::string bytes;  // at most kBufferBytes; a NUL byte in the file ends the text there
  int lineCount = 0;  // the number of line ends

  // Up to `count` lines from line `first` on, each without its line end and cut at 256
  // characters. A last line without a line end is not among them.
  std::vector<std::string> VisibleLines(int first, int count) const;
};

StatsText MakeStatsText(std::string bytes);
// Nothing when the file cannot be opened or read.
std::optional<StatsText> ReadStatsText(const std::filesystem::path& path);

}  // namespace kxviewer
