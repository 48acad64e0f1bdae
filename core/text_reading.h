// Reading stored text the way the planner's files are read: line by line, numbers from the
// front of a field as atof/atoi/scanf take them. Every function accepts any bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The lines of a text file: split at line feeds, a carriage return before the line feed
// dropped, and a line cut at an embedded NUL as a C string would be. A last line without a line
// feed counts; the empty rest after a final line feed does not.
std::vector<std::string> SplitLines(std::string_view bytes);

// A number read from the front of `text` after blanks, as atof reads it ("12.5abc" is 12.5,
// "abc" is 0), in the C locale whatever the process's locale. A value that is not finite or
// does not fit a float reads as 0. `used`, when given, receives the characters consumed
// (0 when no number was there).
float LeadingFloat(std::string_view text, size_t* used = nullptr);

// A whole number read from the front of `text` as atoi reads it, held to [low, high].
int LeadingInt(std::string_view text, int low, int high, size_t* used = nullptr);

}  // namespace core
