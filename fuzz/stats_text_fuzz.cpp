// Fuzz target of the statistics viewer's text preparation: any bytes as "stats.dat". The text
// kept is at most the buffer's 49,999 bytes and ends before any NUL, its line count is its
// number of line ends, and the lines shown from any first visible line (the scroll range and a
// little past it) are whole lines of the text, each at most 256 characters, never more than
// asked for, and none once the first line is past the last line end.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "apps/kxviewer/stats_text.h"
#include "fuzz/fuzz_scratch.h"

namespace {

using fuzz_support::ScratchDir;
using fuzz_support::WriteInput;

void Require(bool holds) {
  if (!holds) std::abort();
}

void CheckVisible(const kxviewer::StatsText& text, int first, int count) {
  const std::vector<std::string> lines = text.VisibleLines(first, count);
  Require(lines.size() <= static_cast<size_t>(std::max(count, 0)));
  Require(static_cast<int>(lines.size()) <= std::max(0, text.lineCount - std::max(first, 0)));
  for (const std::string& line : lines) {
    Require(line.size() <= kxviewer::kLongestShownLine);
    Require(line.find('\n') == std::string::npos && line.find('\0') == std::string::npos);
    Require(text.bytes.find(line) != std::string::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path input = ScratchDir() / "stats.dat";
  WriteInput(input, data, size);
  const std::optional<kxviewer::StatsText> text = kxviewer::ReadStatsText(input);
  Require(text.has_value());

  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string kept = bytes.substr(0, std::min(bytes.size(), kxviewer::kBufferBytes));
  Require(text->bytes == kept.substr(0, kept.find('\0')));
  Require(text->lineCount == std::count(text->bytes.begin(), text->bytes.end(), '\n'));

  const int lines = text->lineCount;
  for (int first : {0, 1, lines / 2, std::max(0, lines - 1), lines, lines + 1}) {
    for (int count : {0, 1, 25, lines + 1}) CheckVisible(*text, first, count);
  }
  // The first line as the painting takes it: the text up to the first line end, cut at 256.
  if (lines > 0) {
    const std::vector<std::string> top = text->VisibleLines(0, 1);
    Require(top.size() == 1);
    std::string expected = text->bytes.substr(0, text->bytes.find('\n'));
    expected = expected.substr(0, kxviewer::kLongestShownLine);
    if (!expected.empty() && expected.back() == '\r') expected.pop_back();
    Require(top[0] == expected);
  }
  return 0;
}
