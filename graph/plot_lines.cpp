#include "graph/plot_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace graph {
namespace {

constexpr long kLargestCount = 1000000;

// Parses one number at the front of `text` (leading blanks skipped); returns the characters
// used, 0 when no number stands there.
size_t ParseFloat(std::string_view text, float& value) {
  std::string copy(text.substr(0, std::min<size_t>(text.size(), 400)));
  char* end = nullptr;
  float parsed = std::strtof(copy.c_str(), &end);
  size_t used = static_cast<size_t>(end - copy.c_str());
  value = (used > 0 && std::isfinite(parsed)) ? parsed : 0.0f;
  return used;
}

}  // namespace

bool IsDoneMark(std::string_view line) { return line.substr(0, 4) == "Done"; }

PlotLines::Line PlotLines::NextRaw() {
  Line line;
  if (position_ >= text_.size()) return line;
  size_t newline = text_.find('\n', position_);
  size_t end = newline == std::string_view::npos ? text_.size() : newline;
  line.text = text_.substr(position_, end - position_);
  line.terminated = newline != std::string_view::npos;
  position_ = line.terminated ? newline + 1 : text_.size();
  if (!line.text.empty() && line.text.back() == '\r') line.text.remove_suffix(1);
  line.kind = IsDoneMark(line.text) ? Kind::Done : Kind::Item;
  return line;
}

PlotLines::Line PlotLines::Next() {
  Line line = NextRaw();
  if (line.kind == Kind::Item && !line.terminated) line.kind = Kind::End;
  return line;
}

float ReadFloat(std::string_view text) {
  float value = 0.0f;
  ParseFloat(text, value);
  return value;
}

int ReadInt(std::string_view text) {
  std::string copy(text.substr(0, std::min<size_t>(text.size(), 64)));
  long value = std::strtol(copy.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp(value, -kLargestCount, kLargestCount));
}

int ReadFloats(std::string_view text, float* values, int count) {
  int read = 0;
  while (read < count) {
    size_t used = ParseFloat(text, values[read]);
    if (used == 0) break;
    text.remove_prefix(std::min(used, text.size()));
    ++read;
  }
  return read;
}

}  // namespace graph
