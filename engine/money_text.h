// Money and rate texts of the schedule: "$-1,234.50" and "15.000%". Built in fixed buffers
// so that the yearly loop does not allocate.
#pragma once

#include <string>
#include <string_view>

#include "core/format_money.h"

namespace engine {

inline constexpr char kDollarMark = core::kDollarMark;
inline constexpr char kPoundMark = core::kPoundMark;

// A short text held by value.
struct ShortText {
  // Only the end mark is set here: every maker writes its text and its own end mark, and a
  // line builds several of these.
  ShortText() { chars[0] = '\0'; }
  char chars[96];
  const char* c_str() const { return chars; }
  std::string_view view() const { return chars; }
};

// A fixed character field of a stored record, which need not end in a NUL.
struct Name {
  const char* chars;
  size_t size;
  template <size_t N>
  Name(const char (&field)[N]) : chars(field), size(N) {}  // NOLINT: implicit on purpose
};
// The field's text up to its first NUL, never past its end.
ShortText NameText(Name name);

// core::FormatMoney into a short text held by value.
ShortText FormatMoney(std::string_view printed, char mark);
std::string FormatMoneyString(std::string_view printed, char mark);

// The amount printed with "%-11.2f" and made a money text; "%-13.2f" gives the same text.
ShortText MoneyText(float amount, char mark);

// The rate printed with `format` ("%-7.3f", "%6.3f"), stripped like a money text but without
// a mark, then "%".
ShortText RateText(float rate, const char* format = "%-7.3f");

}  // namespace engine
