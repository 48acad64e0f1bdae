// Text crosses between Latin-1 records and UTF-8 JSON: every Latin-1 byte goes there and back,
// and UTF-8 that no Latin-1 byte can hold is refused rather than mangled.
#include <gtest/gtest.h>

#include <string>

#include "cli/latin1.h"

namespace {

TEST(Latin1, EveryByteGoesToUtf8AndBack) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  const std::string utf8 = cli::Latin1ToUtf8(all);
  EXPECT_EQ(cli::Latin1ToUtf8("\xa3"), "\xc2\xa3");  // the pound sign, U+00A3
  EXPECT_EQ(cli::Latin1ToUtf8("\xff"), "\xc3\xbf");
  EXPECT_EQ(cli::Utf8ToLatin1(utf8), all);
}

TEST(Latin1, Utf8BeyondLatin1OrMalformedIsRefused) {
  const char* const kRefused[] = {
      "\xe2\x82\xac",  // the euro sign, U+20AC
      "\xc4\x80",      // U+0100, the first character past Latin-1
      "\xc1\xa3",      // an overlong form of "#"
      "\xc3",          // a lead byte at the end
      "\xc3\x41",      // a lead byte without its continuation
      "\xa3",          // a bare continuation byte
      "\xf0\x9f\x98\x80",
  };
  for (const char* text : kRefused) {
    EXPECT_FALSE(cli::Utf8ToLatin1(text).has_value()) << testing::PrintToString(text);
  }
}

}  // namespace
