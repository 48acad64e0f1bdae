#include "graph/format_money.h"

#include "core/format_money.h"
#include "core/text.h"

namespace graph {

char CurrencySymbol(Currency currency) {
  return currency == Currency::Pounds ? core::kPoundMark : core::kDollarMark;
}

const char* CurrencyWord(Currency currency) {
  return currency == Currency::Pounds ? "Pounds" : "Dollars";
}

Currency CurrencyFromCommandLine(std::string_view commandLine) {
  return commandLine.find("Pound") != std::string_view::npos ? Currency::Pounds : Currency::Dollars;
}

std::string StripToNumber(std::string_view text, Currency currency) {
  std::string number(text.size() + 1, '\0');
  number.resize(
      core::StripToNumber(text, CurrencySymbol(currency), true, number.data(), number.size()));
  return number;
}

std::string FormatMoney(std::string_view text, bool signRoom, Currency currency) {
  // Room for the sign, the mark, every digit and a comma per three digits.
  std::string money(2 * text.size() + 4, '\0');
  const size_t start = signRoom ? 1 : 0;
  money[0] = ' ';
  const size_t length =
      core::FormatMoney(text, CurrencySymbol(currency), money.data() + start, money.size() - start);
  money.resize(start + length);
  return money;
}

std::string SignedMoney(float value, Currency currency) {
  if (value < 0) return "-" + FormatMoney(core::Format("%.2f", -value), false, currency);
  return FormatMoney(core::Format("%.2f", value), false, currency);
}

}  // namespace graph
