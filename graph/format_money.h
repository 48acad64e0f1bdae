// The money text of every axis, read-out and report: the currency mark in front, the sign after
// it and a comma between groups of three digits ("$-1,234.50"). The graph programs' form of
// core::FormatMoney, which the schedule text shares.
#pragma once

#include <string>
#include <string_view>

namespace graph {

enum class Currency { Dollars, Pounds };

// '$', or the pound sign (Latin-1 byte 163).
char CurrencySymbol(Currency currency);
// "Dollars" or "Pounds", the word the planner passes to its companion programs.
const char* CurrencyWord(Currency currency);
// "Pound" anywhere in a companion program's command line selects the pound sign.
Currency CurrencyFromCommandLine(std::string_view commandLine);

// Reduces a text to its number: spaces are dropped and the text is cut at the first character
// that is not a digit, '.', '-' or the currency symbol.
std::string StripToNumber(std::string_view text, Currency currency);

// The money text of a number text such as "-1234.50" (usually made with "%.2f"). With
// `signRoom` the result starts with one space that callers overwrite with '-' for negative
// amounts, so that the minus sign stands before the currency symbol.
std::string FormatMoney(std::string_view text, bool signRoom, Currency currency);

// The money text of a value with the minus sign in front of the currency mark ("-$3,000.00").
std::string SignedMoney(float value, Currency currency);

}  // namespace graph
