#include "engine/money_text.h"

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
  const size_t length =
      core::StripToNumber(printed, '$', false, result.chars, sizeof result.chars - 1);
  result.chars[length] = '%';
  result.chars[length + 1] = '\0';
  return result;
}

}  // namespace engine
