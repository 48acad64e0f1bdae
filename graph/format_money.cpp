#include "graph/format_money.h"

#include "core/text.h"

namespace graph {

char CurrencySymbol(Currency currency) {
  return currency == Currency::Pounds ? static_cast<char>(163) : '$';
}

const char* CurrencyWord(Currency currency) {
  return currency == Currency::Pounds ? "Pounds" : "Dollars";
}

Currency CurrencyFromCommandLine(std::string_view commandLine) {
  return commandLine.find("Pound") != std::string_view::npos ? Currency::Pounds
                                                              : Currency::Dollars;
}

std::string StripToNumber(std::string_view text, Currency currency) {
  const char symbol = CurrencySymbol(currency);
  std::string number;
  for (char c : text) {
    if (c == ' ') continue;
    bool kept = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == symbol;
    if (!kept) break;
    number += c;
  }
  return number;
}

// Commas between groups of three digits left of the decimal point; a leading '-' is no digit.
static std::string GroupThousands(const std::string& number) {
  size_t digitsStart = (!number.empty() && number[0] == '-') ? 1 : 0;
  size_t point = number.find('.');
  size_t digitsEnd = point == std::string::npos ? number.size() : point;
  std::string grouped = number.substr(0, digitsStart);
  for (size_t i = digitsStart; i < digitsEnd; ++i) {
    size_t left = digitsEnd - i;
    if (i > digitsStart && left % 3 == 0) grouped += ',';
    grouped += number[i];
  }
  grouped += number.substr(digitsEnd);
  return grouped;
}

std::string FormatMoney(std::string_view text, bool signRoom, Currency currency) {
  const char symbol = CurrencySymbol(currency);
  std::string number;
  for (char c : StripToNumber(text, currency)) {
    if (c != symbol) number += c;  // the mark is put in front once, below
  }
  std::string money = signRoom ? " " : "";
  money += symbol;
  money += GroupThousands(number);
  return money;
}

std::string SignedMoney(float value, Currency currency) {
  if (value < 0) return "-" + FormatMoney(core::Format("%.2f", -value), false, currency);
  return FormatMoney(core::Format("%.2f", value), false, currency);
}

}  // namespace graph
