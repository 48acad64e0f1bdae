// Text helpers shared by every layer: printf-style formatting into std::string, and the fixed
// NUL-terminated character fields of the stored records. Text is single-byte Latin-1.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace core {

// snprintf into a std::string; the formats are the system's own, applied as written.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text of a fixed character field: up to its first NUL, never past its end.
template <size_t N>
std::string TextOf(const char (&field)[N]) {
  size_t length = 0;
  while (length < N && field[length] != '\0') ++length;
  return std::string(field, length);
}

// Stores text into a fixed field: at most N-1 characters, then a NUL. Bytes after the NUL are
// left as they were, so that stored files keep their bytes.
void CopyTextInto(char* field, size_t size, std::string_view text);
template <size_t N>
void CopyText(char (&field)[N], std::string_view text) {
  CopyTextInto(field, N, text);
}

// Byte-by-byte comparison ignoring the case of ASCII letters; <0, 0 or >0 like strcmp.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace core
