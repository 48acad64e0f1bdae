// "prefinf.dat": the window placement and display options read at start-up and written at close.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/settings.h"
#include "core/text.h"
#include "tests/core/packed_field.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

using testing::Copied;

std::string Bytes(const PageSettings& prefs) {
  return std::string(reinterpret_cast<const char*>(&prefs), sizeof prefs);
}

PageSettings Stored() {
  PageSettings prefs{};
  prefs.windowLeft = 120;
  prefs.windowTop = 80;
  prefs.windowWidth = 900;
  prefs.windowHeight = 700;
  prefs.reportColumns = 1;
  prefs.reportBoxes = 1;
  prefs.hideMakerFolder = 1;
  prefs.colorBanding = 0;
  prefs.marginLeft = 750;
  prefs.fontOption = 3;
  prefs.unused44[10] = 0x5A;
  return prefs;
}

class PrefinfDat : public ::testing::Test {
 protected:
  PageSettings Read() { return ReadWindowPrefs(dir.path(), scenario); }

  testing_support::TempDir dir;
  Scenario scenario = MakeNewScenario();
};

TEST_F(PrefinfDat, WithoutAFileDefaultsAreUsed) {
  const PageSettings prefs = Read();
  EXPECT_EQ(Copied(prefs.windowLeft), 0);
  EXPECT_EQ(Copied(prefs.reportColumns), 0);
  EXPECT_EQ(Copied(prefs.hideMakerFolder), 0);
  EXPECT_EQ(Copied(prefs.colorBanding), 1);
  EXPECT_EQ(Copied(prefs.marginLeft), 1000);
  EXPECT_EQ(Copied(prefs.marginRight), 500);
  EXPECT_EQ(Copied(prefs.printOption), 1);
  EXPECT_EQ(TextOf(scenario.fonts[0].faceName), "Lucida");
}

TEST_F(PrefinfDat, StoredRecordIsUsedWithColourBandingOn) {
  dir.Write(kWindowPrefsFile, Bytes(Stored()));
  PageSettings expected = Stored();
  expected.colorBanding = 1;
  EXPECT_EQ(Bytes(Read()), Bytes(expected));
}

TEST_F(PrefinfDat, EdgesOutsideZeroToThreeHundredStartAtZero) {
  struct Case {
    int left, top, wantLeft, wantTop;
  };
  for (const Case& c : {Case{500, 20, 0, 20}, Case{300, 301, 300, 0}, Case{-1, -7, 0, 0}}) {
    PageSettings stored = Stored();
    stored.windowLeft = c.left;
    stored.windowTop = c.top;
    dir.Write(kWindowPrefsFile, Bytes(stored));
    const PageSettings prefs = Read();
    EXPECT_EQ(Copied(prefs.windowLeft), c.wantLeft) << c.left;
    EXPECT_EQ(Copied(prefs.windowTop), c.wantTop) << c.top;
  }
}

TEST_F(PrefinfDat, ShortFileLeavesOnlyDefaults) {
  dir.Write(kWindowPrefsFile, std::string(100, '\xFF'));
  const PageSettings prefs = Read();
  EXPECT_EQ(Copied(prefs.reportColumns), 0);
  EXPECT_EQ(Copied(prefs.windowWidth), 0);
  EXPECT_EQ(Copied(prefs.marginLeft), 1000);
  EXPECT_EQ(Copied(prefs.colorBanding), 1);
}

TEST_F(PrefinfDat, CloseWritesThePlacementAndKeepsTheRest) {
  PageSettings live = Stored();
  live.reportBanding = 1;
  ASSERT_TRUE(WriteWindowPrefs(dir.path(), live, WindowRect{10, 20, 810, 620}));
  PageSettings expected = live;
  expected.windowLeft = 10;
  expected.windowTop = 20;
  expected.windowWidth = 800;
  expected.windowHeight = 600;
  EXPECT_EQ(dir.Read(kWindowPrefsFile), Bytes(expected));
}

TEST_F(PrefinfDat, SizeIsTheDistanceWhicheverWayTheRectangleRuns) {
  ASSERT_TRUE(WriteWindowPrefs(dir.path(), Stored(), WindowRect{810, 620, 10, 20}));
  const PageSettings prefs = Read();
  EXPECT_EQ(Copied(prefs.windowWidth), 800);
  EXPECT_EQ(Copied(prefs.windowHeight), 600);
}

TEST_F(PrefinfDat, FailedWriteIsSilent) {
  EXPECT_FALSE(WriteWindowPrefs(dir / "no such directory", Stored(), WindowRect{}));
}

}  // namespace
}  // namespace core
