// The one money text that the schedule and the graph programs share, at its buffer's edges.
#include "core/format_money.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Money(std::string_view printed, size_t room, char mark = core::kDollarMark) {
  std::string out(room, 'x');
  const size_t length = core::FormatMoney(printed, mark, out.data(), room);
  EXPECT_EQ(out[length], '\0');
  return out.substr(0, length);
}

TEST(CoreFormatMoney, GroupsThousandsAfterTheMarkAndSign) {
  EXPECT_EQ(Money("-1234.50     ", 32), "$-1,234.50");
  EXPECT_EQ(Money("1000000.25", 32), "$1,000,000.25");
  EXPECT_EQ(Money("\xA3"
                  "999.00",
                  32, core::kPoundMark),
            "\xA3"
            "999.00");
  // Only the chosen mark is dropped; the other one ends the number.
  EXPECT_EQ(Money("$12.00", 32, core::kPoundMark), "\xA3");
}

TEST(CoreFormatMoney, ATextLongerThanTheRoomIsCut) {
  EXPECT_EQ(Money("1234567.00", 6), "$1,23");
  EXPECT_EQ(Money("1234567.00", 1), "");
  char untouched = 'x';
  EXPECT_EQ(core::FormatMoney("12", '$', &untouched, 0), 0u);
  EXPECT_EQ(untouched, 'x');
}

TEST(CoreFormatMoney, StripKeepsMarksOnlyWhenAsked) {
  char out[16];
  EXPECT_EQ(core::StripToNumber(" $1 2.5x9", '$', true, out, sizeof out), 5u);
  EXPECT_STREQ(out, "$12.5");
  EXPECT_EQ(core::StripToNumber(" $1 2.5x9", '$', false, out, sizeof out), 4u);
  EXPECT_STREQ(out, "12.5");
  EXPECT_EQ(core::StripToNumber("123456", '$', false, out, 4), 3u);
  EXPECT_STREQ(out, "123");
}

}  // namespace
