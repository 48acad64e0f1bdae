// The series palette and the lightening of colours.
#include "graph/color.h"

#include <gtest/gtest.h>

namespace graph {
namespace {

TEST(SeriesPalette, PlannerShowsDarkYellowCompanionsYellow) {
  EXPECT_EQ(SeriesPalette(Program::Planner)[2], 0x15D0D5u);
  EXPECT_EQ(SeriesPalette(Program::Companion)[2], 0x00FFFFu);
  SeriesPalette palette(Program::Companion);
  EXPECT_EQ(palette[0], 0xFF0000u);
  EXPECT_EQ(palette[SeriesPalette::kPurchasingPower], 0x55550Au);
  EXPECT_EQ(palette[SeriesPalette::kLightGrey], 0xC8C8C8u);
  EXPECT_EQ(palette[12], palette[0]);  // never past the table
}

TEST(LightenColor, AddsAThirdOfTheRoomOfTheFullestChannel) {
  // Worked by hand: grey 100,100,100 has room 156; (156 - 1) / 3 = 51 is added: 151 = 0x97.
  EXPECT_EQ(LightenColor(0x646464), 0x979797u);
  // Dark yellow: red 0xD5 (room 43), green 0xD0 (48), blue 0x15 (235); 42 / 3 = 14 added.
  EXPECT_EQ(LightenColor(0x15D0D5), MakeColor(0xD5 + 14, 0xD0 + 14, 0x15 + 14));
}

TEST(LightenColor, LeavesBlackAndFullChannelsAlone) {
  EXPECT_EQ(LightenColor(kBlack), kBlack);  // room 256 is 0 modulo 256
  EXPECT_EQ(LightenColor(0x0000FF), 0x0000FFu);  // room 1 adds nothing
  EXPECT_EQ(LightenColor(kWhite), kWhite);
}

}  // namespace
}  // namespace graph
