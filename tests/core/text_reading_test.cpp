// Lines and numbers read from stored text as the planner's readers take them.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/text_reading.h"

namespace core {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, LineFeedsCarriageReturnsAndNuls) {
  EXPECT_EQ(SplitLines("a\nb\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("\n\nx"), (Lines{"", "", "x"}));
  EXPECT_EQ(SplitLines(std::string("ab\0cd\nef", 8)), (Lines{"ab", "ef"}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(LeadingFloat, ReadsTheFrontAsAtofDoes) {
  size_t used = 0;
  EXPECT_FLOAT_EQ(LeadingFloat("12.5abc", &used), 12.5f);
  EXPECT_EQ(used, 4u);
  EXPECT_FLOAT_EQ(LeadingFloat("  -3.25"), -3.25f);
  EXPECT_FLOAT_EQ(LeadingFloat("+4"), 4.0f);
  EXPECT_FLOAT_EQ(LeadingFloat(".5"), 0.5f);
  EXPECT_EQ(LeadingFloat("abc", &used), 0.0f);
  EXPECT_EQ(used, 0u);
  EXPECT_EQ(LeadingFloat("", &used), 0.0f);
  EXPECT_EQ(used, 0u);
}

TEST(LeadingFloat, ValuesAFloatCannotHoldReadAsZero) {
  size_t used = 0;
  EXPECT_EQ(LeadingFloat("1e400", &used), 0.0f);
  EXPECT_EQ(used, 5u);  // consumed, so that a scan goes on after it
  EXPECT_EQ(LeadingFloat("1e39"), 0.0f);
  EXPECT_EQ(LeadingFloat("nan"), 0.0f);
  EXPECT_EQ(LeadingFloat("-inf"), 0.0f);
}

TEST(LeadingInt, ReadsTheFrontAndHoldsTheBounds) {
  size_t used = 0;
  EXPECT_EQ(LeadingInt(" 42 rest", 0, 100, &used), 42);
  EXPECT_EQ(used, 3u);
  EXPECT_EQ(LeadingInt("12.9", 0, 100), 12);
  EXPECT_EQ(LeadingInt("x", 0, 100, &used), 0);
  EXPECT_EQ(used, 0u);
  EXPECT_EQ(LeadingInt("99999999999999999999999", 0, 30), 30);
  EXPECT_EQ(LeadingInt("-99999999999999999999999", INT_MIN, INT_MAX), INT_MIN);
  EXPECT_EQ(LeadingInt("-5", 0, 30), 0);
}

}  // namespace
}  // namespace core
