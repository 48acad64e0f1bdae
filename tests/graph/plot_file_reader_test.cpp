// Reading plot files: the full layout, saved copies, files cut short or stopped by "Done",
// bad first lines, and counts beyond the tables.
#include "graph/plot_file_reader.h"

#include <gtest/gtest.h>

#include "platform/scripted.h"
#include "tests/graph/plot_file_text.h"
#include "tests/graph/sample_plot_data.h"
#include "tests/support/temp_dir.h"

namespace graph {
namespace {

using graph_testing::PlotFileText;

constexpr float kCent = 0.005f;

void ExpectSameData(const PlotData& read, const PlotData& written) {
  ASSERT_EQ(read.pointCount, written.pointCount);
  ASSERT_EQ(read.accountCount, written.accountCount);
  EXPECT_EQ(read.titleLines, written.titleLines);
  EXPECT_EQ(read.groupNames, written.groupNames);
  EXPECT_EQ(read.hasPurchasingPower, written.hasPurchasingPower);
  for (int a = 0; a < written.accountCount; ++a) {
    EXPECT_EQ(read.accountNames[static_cast<size_t>(a)], written.accountNames[static_cast<size_t>(a)]);
    EXPECT_EQ(read.accountGroup[static_cast<size_t>(a)], written.accountGroup[static_cast<size_t>(a)]);
  }
  for (int i = 0; i < written.pointCount; ++i) {
    SCOPED_TRACE(testing::Message() << "point " << i);
    for (int c = 0; c < kRowColumns; ++c) {
      EXPECT_NEAR(read.rows[static_cast<size_t>(i)][c], written.rows[static_cast<size_t>(i)][c], kCent)
          << "column " << c;
    }
    for (int a = 0; a < written.accountCount; ++a) {
      EXPECT_NEAR(read.AccountValue(i, a), written.AccountValue(i, a), kCent);
    }
    if (written.hasPurchasingPower) {
      EXPECT_NEAR(read.purchasingPower[static_cast<size_t>(i)],
                  written.purchasingPower[static_cast<size_t>(i)], 0.05f);
    }
  }
}

PlotData Parsed(const std::string& text) {
  PlotData data;
  EXPECT_EQ(ParsePlotText(text, data), PlotParse::Ok);
  return data;
}

TEST(PlotFileReader, ReadsEveryItemOfTheLayout) {
  PlotData written = graph_testing::RetirementSample();
  written.kindInFile = 3;
  PlotData read = Parsed(PlotFileText(written));
  ExpectSameData(read, written);
  EXPECT_EQ(read.kindInFile, 3);
  EXPECT_EQ(read.groupsTitle, "Groups");
}

TEST(PlotFileReader, SavedCopyWithoutFinalNewlineReadsTheSame) {
  PlotData written = graph_testing::RetirementSample();
  ExpectSameData(Parsed(PlotFileText(written, true)), written);
}

TEST(PlotFileReader, WindowsLineEndsReadTheSame) {
  PlotData written = graph_testing::RetirementSample();
  std::string text = PlotFileText(written);
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  ExpectSameData(Parsed(crlf), written);
}

TEST(PlotFileReader, OnlyTheFirstLineGivesNoPoints) {
  PlotData data = Parsed("1 Groups\n");
  EXPECT_EQ(data.pointCount, 0);
  EXPECT_EQ(data.groupsTitle, "Groups");
  EXPECT_EQ(Parsed("2 Account Groups").groupsTitle, "Account Groups");
}

TEST(PlotFileReader, DoneInPlaceOfAValueGivesExactlyThePointsBefore) {
  PlotData written = graph_testing::RetirementSample();
  std::string text = PlotFileText(written);
  for (int j = 0; j < written.pointCount; ++j) {
    size_t at = j == 0 ? graph_testing::OffsetAfterRow(text, written, -1)
                       : graph_testing::OffsetAfterRow(text, written, j - 1);
    PlotData read = Parsed(text.substr(0, at) + "Done\n");
    EXPECT_EQ(read.pointCount, j);
    EXPECT_FALSE(read.hasPurchasingPower);
  }
}

TEST(PlotFileReader, FileCutShortEndsAtTheLastCompleteItem) {
  PlotData written = graph_testing::RetirementSample();
  std::string text = PlotFileText(written);
  for (int j = 0; j < written.pointCount; ++j) {
    size_t end = graph_testing::OffsetAfterRow(text, written, j);
    EXPECT_EQ(Parsed(text.substr(0, end)).pointCount, j + 1) << "cut after row " << j;
    // Cut inside the row line: that point is incomplete.
    EXPECT_EQ(Parsed(text.substr(0, end - 5)).pointCount, j) << "cut inside row " << j;
  }
  // Cut at every byte: never more points than complete rows, never fewer as the cut grows.
  int before = 0;
  for (size_t cut = 1; cut <= text.size(); ++cut) {
    PlotData read;
    ASSERT_EQ(ParsePlotText(text.substr(0, cut), read), PlotParse::Ok);
    EXPECT_GE(read.pointCount, before);
    before = read.pointCount;
  }
  EXPECT_EQ(before, written.pointCount);
}

TEST(PlotFileReader, DoneAmongTheGroupsLeavesThePurchasingPowerAbsent) {
  PlotData written = graph_testing::RetirementSample();
  std::string text = PlotFileText(written);
  size_t groups = graph_testing::OffsetAfterRow(text, written, written.pointCount - 1);
  PlotData read = Parsed(text.substr(0, groups) + "Liquid\nDone\n");
  EXPECT_EQ(read.pointCount, 8);
  EXPECT_EQ(read.groupNames[0], "Liquid");
  EXPECT_EQ(read.groupNames[1], "");
  EXPECT_FALSE(read.hasPurchasingPower);
}

TEST(PlotFileReader, CountsBeyondTheTablesAreReadPastNotStored) {
  // 60 accounts and 120 points: more than the tables hold, so the text is built by hand.
  std::string text = "1 Groups\nFile: BIG.RET\nDate: x\nTime: y\n120.00\n60\n";
  for (int a = 0; a < 60; ++a) text += "Account " + std::to_string(a) + "\n";
  for (int j = 0; j < 120; ++j) {
    for (int a = 0; a < 60; ++a) text += std::to_string(j * 100 + a) + ".00\n";
    text += std::to_string(50 + j) + ".0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19\n";
  }
  text += "First\n\n\n\n\n\n\n\n\nLast\n";
  for (int a = 0; a < 60; ++a) text += std::to_string(a % 10) + "\n";
  for (int j = 0; j < 120; ++j) text += "1.5\n";
  text += "Done\n";
  PlotData read = Parsed(text);
  EXPECT_EQ(read.pointCount, kMaxPoints);
  EXPECT_EQ(read.accountCount, kMaxAccounts);
  EXPECT_EQ(read.accountNames[49], "Account 49");
  EXPECT_FLOAT_EQ(read.AccountValue(98, 49), 9849.0f);
  EXPECT_FLOAT_EQ(read.Age(98), 148.0f);
  // The sections after the points are still found where they stand.
  EXPECT_EQ(read.groupNames[0], "First");
  EXPECT_EQ(read.groupNames[9], "Last");
  EXPECT_EQ(read.accountGroup[13], 3);
  EXPECT_TRUE(read.hasPurchasingPower);
  EXPECT_FLOAT_EQ(read.purchasingPower[98], 1.5f);
}

TEST(PlotFileReader, ATitleLineWithALongPathIsReadWhole) {
  // The planner writes "File: " and the scenario's whole path, however long.
  const std::string title = "File: /home/plans/" + std::string(400, 'p') + ".RET";
  PlotData read = Parsed("1 Groups\n" + title + "\nb\nc\n0.00\n0\n");
  EXPECT_EQ(read.titleLines[0], title);
  const std::string tooLong(kMaxTitleLength + 10, 't');
  read = Parsed("1 " + tooLong + "\n" + tooLong + "\nb\nc\n0.00\n0\n");
  EXPECT_EQ(read.titleLines[0].size(), kMaxTitleLength);  // storage stays bounded
}

TEST(PlotFileReader, OddValuesReadAsSomethingDrawable) {
  std::string text =
      "1 Groups\na\nb\nc\n1e30\n-5\n";  // absurd point count, negative account count
  PlotData read = Parsed(text);
  EXPECT_EQ(read.accountCount, 0);
  EXPECT_EQ(read.pointCount, 0);
  read = Parsed("1 Groups\na\nb\nc\n1.00\n1\nName that is far longer than twenty-nine chars\n"
                "nan\ninf 5 x\nG\n\n\n\n\n\n\n\n\n\n42\n-inf\nDone\n");
  EXPECT_EQ(read.pointCount, 1);
  EXPECT_EQ(read.accountNames[0].size(), kMaxNameLength);
  EXPECT_EQ(read.AccountValue(0, 0), 0.0f);
  EXPECT_EQ(read.rows[0][0], 0.0f);
  EXPECT_EQ(read.rows[0][1], 5.0f);
  EXPECT_EQ(read.rows[0][2], 0.0f);  // "x" stops the row
  EXPECT_EQ(read.accountGroup[0], -1);  // group 42 does not exist
  EXPECT_EQ(read.purchasingPower[0], 0.0f);
}

TEST(PlotFileReader, RejectsFirstLinesThatAreNoPlotFile) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  PlotData data = graph_testing::RetirementSample();
  for (const char* bad : {"8 Groups\n", "A Groups\n", "\n", ""}) {
    auto path = dir.Write("bad.kxp", bad);
    prompter.Clear();
    EXPECT_FALSE(ReadPlotFile(path, data, prompter));
    ASSERT_EQ(prompter.Lines().size(), 1u);
    EXPECT_EQ(prompter.Lines()[0],
              "FILE OPEN ERROR: " + path.string() + " is not a valid Dudavovez Odoredo file.");
  }
  // The earlier data is kept whole, titles included.
  ExpectSameData(data, graph_testing::RetirementSample());
}

TEST(PlotFileReader, MissingFileIsReportedAndKeepsTheData) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  PlotData data = graph_testing::RetirementSample();
  EXPECT_FALSE(ReadPlotFile(dir / "none.kxp", data, prompter));
  ASSERT_EQ(prompter.Lines().size(), 1u);
  EXPECT_EQ(prompter.Lines()[0],
            "FILE OPEN ERROR: Cannot open " + (dir / "none.kxp").string() + " for reading.");
  EXPECT_EQ(data.pointCount, 8);
}

TEST(PlotFileReader, ANewFileReplacesEverythingOfTheOldOne) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  PlotData data = graph_testing::RetirementSample();
  auto path = dir.Write("short.kxp", "1 Groups\nFile: B\nDate: C\nTime: D\n");
  ASSERT_TRUE(ReadPlotFile(path, data, prompter));
  EXPECT_TRUE(prompter.Lines().empty());
  EXPECT_EQ(data.pointCount, 0);
  EXPECT_EQ(data.accountCount, 0);
  EXPECT_EQ(data.groupNames[0], "");
  EXPECT_EQ(data.titleLines[0], "File: B");
}

}  // namespace
}  // namespace graph
