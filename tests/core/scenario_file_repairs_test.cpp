// Stored values outside their ranges, repaired as a scenario file is read.
#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>

#include "core/scenario_file.h"
#include "platform/scripted.h"
#include "tests/core/scenario_file_images.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

using testing::BlockOffsets;
using testing::Patch;

const BlockOffsets kAt(0);  // images of a new scenario: no events

// A new scenario's full image patched by `patch`, read back.
template <typename Patcher>
Scenario ReadPatched(Patcher patch) {
  std::string image = ScenarioFileBytes(MakeNewScenario());
  patch(image);
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  dir.Write("patched.RET", image);
  Document document;
  EXPECT_TRUE(ReadScenarioFile(document, dir.path(), "patched.RET", prompter));
  return document.scenario;
}

struct ShortSetting {
  const char* name;
  size_t offset;  // in the groups and Monte Carlo block
  int16_t stored;
  int16_t read;
};

// Names the case in test output instead of its bytes.
void PrintTo(const ShortSetting& c, std::ostream* out) { *out << c.name; }

class MonteCarloShortRepair : public ::testing::TestWithParam<ShortSetting> {};

TEST_P(MonteCarloShortRepair, ReadsAsExpected) {
  const ShortSetting& c = GetParam();
  const Scenario s = ReadPatched([&](std::string& image) {
    Patch(image, kAt.groups + 456, int16_t{1});  // uniform rates: no factor clamp after reading
    Patch(image, kAt.groups + c.offset, c.stored);
  });
  int16_t read;
  std::memcpy(&read, reinterpret_cast<const char*>(&s.groups) + c.offset, sizeof read);
  EXPECT_EQ(read, c.read);
}

// Expected values from the load-time repairs of the Monte Carlo settings.
INSTANTIATE_TEST_SUITE_P(
    Settings, MonteCarloShortRepair,
    ::testing::Values(ShortSetting{"trials_0_becomes_100", 450, 0, 100},
                      ShortSetting{"trials_1_kept", 450, 1, 1},
                      ShortSetting{"trials_1000_kept", 450, 1000, 1000},
                      ShortSetting{"trials_1001_becomes_100", 450, 1001, 100},
                      ShortSetting{"source_minus_1_becomes_0", 454, -1, 0},
                      ShortSetting{"source_1_kept", 454, 1, 1},
                      ShortSetting{"type_5_becomes_0", 456, 5, 0},
                      ShortSetting{"type_minus_1_becomes_0", 456, -1, 0},
                      ShortSetting{"type_2_kept", 456, 2, 2},
                      ShortSetting{"legend_2_becomes_0", 458, 2, 0},
                      ShortSetting{"legend_1_kept", 458, 1, 1},
                      ShortSetting{"range_factor_0_stays_0", 460, 0, 0},
                      ShortSetting{"range_factor_10_kept", 460, 10, 10},
                      ShortSetting{"range_factor_11_becomes_0", 460, 11, 0},
                      ShortSetting{"stddev_factor_0_kept", 462, 0, 0},
                      ShortSetting{"stddev_factor_minus_1_becomes_0", 462, -1, 0},
                      ShortSetting{"stddev_factor_11_becomes_0", 462, 11, 0}),
    [](const ::testing::TestParamInfo<ShortSetting>& param) { return param.param.name; });

TEST(MonteCarloAmountRepair, ImplausibleAmountsBecomeZero) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Scenario s = ReadPatched([&](std::string& image) {
    Patch(image, kAt.groups + 410, -1000000.5f);  // mcMinInflation: below the lowest
    Patch(image, kAt.groups + 414, 10000000.0f);  // mcMaxInflation: the bound itself is out
    Patch(image, kAt.groups + 418, nan);          // mcGoalAmount
    Patch(image, kAt.groups + 422, 9999999.0f);   // reserved: inside
  });
  EXPECT_EQ(+s.groups.mcMinInflation, 0.0f);
  EXPECT_EQ(+s.groups.mcMaxInflation, 0.0f);
  EXPECT_EQ(+s.groups.mcGoalAmount, 0.0f);
  EXPECT_EQ(+s.groups.mcReserved, 9999999.0f);
}

TEST(MonteCarloAmountRepair, PlausibleAmountsAreKept) {
  const Scenario s = ReadPatched([&](std::string& image) {
    Patch(image, kAt.groups + 410, -1000000.0f);
    Patch(image, kAt.groups + 414, 12.5f);
    Patch(image, kAt.groups + 418, 2500000.0f);
  });
  EXPECT_EQ(+s.groups.mcMinInflation, -1000000.0f);
  EXPECT_EQ(+s.groups.mcMaxInflation, 12.5f);
  EXPECT_EQ(+s.groups.mcGoalAmount, 2500000.0f);
}

TEST(GroupRangeRepair, MinimumAboveMaximumZeroesBoth) {
  const Scenario s = ReadPatched([&](std::string& image) {
    Patch(image, kAt.groups + 210 + 4 * 3, 20.0f);
    Patch(image, kAt.groups + 250 + 4 * 3, 10.0f);
  });
  EXPECT_EQ(+s.groups.groupRandomMinRate[3], 0.0f);
  EXPECT_EQ(+s.groups.groupRandomMaxRate[3], 0.0f);
}

TEST(GroupRangeRepair, RatesOutsideMinus50To100BecomeZero) {
  const Scenario s = ReadPatched([&](std::string& image) {
    Patch(image, kAt.groups + 210, -50.5f);  // group 0 minimum out, maximum kept
    Patch(image, kAt.groups + 250, 100.0f);
    Patch(image, kAt.groups + 210 + 4, -50.0f);  // group 1: both at the bounds
    Patch(image, kAt.groups + 250 + 4, 100.5f);
    Patch(image, kAt.groups + 210 + 8, std::numeric_limits<float>::quiet_NaN());
    Patch(image, kAt.groups + 250 + 8, 5.0f);
  });
  EXPECT_EQ(+s.groups.groupRandomMinRate[0], 0.0f);
  EXPECT_EQ(+s.groups.groupRandomMaxRate[0], 100.0f);
  EXPECT_EQ(+s.groups.groupRandomMinRate[1], -50.0f);
  EXPECT_EQ(+s.groups.groupRandomMaxRate[1], 0.0f);
  EXPECT_EQ(+s.groups.groupRandomMinRate[2], 0.0f);
  EXPECT_EQ(+s.groups.groupRandomMaxRate[2], 5.0f);
}

TEST(GroupRangeRepair, RangeIsRepairedAfterEachBoundOnItsOwn) {
  // -60 is out and becomes 0, which then exceeds the maximum of -10 (kept): both become 0.
  const Scenario s = ReadPatched([&](std::string& image) {
    Patch(image, kAt.groups + 210, -60.0f);
    Patch(image, kAt.groups + 250, -10.0f);
  });
  EXPECT_EQ(+s.groups.groupRandomMinRate[0], 0.0f);
  EXPECT_EQ(+s.groups.groupRandomMaxRate[0], 0.0f);
}

// The account record of table position `index` in an image without events.
size_t AccountAt(int index) { return kAt.accounts + 2 + static_cast<size_t>(index) * 82; }

TEST(SlotRepair, LaterDuplicateGetsSlot49WhenFree) {
  const Scenario s = ReadPatched([&](std::string& image) {
    Patch(image, kAt.accounts, int16_t{2});
    Patch(image, AccountAt(0) + 80, uint16_t{3});
    Patch(image, AccountAt(1) + 80, uint16_t{3});
    Patch(image, AccountAt(49) + 80, uint16_t{1});  // 49 free, 1 now double too
  });
  EXPECT_EQ(+s.account(0).slot, 3);
  EXPECT_EQ(+s.account(1).slot, 49);
  // Record 3 (slot 3) duplicates record 0; the highest free slot left is 0, below the search.
  EXPECT_EQ(+s.account(3).slot, 3);
  EXPECT_EQ(+s.account(49).slot, 1) << "slot 1 is free: record 1 is stored in slot 3";
}

TEST(SlotRepair, SlotsOutsideTheTablesGetAFreeSlot) {
  Scenario s = MakeNewScenario();
  s.account(0).slot = 50;
  s.account(5).slot = 65535;
  s.account(20).slot = 49;  // record 49 is now the duplicate; slots 0, 5 and 20 are free
  MakeSlotNumbersUnique(s);
  EXPECT_EQ(+s.account(0).slot, 20);
  EXPECT_EQ(+s.account(5).slot, 5);
  // Record 49 duplicates record 20; only slot 0 is free, and 0 is no candidate for a duplicate.
  EXPECT_EQ(+s.account(49).slot, 49);
}

TEST(SlotRepair, EverySlotIsInsideTheTablesAfterRepair) {
  Scenario s = MakeNewScenario();
  for (int i = 0; i < kMaxAccounts; ++i) s.account(i).slot = static_cast<uint16_t>(1000 + i);
  MakeSlotNumbersUnique(s);
  std::array<int, kSlotCount> holders{};
  for (int i = 0; i < kMaxAccounts; ++i) {
    ASSERT_LT(+s.account(i).slot, kSlotCount);
    ++holders[s.account(i).slot];
  }
  for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_EQ(holders[slot], 1) << "slot " << slot;
}

TEST(TableIndexRepair, GroupIndexesAndItemCountsStayInsideTheirTables) {
  const Scenario s = ReadPatched([&](std::string& image) {
    Patch(image, AccountAt(0) + 78, uint16_t{10});
    Patch(image, AccountAt(1) + 78, uint16_t{9});
    Patch(image, kAt.budgets + 30, int16_t{31});
    Patch(image, kAt.budgets + 1398 + 30, int16_t{-2});
    Patch(image, kAt.budgets + 2 * 1398 + 30, int16_t{30});
  });
  EXPECT_EQ(+s.account(0).groupIndex, 0);
  EXPECT_EQ(+s.account(1).groupIndex, 9);
  EXPECT_EQ(+s.budgets[0].itemCount, 30);
  EXPECT_EQ(+s.budgets[1].itemCount, 0);
  EXPECT_EQ(+s.budgets[2].itemCount, 30);
}

}  // namespace
}  // namespace core
