// The fast number printer must give printf's text to the byte, rounding included.
#include "engine/fixed_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

std::string Printf(const char* format, double value) {
  char text[512];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Fast(double value, int precision, int width, bool left) {
  engine::LineBuilder line;
  line.Fixed(value, precision, width, left);
  return std::string(line.view());
}

TEST(FixedText, MatchesPrintfForTheFileFormats) {
  std::mt19937 random(12345);
  std::uniform_real_distribution<float> magnitude(-12.0f, 12.0f);
  std::vector<float> values = {0.0f,  -0.0f, 0.005f, 0.015f, 0.125f, -0.125f, 2.675f,
                               0.05f, 1e-3f, -1e-3f, 12.5f,  1e20f,  -3e38f,  1234567.89f};
  for (int i = 0; i < 20000; ++i) {
    const float sign = (random() & 1) != 0 ? -1.0f : 1.0f;
    values.push_back(sign * std::pow(10.0f, magnitude(random)));
  }
  for (const float f : values) {
    const auto v = static_cast<double>(f);
    ASSERT_EQ(Fast(v, 2, 13, false), Printf("%13.2f", v)) << v;
    ASSERT_EQ(Fast(v, 2, 11, true), Printf("%-11.2f", v)) << v;
    ASSERT_EQ(Fast(v, 1, 5, false), Printf("%5.1f", v)) << v;
    ASSERT_EQ(Fast(v, 2, 0, false), Printf("%.2f", v)) << v;
    ASSERT_EQ(Fast(v, 1, 0, false), Printf("%.1f", v)) << v;
  }
}

// Every kind of float, by its bits: the fast path for floats and the general printer for the
// rest must both give printf's text, ties, negative zero and the largest values included.
TEST(FixedText, MatchesPrintfForFloatsOfEveryMagnitude) {
  std::mt19937 random(2026);
  std::vector<double> values = {0.5,
                                1.5,
                                2.5,
                                -2.5,
                                0.25,
                                0.75,
                                0.125,
                                0.375,
                                -0.375,
                                0.0625,
                                0.03125,
                                1.0e-40,
                                -1.0e-40,
                                9.99e14,
                                1.0e15,
                                1.5e15,
                                -0.00001,
                                99999999.0,
                                0.1 /* not a float */,
                                1.0 / 3.0};
  for (int i = 0; i < 40000; ++i) {
    const auto bits = static_cast<uint32_t>(random());
    float f = 0.0f;
    static_assert(sizeof f == sizeof bits);
    std::memcpy(&f, &bits, sizeof f);
    if (std::isfinite(f)) values.push_back(static_cast<double>(f));
    // Halves of hundredths and tenths, where the rounding of ties decides.
    values.push_back(static_cast<double>(static_cast<float>(random() % 200000) / 128.0f - 700.0f));
  }
  for (const double v : values) {
    for (int precision = 0; precision <= 5; ++precision) {
      char format[16];
      std::snprintf(format, sizeof format, "%%.%df", precision);
      ASSERT_EQ(Fast(v, precision, 0, false), Printf(format, v)) << format << " " << v;
    }
    ASSERT_EQ(Fast(v, 2, 13, false), Printf("%13.2f", v)) << v;
  }
}

TEST(FixedText, IntegersAndTextJoinIntoOneLine) {
  engine::LineBuilder line;
  line.Fixed(30.0, 1, 5).Char('\t').Text("Taxes").Char('\t').Int(6).Char('\n');
  EXPECT_EQ(line.view(), " 30.0\tTaxes\t6\n");
}

}  // namespace
