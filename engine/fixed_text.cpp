#include "engine/fixed_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace engine {

namespace {

constexpr double kPowersOfTen[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
constexpr uint64_t kWholePowersOfTen[] = {1, 10, 100, 1000, 10000};

// "W.FFF" of a scaled whole number with `Precision` decimals; returns the end.
template <int Precision>
char* WholeAndFraction(uint64_t scaled, char* out) {
  constexpr uint64_t kUnit = kWholePowersOfTen[Precision];
  char* end = std::to_chars(out, out + 20, scaled / kUnit).ptr;
  *end++ = '.';
  uint64_t fraction = scaled % kUnit;
  for (int i = Precision - 1; i >= 0; --i) {
    end[i] = static_cast<char>('0' + fraction % 10);
    fraction /= 10;
  }
  return end + Precision;
}

// The text of a value that is a float, with up to 4 decimals: a float's 24 bits times 10^4
// (14 bits) are exact in a double, so rounding that product to a whole number, ties to even,
// rounds the exact value as printf does. Returns the length, 0 when the value needs the
// general printer (not a float, not finite, or too large).
size_t PrintFloatFixed(double value, int precision, char* out) {
  if (precision < 0 || precision > 4) return 0;
  if (!(static_cast<double>(static_cast<float>(value)) == value)) return 0;
  const double scaled = std::nearbyint(value * kPowersOfTen[precision]);
  if (!(std::fabs(scaled) < 1.0e15)) return 0;
  const auto whole = static_cast<uint64_t>(std::fabs(scaled));
  char* end = out;
  if (std::signbit(value)) *end++ = '-';  // printf writes "-0.00" for -0.001 too
  // Each precision divides by its own constant, which the compiler turns into a
  // multiplication; a division by a variable is slow enough to show in every schedule line.
  switch (precision) {
    case 0:
      return static_cast<size_t>(std::to_chars(end, end + 20, whole).ptr - out);
    case 1:
      return static_cast<size_t>(WholeAndFraction<1>(whole, end) - out);
    case 2:
      return static_cast<size_t>(WholeAndFraction<2>(whole, end) - out);
    case 3:
      return static_cast<size_t>(WholeAndFraction<3>(whole, end) - out);
    default:
      return static_cast<size_t>(WholeAndFraction<4>(whole, end) - out);
  }
}

}  // namespace

LineBuilder& LineBuilder::Fixed(double value, int precision, int width, bool leftAlign) {
  char digits[400];
  size_t count = PrintFloatFixed(value, precision, digits);
  if (count == 0) {
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, precision);
    count = result.ec == std::errc() ? static_cast<size_t>(result.ptr - digits) : 0;
  }
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
