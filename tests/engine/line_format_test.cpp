// The schedule's own printf against the C library's: the same text for every conversion the
// schedule formats use, over many values, and no answer where it does not know the format.
#include "engine/line_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace {

using engine::FormatLine;
using engine::LineArg;
using engine::LineBuilder;
using engine::ToLineArg;

template <typename... Args>
std::string Printed(const char* format, Args... args) {
  char line[1024];
  std::snprintf(line, sizeof line, format, args...);
  return line;
}

// The text of FormatLine, or "<none>" when it leaves the format to snprintf.
template <typename... Args>
std::string Formatted(const char* format, Args... args) {
  const LineArg list[] = {ToLineArg(args)..., LineArg{}};
  LineBuilder line;
  if (!FormatLine(line, 1024, format, list, sizeof...(args))) return "<none>";
  return std::string(line.view());
}

template <typename... Args>
void ExpectSame(const char* format, Args... args) {
  EXPECT_EQ(Formatted(format, args...), Printed(format, args...)) << format;
}

TEST(LineFormat, TextWithWidthsAndLiteralsAsPrintf) {
  for (const char* text : {"", "a", "Account 07", "$1,234,567.89", "exactly fifteen"}) {
    ExpectSame("%s", text);
    ExpectSame("  %s - Deposit to %s", text, text);
    ExpectSame("%15s|", text);
    ExpectSame("%-20s|", text);
    ExpectSame("%-5s%5s", text, text);
  }
  ExpectSame("no conversion at all, 100%% sure");
  ExpectSame("%s%%", "15.000");
  ExpectSame("\t\t\t\t\t\t\t\tNet Worth in Age %5.2f Purchasing Power %15s", 25.5, "$-12.00");
}

TEST(LineFormat, WholeNumbersAsPrintf) {
  const int values[] = {0,    1,      -1,     7,       42,      -42,       99,
                        100,  -100,   12345,  -99999,  1000000, 2147483647,
                        std::numeric_limits<int>::min()};
  for (const int v : values) {
    ExpectSame("%d", v);
    ExpectSame("%2d", v);
    ExpectSame("%02d", v);
    ExpectSame("%03d", v);
    ExpectSame("%-3d|", v);
    ExpectSame("%6d", v);
    ExpectSame("Number = %-3d Min", v);
  }
  // Narrow and unsigned whole numbers reach printf promoted to int.
  ExpectSame("%d %d", static_cast<uint16_t>(65535), static_cast<int16_t>(-3));
  ExpectSame("%d", static_cast<unsigned>(4000000000u));
}

TEST(LineFormat, FixedPointAsPrintfOverManyValues) {
  const char* formats[] = {"%f",    "%5.1f", "%6.2f", "%5.2f",  "%-6.2f",  "%-5.1f",
                           "%3.1f", "%-7.3f", "%6.3f", "%4.1f", "%.2f",    "%-11.2f",
                           "%-13.2f", "%-12.0f", "%.0f", "%-5.1f\t%15s"};
  std::mt19937 random(2026);
  std::uniform_real_distribution<float> spread(-1.0f, 1.0f);
  std::uniform_int_distribution<int> scale(-6, 9);
  for (int i = 0; i < 20000; ++i) {
    const float f = spread(random) * std::pow(10.0f, static_cast<float>(scale(random)));
    for (const char* format : formats) {
      ExpectSame(format, static_cast<double>(f), "x");
      // Values between floats take the general printer.
      ExpectSame(format, static_cast<double>(f) * 1.000000001, "x");
    }
    if (HasFailure()) return;
  }
  for (const double v : {0.0, -0.0, 0.005, 0.015, 0.125, 2.5, -2.5, 1e15, 3.4e38, -1e-30}) {
    for (const char* format : formats) ExpectSame(format, v, "x");
  }
}

TEST(LineFormat, LeavesToPrintfWhatItDoesNotKnow) {
  EXPECT_EQ(Formatted("%c", 'a'), "<none>");
  EXPECT_EQ(Formatted("%x", 10), "<none>");
  EXPECT_EQ(Formatted("%+d", 10), "<none>");
  EXPECT_EQ(Formatted("% d", 10), "<none>");
  EXPECT_EQ(Formatted("%ld", 10L), "<none>");
  EXPECT_EQ(Formatted("%.3s", "abcdef"), "<none>");
  EXPECT_EQ(Formatted("%05.1f", 1.0), "<none>");
  EXPECT_EQ(Formatted("%g", 1.0), "<none>");
  EXPECT_EQ(Formatted("%*d", 3, 4), "<none>");
  // An argument of another kind than the conversion, a missing one, or none that is a number.
  EXPECT_EQ(Formatted("%d", 1.0), "<none>");
  EXPECT_EQ(Formatted("%f", 1), "<none>");
  EXPECT_EQ(Formatted("%s", 1), "<none>");
  EXPECT_EQ(Formatted("%s %s", "a"), "<none>");
  EXPECT_EQ(Formatted("%f", std::nan("")), "<none>");
  EXPECT_EQ(Formatted("%f", -INFINITY), "<none>");
  EXPECT_EQ(Formatted("%s", static_cast<const char*>(nullptr)), "<none>");
  EXPECT_EQ(Formatted("%"), "<none>");
}

TEST(LineFormat, ALineTooLongForTheRoomIsLeftToPrintf) {
  const std::string long_text(1100, 'w');
  EXPECT_EQ(Formatted("%s", long_text.c_str()), "<none>");
  const std::string fits(1022, 'w');
  EXPECT_EQ(Formatted("%s", fits.c_str()), fits);
  EXPECT_EQ(Formatted("%s!", fits.c_str()), "<none>");
}

}  // namespace
