// The money text: grouping, the currency mark, the sign room and the strip step.
#include "graph/format_money.h"

#include <gtest/gtest.h>

namespace graph {
namespace {

const std::string kPound(1, static_cast<char>(163));

TEST(FormatMoney, GroupsDigitsInThreesLeftOfThePoint) {
  EXPECT_EQ(FormatMoney("0.50", false, Currency::Dollars), "$0.50");
  EXPECT_EQ(FormatMoney("123.00", false, Currency::Dollars), "$123.00");
  EXPECT_EQ(FormatMoney("1234.50", false, Currency::Dollars), "$1,234.50");
  EXPECT_EQ(FormatMoney("123456.78", false, Currency::Dollars), "$123,456.78");
  EXPECT_EQ(FormatMoney("1234567.00", false, Currency::Dollars), "$1,234,567.00");
  EXPECT_EQ(FormatMoney("12000", false, Currency::Dollars), "$12,000");
}

TEST(FormatMoney, PutsTheSignAfterTheMarkAndDoesNotCountIt) {
  // The example of the money format: "$-1,234.50".
  EXPECT_EQ(FormatMoney("-1234.50", false, Currency::Dollars), "$-1,234.50");
  EXPECT_EQ(FormatMoney("-123.00", false, Currency::Dollars), "$-123.00");
}

TEST(FormatMoney, SignRoomLeavesOneLeadingSpace) {
  std::string money = FormatMoney("3000.00", true, Currency::Dollars);
  EXPECT_EQ(money, " $3,000.00");
  money[0] = '-';
  EXPECT_EQ(money, "-$3,000.00");
}

TEST(FormatMoney, PoundOptionUsesByte163) {
  EXPECT_EQ(FormatMoney("1500.25", false, Currency::Pounds), kPound + "1,500.25");
  EXPECT_EQ(CurrencyFromCommandLine("plotinf01.tmp Pounds"), Currency::Pounds);
  EXPECT_EQ(CurrencyFromCommandLine("plotinf01.tmp Dollars"), Currency::Dollars);
  EXPECT_STREQ(CurrencyWord(Currency::Pounds), "Pounds");
}

TEST(FormatMoney, StripDropsSpacesAndCutsAtTheFirstForeignCharacter) {
  EXPECT_EQ(StripToNumber(" 1 234.5x67", Currency::Dollars), "1234.5");
  EXPECT_EQ(StripToNumber("$12.00 total", Currency::Dollars), "$12.00");
  EXPECT_EQ(StripToNumber("abc", Currency::Dollars), "");
  // An amount that already carries its mark gets it once.
  EXPECT_EQ(FormatMoney("$1234.00", false, Currency::Dollars), "$1,234.00");
  EXPECT_EQ(FormatMoney("12,345.00", false, Currency::Dollars), "$12");
}

TEST(FormatMoney, SignedMoneyPutsTheMinusBeforeTheMark) {
  EXPECT_EQ(SignedMoney(-3000.0f, Currency::Dollars), "-$3,000.00");
  EXPECT_EQ(SignedMoney(12345.67f, Currency::Dollars), "$12,345.67");
  EXPECT_EQ(SignedMoney(0.0f, Currency::Dollars), "$0.00");
}

}  // namespace
}  // namespace graph
