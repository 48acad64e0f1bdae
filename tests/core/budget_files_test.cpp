// The budget's text files: "budout.tmp" written by Copy All and read by Paste All,
// "pbudout.tmp" for the report, and the printed page "rpage1".
#include "core/budget_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/text.h"
#include "platform/scripted.h"
#include "tests/core/packed_field.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

using testing::Copied;

constexpr float kCent = 0.005f;

class BudgetFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    Budget& b = budget(0);
    CopyText(b.budgetName, "Household");
    b.budgetStartAge = 45;
    b.budgetEndAge = 67;
    Enter(0, {"Food", "100", "2", /*monthly=*/true, /*track=*/true, false});
    Enter(0, {"Car", "1500", "0", false, false, /*inflation=*/true});
    Enter(0, {"Travel", "800", "1.5", false, false, /*inflation=*/true});
  }
  Budget& budget(int b) { return document.scenario.budgets[b]; }
  void Enter(int b, const BudgetItemFields& fields) {
    EnterBudgetItem(document, b, fields, prompter);
  }
  bool Paste(int b) { return PasteBudgetItems(document, b, dir.path(), prompter); }
  // Pasting `text` fails with the file message and leaves budget 1 as it was.
  void ExpectRejected(const std::string& text) {
    dir.Write(kBudgetExchangeFile, text);
    const Budget before = budget(1);
    prompter.Clear();
    EXPECT_FALSE(Paste(1)) << text;
    ASSERT_EQ(prompter.Lines().size(), 1u) << text;
    EXPECT_EQ(prompter.Lines()[0],
              "Budget File Error: The budget input file budout.tmp doesn't seem to be a valid "
              "file.");
    EXPECT_EQ(std::memcmp(&before, &budget(1), sizeof before), 0) << text;
  }

  testing_support::TempDir dir;
  Document document;
  platform::ScriptedPrompter prompter;
};

// The exchange format written out by hand from its line formats.
constexpr const char* kHouseholdExchange =
    "3\n"
    "Household                     \n"
    " 45\n"
    " 67\n"
    "Food\t100.000000\t1\t1\t2.000000\n"
    "Car\t1500.000000\t0\t0\t0.000000\n"
    "Travel\t800.000000\t0\t0\t1.500000\n"
    "Dooone";

TEST_F(BudgetFiles, CopyAllWritesTheExchangeFile) {
  ASSERT_TRUE(CopyBudgetItems(budget(0), dir.path(), prompter));
  EXPECT_EQ(dir.Read(kBudgetExchangeFile), kHouseholdExchange);
  EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(BudgetFiles, CopyAllKeepsNamesWithTabsAndLineBreaksOnTheirLines) {
  // Names as a scenario file may hold them: what Copy All writes, Paste All takes back.
  CopyText(budget(0).budgetName, "House\nhold");
  CopyText(budget(0).itemName[0], "Car\tloan");
  CopyText(budget(0).itemName[1], "Fo\rod\n");
  ASSERT_TRUE(CopyBudgetItems(budget(0), dir.path(), prompter));
  ASSERT_TRUE(Paste(1));
  EXPECT_EQ(TextOf(budget(1).budgetName), "House hold");
  EXPECT_EQ(Copied(budget(1).budgetStartAge), 45);
  ASSERT_EQ(Copied(budget(1).itemCount), 3);
  EXPECT_EQ(TextOf(budget(1).itemName[0]), "Car loan");
  EXPECT_NEAR(budget(1).itemAmount[0], 100.0f, kCent);
  EXPECT_EQ(TextOf(budget(1).itemName[1]), "Fo\rod ");  // a carriage return is harmless
  // The printed page keeps one line per item too.
  ASSERT_TRUE(WriteBudgetPage(budget(0), dir.path(), prompter));
  EXPECT_NE(dir.Read(kBudgetPageFile).find("\nCar loan\t"), std::string::npos);
}

TEST_F(BudgetFiles, PrintReportStoresNameAndAgesAndWritesTheSameFormat) {
  BudgetHeading heading;
  heading.name = "Home";
  heading.startAge = 50;
  heading.endAge = 90;
  ASSERT_TRUE(WriteBudgetReportFile(document, 0, heading, dir.path(), prompter));
  EXPECT_EQ(TextOf(budget(0).budgetName), "Home");
  EXPECT_EQ(Copied(budget(0).budgetEndAge), 90);
  const std::string head = "3\nHome                          \n 50\n 90\n";
  const std::string items = std::string(kHouseholdExchange).substr(head.size());
  EXPECT_EQ(dir.Read(kBudgetReportFile), head + items);
}

TEST_F(BudgetFiles, TheReportReadsBackWhatPrintReportWrote) {
  ASSERT_TRUE(WriteBudgetReportFile(document, 0, HeadingOf(budget(0)), dir.path(), prompter));
  const std::optional<Budget> read = ReadBudgetReportFile(dir.path(), Budget{}, prompter);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(TextOf(read->budgetName), "Household");
  EXPECT_EQ(Copied(read->budgetEndAge), 67);
  ASSERT_EQ(Copied(read->itemCount), 3);
  EXPECT_NEAR(read->itemYearlyAmount[0], 1200.0f, kCent);
  // A budget of no items is a report of its name and ages, not a damaged file.
  ClearBudgetItems(document, 0);
  ASSERT_TRUE(WriteBudgetReportFile(document, 0, HeadingOf(budget(0)), dir.path(), prompter));
  const std::optional<Budget> empty = ReadBudgetReportFile(dir.path(), Budget{}, prompter);
  ASSERT_TRUE(empty.has_value());
  EXPECT_EQ(Copied(empty->itemCount), 0);
  EXPECT_EQ(Copied(empty->budgetStartAge), 45);
  EXPECT_TRUE(prompter.Lines().empty());
  // A file rewritten by something else is refused with its name.
  dir.Write(kBudgetReportFile, "31\nToo many\n1\n2\n");
  EXPECT_FALSE(ReadBudgetReportFile(dir.path(), Budget{}, prompter).has_value());
  EXPECT_EQ(prompter.Lines().back(),
            "Budget File Error: The budget input file pbudout.tmp doesn't seem to be a valid file.");
}

TEST_F(BudgetFiles, PrintWritesTheBudgetPage) {
  // Yearly amounts: 12 x 100 = 1200, 1500 and 800; total 3500.
  const std::string expected =
      "Name\tAmount \tMonth\tTrack\tApplied Rate \tYearly Amount\n"
      "------------------------\n"
      "Food\t       100.00 \tX\tX\t   2.000 \t      1200.00 \n"
      "Car\t      1500.00 \t \t \tInflation \t      1500.00 \n"
      "Travel\t       800.00 \t \t \tInf.+   1.500 \t       800.00 \n"
      "\t\t\t\tTotal\t      3500.00\n"
      "Dooone";
  ASSERT_TRUE(WriteBudgetPage(budget(0), dir.path(), prompter));
  EXPECT_EQ(dir.Read(kBudgetPageFile), expected);
  EXPECT_EQ(BudgetPageText(budget(0)), expected);
}

TEST_F(BudgetFiles, WriteFailuresNameTheirFile) {
  const std::filesystem::path missing = dir / "no such directory";
  EXPECT_FALSE(CopyBudgetItems(budget(0), missing, prompter));
  EXPECT_FALSE(WriteBudgetReportFile(document, 0, HeadingOf(budget(0)), missing, prompter));
  EXPECT_FALSE(WriteBudgetPage(budget(0), missing, prompter));
  const std::vector<std::string> expected = {
      "File Open Error: Cannot open the budget output file budout.tmp.",
      "File Open Error: Cannot open the budget output file pbudout.tmp.",
      "File Open Error: Cannot open the budget output file rpage1."};
  EXPECT_EQ(prompter.Lines(), expected);
}

TEST_F(BudgetFiles, PasteAllCarriesNameAgesAndItemsButNotTheSwitches) {
  budget(1).budgetActive = 1;
  budget(1).budgetAccountId = 17;
  Enter(1, {"Old item", "5", "0", false, false, true});
  ASSERT_TRUE(CopyBudgetItems(budget(0), dir.path(), prompter));
  document.modified = false;
  ASSERT_TRUE(Paste(1));
  const Budget& pasted = budget(1);
  EXPECT_EQ(TextOf(pasted.budgetName), "Household");  // without the file's padding
  EXPECT_EQ(Copied(pasted.budgetStartAge), 45);
  EXPECT_EQ(Copied(pasted.budgetEndAge), 67);
  ASSERT_EQ(Copied(pasted.itemCount), 3);
  EXPECT_EQ(TextOf(pasted.itemName[0]), "Food");
  EXPECT_EQ(Copied(pasted.itemMonthly[0]), 1);
  EXPECT_EQ(Copied(pasted.itemTrack[0]), 1);
  EXPECT_NEAR(pasted.itemRate[2], 1.5f, 1e-6f);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Copied(pasted.itemInflation[i]), 0) << "item " << i;
  EXPECT_NEAR(pasted.yearlyTotal, 3500.0f, kCent);
  EXPECT_EQ(Copied(pasted.budgetActive), 1);
  EXPECT_EQ(Copied(pasted.budgetAccountId), 17);
  EXPECT_TRUE(document.modified);
}

TEST_F(BudgetFiles, PasteAllStopsAtTheEndMarkAndCountsWhatItRead) {
  dir.Write(kBudgetExchangeFile, "5\nShort\n 30\n 40\nA\t1.0\t0\t0\t0\nB\t2.0\t0\t0\t0\nDooone");
  ASSERT_TRUE(Paste(1));
  EXPECT_EQ(Copied(budget(1).itemCount), 2);
  EXPECT_NEAR(budget(1).yearlyTotal, 3.0f, kCent);
}

TEST_F(BudgetFiles, PasteAllReadsNoMoreItemsThanTheCount) {
  dir.Write(kBudgetExchangeFile, "1\nOne\n 30\n 40\nA\t1.0\t0\t0\t0\nB\t2.0\t0\t0\t0\nDooone");
  ASSERT_TRUE(Paste(1));
  EXPECT_EQ(Copied(budget(1).itemCount), 1);
}

TEST_F(BudgetFiles, PasteAllCutsLongNames) {
  const std::string longName(5000, 'N');
  dir.Write(kBudgetExchangeFile,
            "1\n" + longName + "\n 30\n 40\n" + longName + "\t1.0\t0\t0\t0\r\nDooone\r\n");
  ASSERT_TRUE(Paste(1));
  EXPECT_EQ(TextOf(budget(1).budgetName), std::string(29, 'N'));
  EXPECT_EQ(TextOf(budget(1).itemName[0]), std::string(19, 'N'));
  EXPECT_EQ(Copied(budget(1).budgetStartAge), 30);
}

TEST_F(BudgetFiles, PasteAllRejectsCountsOutsideOneToThirty) {
  ExpectRejected("0\nName\n 30\n 40\nDooone");
  ExpectRejected("31\nName\n 30\n 40\nA\t1\t0\t0\t0\nDooone");
  ExpectRejected("many\nName\n 30\n 40\nDooone");
  ExpectRejected("");
}

TEST_F(BudgetFiles, PasteAllRejectsMalformedFilesAndKeepsTheItems) {
  Enter(1, {"Kept", "5", "0", false, false, false});
  ExpectRejected("2\nName\n");  // no ages
  ExpectRejected("2\nName\n 30\n 40\nA\t1.0\t0\t0\t0\nno tabs here\nDooone");
  ExpectRejected("1\nName\n 30\n 40\nA\tone\t0\t0\t0\nDooone");             // amount no number
  ExpectRejected("1\nName\n 30\n 40\nA\t1.0\t0\t0\nDooone");                // rate missing
  ExpectRejected(std::string("1\nName\n 30\n 40\nA\t1\0\t0\t0\t0\n", 26));  // cut at the NUL
  EXPECT_EQ(TextOf(budget(1).itemName[0]), "Kept");
}

TEST_F(BudgetFiles, PasteAllRejectsAmountsWhoseYearlyTotalOverflows) {
  // 3e38 is a float, but twelve of it a month, or two such items, are not.
  ExpectRejected("1\nName\n 30\n 40\nA\t3e38\t1\t0\t0\nDooone");
  ExpectRejected("2\nName\n 30\n 40\nA\t3e38\t0\t0\t0\nB\t3e38\t0\t0\t0\nDooone");
  // One such item alone, yearly, is still a budget.
  dir.Write(kBudgetExchangeFile, "1\nName\n 30\n 40\nA\t3e38\t0\t0\t0\nDooone");
  EXPECT_TRUE(Paste(1));
}

TEST_F(BudgetFiles, PasteAllTakesACountOfThirtyWithTwoItemsAsTwo) {
  dir.Write(kBudgetExchangeFile, "30\nName\n 30\n 40\nA\t1\t0\t0\t0\nB\t2\t0\t0\t0\n");
  ASSERT_TRUE(Paste(1));
  EXPECT_EQ(Copied(budget(1).itemCount), 2);
  for (int i = 2; i < kMaxBudgetItems; ++i) EXPECT_EQ(budget(1).itemName[i][0], '\0') << i;
}

TEST_F(BudgetFiles, PasteAllWithoutAFileSaysSo) {
  EXPECT_FALSE(Paste(1));
  ASSERT_EQ(prompter.Lines().size(), 1u);
  EXPECT_EQ(prompter.Lines()[0],
            "File Open Error: Cannot open the budget input file budout.tmp file.");
}

}  // namespace
}  // namespace core
