// The printf of the schedule lines, for the conversions they use: %s, %d and %f with the '-'
// flag (and '0' for %d), a width and a precision, and %%. It writes exactly the text of
// snprintf with the same format and arguments and is several times quicker; a format with
// anything else is left to snprintf, which the caller then uses.
#pragma once

#include <cstddef>
#include <type_traits>

#include "engine/fixed_text.h"

namespace engine {

// One argument of a line as printf would take it from the argument list.
struct LineArg {
  enum Kind { kText, kWhole, kReal, kOther };
  Kind kind = kOther;
  const char* text = nullptr;
  int whole = 0;
  double real = 0.0;
};

template <typename T>
LineArg ToLineArg(const T& value) {
  LineArg arg;
  if constexpr (std::is_same_v<T, const char*> || std::is_same_v<T, char*>) {
    arg.kind = LineArg::kText;
    arg.text = value;
  } else if constexpr (std::is_same_v<T, double>) {
    arg.kind = LineArg::kReal;
    arg.real = value;
  } else if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool> &&
                       sizeof(T) <= sizeof(int)) {
    // As the argument list passes it: promoted to int, an unsigned int read as an int.
    arg.kind = LineArg::kWhole;
    arg.whole = static_cast<int>(value);
  }
  return arg;
}

// Formats into `line`; false (with `line` left in any state) when the format holds a
// conversion not listed above, an argument of another kind than its conversion asks for, a
// number that is not finite, or when the text would not fit in `room` - 1 characters.
bool FormatLine(LineBuilder& line, size_t room, const char* format, const LineArg* args,
                size_t count);

}  // namespace engine
