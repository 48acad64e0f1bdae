// Fuzz target of the statistics viewer's text preparation: any bytes as "stats.dat". The text
// kept is at most the buffer's 49,999 bytes and ends before any NUL, its line count is its
// number of line ends, and the lines shown from any first visible line (the scroll range and a
// little past it) are exactly the text's lines from there, each cut at 256 characters, never
// more than asked for, none past the last line end and never a last line without its end.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "apps/kxviewer/stats_text.h"
#include "fuzz/fuzz_scratch.h"

namespace {

using fuzz_support::ScratchDir;
using fuzz_support::WriteInput;

void Require(bool holds) {
  if (!holds) std::abort();
}

// The lines as the painting shows them, worked out on their own: every line that has its line
// end, cut at 256 characters, without a carriage return at its (cut) end.
std::vector<std::string> ShownLines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = bytes.find('\n', at)) != std::string::npos; at = end + 1) {
    std::string line = bytes.substr(at, std::min(end - at, kxviewer::kLongestShownLine));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

void CheckVisible(const kxviewer::StatsText& text, const std::vector<std::string>& all, int first,
                  int count) {
  const std::vector<std::string> lines = text.VisibleLines(first, count);
  const size_t from = std::min(static_cast<size_t>(std::max(first, 0)), all.size());
  const size_t to = std::min(all.size(), from + static_cast<size_t>(std::max(count, 0)));
  Require(lines.size() == to - from);
  for (size_t i = 0; i < lines.size(); ++i) {
    Require(lines[i] == all[from + i]);
    Require(lines[i].size() <= kxviewer::kLongestShownLine);
    Require(lines[i].find('\n') == std::string::npos && lines[i].find('\0') == std::string::npos);
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
  const std::vector<std::string> all = ShownLines(text->bytes);
  Require(all.size() == static_cast<size_t>(lines));
  for (int first : {0, 1, lines / 2, std::max(0, lines - 1), lines, lines + 1}) {
    for (int count : {0, 1, 25, lines + 1}) CheckVisible(*text, all, first, count);
  }
  return 0;
}
