#include "engine/fixed_text.h"

#include <charconv>
#include <cstring>

namespace engine {

LineBuilder& LineBuilder::Fixed(double value, int precision, int width, bool leftAlign) {
  char digits[400];
  const auto result =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, precision);
  const size_t count = result.ec == std::errc() ? static_cast<size_t>(result.ptr - digits) : 0;
  const size_t padding =
      static_cast<size_t>(width) > count ? static_cast<size_t>(width) - count : 0;
  if (!leftAlign) {
    for (size_t i = 0; i < padding; ++i) Char(' ');
  }
  Text(std::string_view(digits, count));
  if (leftAlign) {
    for (size_t i = 0; i < padding; ++i) Char(' ');
  }
  return *this;
}

LineBuilder& LineBuilder::Text(std::string_view text) {
  const size_t room = sizeof buffer_ - length_;
  const size_t count = text.size() < room ? text.size() : room;
  std::memcpy(buffer_ + length_, text.data(), count);
  length_ += count;
  return *this;
}

LineBuilder& LineBuilder::Char(char c) {
  if (length_ < sizeof buffer_) buffer_[length_++] = c;
  return *this;
}

LineBuilder& LineBuilder::Int(int value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return Text(std::string_view(digits, static_cast<size_t>(result.ptr - digits)));
}

}  // namespace engine
