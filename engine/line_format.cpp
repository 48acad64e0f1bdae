#include "engine/line_format.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace engine {

namespace {

// Widths and precisions beyond these come from no schedule format; snprintf deals with them.
constexpr int kMostWidth = 512;
constexpr int kMostPrecision = 40;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits of a number in the format, at most `most`; -1 when there are more.
int ReadNumber(const char*& p, int most) {
  int number = 0;
  while (IsDigit(*p)) {
    number = number * 10 + (*p - '0');
    if (number > most) return -1;
    ++p;
  }
  return number;
}

void Pad(LineBuilder& line, size_t count) {
  for (size_t i = 0; i < count; ++i) line.Char(' ');
}

void PutText(LineBuilder& line, const char* text, int width, bool left) {
  const std::string_view chars(text);
  const size_t padding =
      static_cast<size_t>(width) > chars.size() ? static_cast<size_t>(width) - chars.size() : 0;
  if (!left) Pad(line, padding);
  line.Text(chars);
  if (left) Pad(line, padding);
}

void PutWhole(LineBuilder& line, int value, int width, bool left, bool zero) {
  char digits[16];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const size_t count = static_cast<size_t>(end - digits);
  const size_t padding =
      static_cast<size_t>(width) > count ? static_cast<size_t>(width) - count : 0;
  if (left) {
    line.Text(std::string_view(digits, count));
    Pad(line, padding);
    return;
  }
  if (!zero) {
    Pad(line, padding);
    line.Text(std::string_view(digits, count));
    return;
  }
  // Zeros go between the sign and the digits.
  const bool negative = digits[0] == '-';
  if (negative) line.Char('-');
  for (size_t i = 0; i < padding; ++i) line.Char('0');
  line.Text(std::string_view(digits + (negative ? 1 : 0), count - (negative ? 1 : 0)));
}

}  // namespace

bool FormatLine(LineBuilder& line, size_t room, const char* format, const LineArg* args,
                size_t count) {
  size_t next = 0;
  const char* p = format;
  while (*p != '\0') {
    const char* literal = p;
    while (*p != '\0' && *p != '%') ++p;
    if (p > literal) line.Text(std::string_view(literal, static_cast<size_t>(p - literal)));
    if (*p == '\0') break;
    ++p;
    if (*p == '%') {
      line.Char('%');
      ++p;
      continue;
    }
    bool left = false;
    bool zero = false;
    for (;; ++p) {
      if (*p == '-') {
        left = true;
      } else if (*p == '0') {
        zero = true;
      } else {
        break;
      }
    }
    const int width = ReadNumber(p, kMostWidth);
    if (width < 0) return false;
    int precision = -1;
    if (*p == '.') {
      ++p;
      precision = ReadNumber(p, kMostPrecision);
      if (precision < 0) return false;
    }
    const char conversion = *p;
    if (conversion == '\0' || next >= count) return false;
    ++p;
    const LineArg& arg = args[next++];
    switch (conversion) {
      case 's':
        if (arg.kind != LineArg::kText || arg.text == nullptr || zero || precision >= 0) {
          return false;
        }
        PutText(line, arg.text, width, left);
        break;
      case 'd':
        if (arg.kind != LineArg::kWhole || precision >= 0) return false;
        PutWhole(line, arg.whole, width, left, zero && !left);
        break;
      case 'f':
        if (arg.kind != LineArg::kReal || zero || !std::isfinite(arg.real)) return false;
        line.Fixed(arg.real, precision < 0 ? 6 : precision, width, left);
        break;
      default:
        return false;
    }
  }
  return line.view().size() + 1 < room;
}

}  // namespace engine
