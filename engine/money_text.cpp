#include "engine/money_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "engine/fixed_text.h"

namespace engine {

ShortText NameText(Name name) {
  ShortText result;
  size_t length = 0;
  while (length < name.size && length + 1 < sizeof result.chars && name.chars[length] != '\0') {
    result.chars[length] = name.chars[length];
    ++length;
  }
  result.chars[length] = '\0';
  return result;
}

ShortText FormatMoney(std::string_view printed, char mark) {
  ShortText result;
  core::FormatMoney(printed, mark, result.chars, sizeof result.chars);
  return result;
}

std::string FormatMoneyString(std::string_view printed, char mark) {
  return std::string(FormatMoney(printed, mark).view());
}

namespace {

// The money text of an amount of at most 13 integer digits, straight from its cents: what
// FormatMoney makes of its "%.2f" text. The cents are exact: a float times 100 is exact in a
// double, and rounding it to a whole number, ties to even, rounds as printf does.
bool DirectMoneyText(float amount, char mark, ShortText& result) {
  const double value = static_cast<double>(amount);
  const double cents = std::nearbyint(value * 100.0);
  if (!(std::fabs(cents) < 1.0e15)) return false;
  auto whole = static_cast<uint64_t>(std::fabs(cents));
  const auto fraction = static_cast<unsigned>(whole % 100);
  whole /= 100;
  char digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + whole % 10);
    whole /= 10;
  } while (whole != 0);
  char* out = result.chars;
  *out++ = mark;
  if (std::signbit(value)) *out++ = '-';
  for (int i = count - 1; i >= 0; --i) {
    *out++ = digits[i];
    if (i > 0 && i % 3 == 0) *out++ = ',';
  }
  *out++ = '.';
  *out++ = static_cast<char>('0' + fraction / 10);
  *out++ = static_cast<char>('0' + fraction % 10);
  *out = '\0';
  return true;
}

}  // namespace

ShortText MoneyText(float amount, char mark) {
  ShortText result;
  if (DirectMoneyText(amount, mark, result)) return result;
  // "%-11.2f" printed by the fast printer; the padding is stripped again anyway.
  LineBuilder printed;
  printed.Fixed(static_cast<double>(amount), 2);
  return FormatMoney(printed.view(), mark);
}

ShortText RateText(float rate, const char* format) {
  char printed[80];
  std::snprintf(printed, sizeof printed, format, static_cast<double>(rate));
  ShortText result;
  // Rates carry no currency mark; '$' stands in as a mark that never occurs.
  const size_t length =
      core::StripToNumber(printed, '$', false, result.chars, sizeof result.chars - 1);
  result.chars[length] = '%';
  result.chars[length + 1] = '\0';
  return result;
}

}  // namespace engine
