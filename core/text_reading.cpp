#include "core/text_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace core {

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    const size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    line = line.substr(0, line.find('\0'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = next;
  }
  return lines;
}

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Where the number starts after blanks and a '+' (from_chars takes only a '-').
size_t NumberStart(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  if (at + 1 < text.size() && text[at] == '+' && text[at + 1] != '-') ++at;
  return at;
}

}  // namespace

float LeadingFloat(std::string_view text, size_t* used) {
  const size_t start = NumberStart(text);
  double value = 0.0;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  const bool converted = error != std::errc::invalid_argument;
  if (used != nullptr) *used = converted ? static_cast<size_t>(end - text.data()) : 0;
  if (!converted || error != std::errc() || !std::isfinite(value) ||
      std::fabs(value) > std::numeric_limits<float>::max()) {
    return 0.0f;
  }
  return static_cast<float>(value);
}

int LeadingInt(std::string_view text, int low, int high, size_t* used) {
  const size_t start = NumberStart(text);
  long long value = 0;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  const bool converted = error != std::errc::invalid_argument;
  if (used != nullptr) *used = converted ? static_cast<size_t>(end - text.data()) : 0;
  if (!converted) value = 0;
  if (error == std::errc::result_out_of_range) {
    value = (start < text.size() && text[start] == '-') ? std::numeric_limits<long long>::min()
                                                        : std::numeric_limits<long long>::max();
  }
  return static_cast<int>(std::clamp<long long>(value, low, high));
}

}  // namespace core
