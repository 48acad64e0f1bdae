#include "engine/money_text.h"

#include <cstdio>
#include <cstring>

#include "engine/fixed_text.h"

namespace engine {

namespace {

bool IsNumberChar(char c, char mark) {
  return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == mark;
}

// Copies the leading number of `printed` (blanks skipped) into `out`, marks dropped.
size_t StripToNumber(std::string_view printed, char mark, char* out, size_t room) {
  size_t length = 0;
  for (char c : printed) {
    if (c == ' ') continue;
    if (!IsNumberChar(c, mark)) break;
    if (c == mark) continue;
    if (length + 1 < room) out[length++] = c;
  }
  out[length] = '\0';
  return length;
}

}  // namespace

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
  char number[sizeof(ShortText::chars)];
  const size_t length = StripToNumber(printed, mark, number, sizeof number);
  ShortText result;
  char* out = result.chars;
  char* const end = result.chars + sizeof result.chars - 1;
  *out++ = mark;
  size_t pos = 0;
  if (pos < length && number[pos] == '-') *out++ = number[pos++];
  size_t digitsEnd = pos;
  while (digitsEnd < length && number[digitsEnd] != '.') ++digitsEnd;
  for (size_t i = pos; i < digitsEnd && out < end; ++i) {
    const size_t left = digitsEnd - i;  // digits from here to the point
    if (i > pos && left % 3 == 0 && out < end) *out++ = ',';
    if (out < end) *out++ = number[i];
  }
  for (size_t i = digitsEnd; i < length && out < end; ++i) *out++ = number[i];
  *out = '\0';
  return result;
}

std::string FormatMoneyString(std::string_view printed, char mark) {
  return std::string(FormatMoney(printed, mark).view());
}

ShortText MoneyText(float amount, char mark) {
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
  const size_t length = StripToNumber(printed, '$', result.chars, sizeof result.chars - 1);
  result.chars[length] = '%';
  result.chars[length + 1] = '\0';
  return result;
}

}  // namespace engine
