// The one money text of the suite: the currency mark in front, the sign after it and a ','
// between groups of three integer digits ("$-1,234.50"). The schedule, the reports and the
// graph programs all print money through it, each with its own wrapper.
#pragma once

#include <cstddef>
#include <string_view>

namespace core {

inline constexpr char kDollarMark = '$';
inline constexpr char kPoundMark = static_cast<char>(163);  // Latin-1 pound sign

// The number part of a printed amount, written NUL-terminated into `out` (at most room - 1
// characters): blanks are dropped and the text is cut at the first character that is no
// digit, '.', '-' or `mark`. Marks are kept only with `keepMark`. Returns the length.
size_t StripToNumber(std::string_view printed, char mark, bool keepMark, char* out, size_t room);

// The money text of a printed amount, written NUL-terminated into `out`; a text longer than
// the room is cut. Returns the length.
size_t FormatMoney(std::string_view printed, char mark, char* out, size_t room);

}  // namespace core
