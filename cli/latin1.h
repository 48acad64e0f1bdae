// The stored records hold single-byte Latin-1 text; JSON holds UTF-8. The conversion happens
// here, at the command line's edge, and nowhere else.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

std::string Latin1ToUtf8(std::string_view latin1);

// Nothing when the text is not valid UTF-8 or holds a character beyond Latin-1 (U+00FF).
std::optional<std::string> Utf8ToLatin1(std::string_view utf8);

}  // namespace cli
