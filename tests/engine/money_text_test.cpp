// Money and rate texts as every schedule line prints them.
#include "engine/money_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>

namespace {

using engine::FormatMoneyString;
using engine::MoneyText;
using engine::RateText;

TEST(MoneyText, GroupsDigitsAndPutsTheSignAfterTheMark) {
  // Cases of the money-text rules: sign after the mark, commas every three integer digits.
  EXPECT_EQ(MoneyText(0.4f, '$').view(), "$0.40");
  EXPECT_EQ(MoneyText(-1234.5f, '$').view(), "$-1,234.50");
  EXPECT_EQ(MoneyText(1000000.25f, '$').view(), "$1,000,000.25");
  EXPECT_EQ(MoneyText(999.0f, '$').view(), "$999.00");
  EXPECT_EQ(MoneyText(-100000.0f, '$').view(), "$-100,000.00");
  EXPECT_EQ(MoneyText(12.0f, engine::kPoundMark).view(),
            "\xA3"
            "12.00");
}

TEST(MoneyText, StripsBlanksAndCutsAtTheFirstForeignCharacter) {
  EXPECT_EQ(FormatMoneyString("  1234.50     ", '$'), "$1,234.50");
  EXPECT_EQ(FormatMoneyString("1234.5x99", '$'), "$1,234.5");
  EXPECT_EQ(FormatMoneyString("$1234", '$'), "$1,234");
  EXPECT_EQ(FormatMoneyString("", '$'), "$");
}

TEST(MoneyText, TheTextOfThePrintedAmountForEveryKindOfFloat) {
  // What FormatMoney makes of printf's "%-11.2f", over amounts of every size and both signs,
  // halves of a cent included.
  std::mt19937 random(72);
  std::uniform_int_distribution<uint32_t> bits;
  auto expect = [](float amount) {
    char printed[400];
    std::snprintf(printed, sizeof printed, "%-11.2f", static_cast<double>(amount));
    ASSERT_EQ(MoneyText(amount, '$').view(), FormatMoneyString(printed, '$')) << printed;
  };
  for (int i = 0; i < 200000; ++i) {
    const float any = std::bit_cast<float>(bits(random));
    expect(any);
    expect(static_cast<float>(bits(random) % 100000000u) / 100.0f);
    expect(-static_cast<float>(bits(random) % 1000000u) / 8.0f);
  }
  for (const float amount : {0.0f, -0.0f, 0.005f, -0.005f, 0.015f, 0.125f, 2.5f, 999.995f,
                             99999999.0f, 1.0e13f, 9.99e12f, -1.0e13f, 1.0e15f, 3.0e38f,
                             INFINITY, -INFINITY, NAN}) {
    expect(amount);
  }
}

TEST(MoneyText, HugeAmountsStayInsideTheBuffer) {
  const std::string text(MoneyText(3.0e38f, '$').view());
  EXPECT_EQ(text.substr(0, 5), "$300,");
  EXPECT_EQ(text.substr(text.size() - 3), ".00");
}

TEST(RateText, PrintsThreeDecimalsAndAPercentSign) {
  EXPECT_EQ(RateText(15.0f).view(), "15.000%");
  EXPECT_EQ(RateText(-2.5f).view(), "-2.500%");
  EXPECT_EQ(RateText(4.0f, "%6.3f").view(), "4.000%");
}

}  // namespace
