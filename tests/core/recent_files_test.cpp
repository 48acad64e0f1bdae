// The recent-file list: adding a path, removing its other spellings, and the File menu entries.
#include "core/recent_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace core {
namespace {

RecentFiles Six() { return {"A.RET", "B.RET", "C:\\Plans\\Retire.RET", "D.RET", "E.RET", "F.RET"}; }

TEST(AddRecentFile, NewPathBecomesEntryOneAndTheSixthDropsOff) {
  RecentFiles recent = Six();
  AddRecentFile(recent, "NEW.RET");
  EXPECT_EQ(recent,
            (RecentFiles{"NEW.RET", "A.RET", "B.RET", "C:\\Plans\\Retire.RET", "D.RET", "E.RET"}));
}

TEST(AddRecentFile, PathOfEntryThreeInOtherCaseMovesToOneWithoutDuplicate) {
  RecentFiles recent = Six();
  AddRecentFile(recent, "c:\\plans\\RETIRE.ret");
  // The list moves down before the old spelling is removed, so "F.RET" has already dropped off.
  EXPECT_EQ(recent, (RecentFiles{"c:\\plans\\RETIRE.ret", "A.RET", "B.RET", "D.RET", "E.RET", ""}));
}

TEST(AddRecentFile, ReAddingEntryOneKeepsTheOthers) {
  RecentFiles recent = Six();
  AddRecentFile(recent, "a.ret");
  EXPECT_EQ(recent, (RecentFiles{"a.ret", "B.RET", "C:\\Plans\\Retire.RET", "D.RET", "E.RET", ""}));
}

TEST(AddRecentFile, RepeatedSpellingsFurtherDownAreAllRemoved) {
  RecentFiles recent = {"x.ret", "X.RET", "y.ret", "X.Ret", "", ""};
  AddRecentFile(recent, "Y.RET");
  EXPECT_EQ(recent, (RecentFiles{"Y.RET", "x.ret", "", "", "", ""}));
}

TEST(AddRecentFile, PathsOfThreeCharactersOrFewerAreIgnored) {
  RecentFiles recent = Six();
  AddRecentFile(recent, "a.r");
  AddRecentFile(recent, "");
  EXPECT_EQ(recent, Six());
  AddRecentFile(recent, "a.rt");
  EXPECT_EQ(recent[0], "a.rt");
}

TEST(AddRecentFile, LongPathsAreKeptWholeAndTooLongOnesRefused) {
  RecentFiles recent;
  EXPECT_TRUE(AddRecentFile(recent, std::string(1000, 'p')));
  EXPECT_EQ(recent[0], std::string(1000, 'p'));
  EXPECT_TRUE(AddRecentFile(recent, std::string(kMaxPathLength, 'q')));
  EXPECT_EQ(recent[0].size(), kMaxPathLength);
  // One more character could only be kept cut, as the name of some other file.
  const RecentFiles before = recent;
  EXPECT_FALSE(AddRecentFile(recent, std::string(kMaxPathLength + 1, 'r')));
  EXPECT_EQ(recent, before);
}

TEST(AddRecentFile, PathsWithLineBreaksOrNulsAreRefused) {
  RecentFiles recent = Six();
  EXPECT_FALSE(AddRecentFile(recent, "NEW.RET\nOTHER.RET"));
  EXPECT_FALSE(AddRecentFile(recent, "NEW.RET\r"));
  EXPECT_FALSE(AddRecentFile(recent, std::string("NEW.RET\0x", 9)));
  EXPECT_EQ(recent, Six());
}

TEST(AddRecentFile, OddNamesAreKeptAndShownByteForByte) {
  RecentFiles recent;
  const std::string odd = "-\"plan\"\t\xa3 1.RET";
  EXPECT_TRUE(AddRecentFile(recent, odd));
  EXPECT_EQ(recent[0], odd);
  ASSERT_EQ(RecentFileMenu(recent).size(), 1u);
  EXPECT_EQ(RecentFileMenu(recent)[0].text, "(1) " + odd);
}

TEST(RecentFileMenu, SixEntriesShowFromSixDownToOne) {
  const std::vector<MenuEntry> menu = RecentFileMenu(Six());
  ASSERT_EQ(menu.size(), 6u);
  EXPECT_EQ(menu[0].text, "(6) F.RET");
  EXPECT_EQ(menu[0].command, 609);
  EXPECT_EQ(menu[1].text, "(5) E.RET");
  EXPECT_EQ(menu[1].command, 606);
  EXPECT_EQ(menu[3].text, "(3) C:\\Plans\\Retire.RET");
  EXPECT_EQ(menu[3].command, 604);
  EXPECT_EQ(menu[5].text, "(1) A.RET");
  EXPECT_EQ(menu[5].command, 602);
}

TEST(RecentFileMenu, OnlyTheLeadingNonEmptyEntriesShow) {
  const std::vector<MenuEntry> menu = RecentFileMenu({"A.RET", "B.RET", "", "D.RET", "", ""});
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_EQ(menu[0].text, "(2) B.RET");
  EXPECT_EQ(menu[1].text, "(1) A.RET");
  EXPECT_TRUE(RecentFileMenu(RecentFiles{}).empty());
}

}  // namespace
}  // namespace core
