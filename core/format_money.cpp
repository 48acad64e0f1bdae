#include "core/format_money.h"

namespace core {

namespace {

bool IsNumberChar(char c, char mark) {
  return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == mark;
}

}  // namespace

size_t StripToNumber(std::string_view printed, char mark, bool keepMark, char* out, size_t room) {
  if (room == 0) return 0;
  size_t length = 0;
  for (char c : printed) {
    if (c == ' ') continue;
    if (!IsNumberChar(c, mark)) break;
    if (c == mark && !keepMark) continue;
    if (length + 1 < room) out[length++] = c;
  }
  out[length] = '\0';
  return length;
}

size_t FormatMoney(std::string_view printed, char mark, char* out, size_t room) {
  if (room == 0) return 0;
  // Without its marks the number is never longer than the printed text.
  constexpr size_t kNumberRoom = 400;
  char number[kNumberRoom];
  const size_t length = StripToNumber(printed, mark, false, number, sizeof number);
  char* next = out;
  char* const last = out + room - 1;  // room for the NUL
  auto put = [&](char c) {
    if (next < last) *next++ = c;
  };
  put(mark);
  size_t pos = 0;
  if (pos < length && number[pos] == '-') put(number[pos++]);
  size_t digitsEnd = pos;
  while (digitsEnd < length && number[digitsEnd] != '.') ++digitsEnd;
  for (size_t i = pos; i < digitsEnd; ++i) {
    const size_t left = digitsEnd - i;  // digits from here to the point
    if (i > pos && left % 3 == 0) put(',');
    put(number[i]);
  }
  for (size_t i = digitsEnd; i < length; ++i) put(number[i]);
  *next = '\0';
  return static_cast<size_t>(next - out);
}

}  // namespace core
