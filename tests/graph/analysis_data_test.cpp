// Reading the analysis files: the refinance file's two series against months and the trade-off
// file's one to three options against periods, and every way such a file can be cut or bent.
#include "graph/analysis_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/scripted.h"

namespace graph {
namespace {

struct Row {
  float x;
  std::vector<float> values;
};

// A file in the planner's layout: "1", three "Dummy" title lines, the announced point count,
// the series count and names, then per point one "0.0" line per series and the row.
std::string AnalysisText(const std::vector<std::string>& names, const std::vector<Row>& rows,
                         float announced, const std::string& end = "Done\n") {
  std::string text = "1\nDummy\nDummy\nDummy\n" + std::to_string(announced) + "\n" +
                     std::to_string(names.size()) + "\n";
  for (const std::string& name : names) text += name + "\n";
  for (const Row& row : rows) {
    for (size_t s = 0; s < names.size(); ++s) text += "0.0\n";
    text += std::to_string(row.x);
    for (float value : row.values) text += " " + std::to_string(value);
    text += "\n";
  }
  return text + end;
}

const std::vector<std::string> kRefinanceNames = {"Existing Mortgage", "Refinanced Mortgage"};

TEST(AnalysisFile, RefinanceFileGivesTwoNamedSeriesAgainstMonths) {
  // The planner announces the months to plot (120) but writes a point every fourth month.
  std::string text = AnalysisText(kRefinanceNames,
                                  {{0, {1000, 900}}, {4, {1100, 1050.5f}}, {8, {1200, -30}}}, 120);
  AnalysisData data;
  ASSERT_EQ(ParseAnalysisText(text, 2, data), AnalysisParse::Ok);
  EXPECT_EQ(data.seriesNames, kRefinanceNames);
  ASSERT_EQ(data.PointCount(), 3);
  EXPECT_FLOAT_EQ(data.points[1].x, 4.0f);
  EXPECT_FLOAT_EQ(data.points[1].values[1], 1050.5f);
  EXPECT_FLOAT_EQ(data.points[2].values[1], -30.0f);
  EXPECT_EQ(data.titleLines[0], "Dummy");
}

TEST(AnalysisFile, RefinanceFileEndingAfterMonthZeroHasOnePoint) {
  for (const char* end : {"Done\n", "Done", ""}) {
    AnalysisData data;
    ASSERT_EQ(
        ParseAnalysisText(AnalysisText(kRefinanceNames, {{0, {500, 400}}}, 120, end), 2, data),
        AnalysisParse::Ok);
    ASSERT_EQ(data.PointCount(), 1) << "ending " << end;
    EXPECT_FLOAT_EQ(data.points[0].values[0], 500.0f);
  }
}

TEST(AnalysisFile, TradeOffWithTwoOptionsReadsRowsOfThreeNumbers) {
  std::string text =
      AnalysisText({"Buy", "Lease"}, {{0, {-5000, -1000}}, {1, {-4100, -500}}}, 2, "Done\nDone\n");
  AnalysisData data;
  ASSERT_EQ(ParseAnalysisText(text, 3, data), AnalysisParse::Ok);
  EXPECT_EQ(data.SeriesCount(), 2);
  ASSERT_EQ(data.PointCount(), 2);
  EXPECT_FLOAT_EQ(data.points[1].values[0], -4100.0f);
  EXPECT_FLOAT_EQ(data.points[1].values[1], -500.0f);
  EXPECT_FLOAT_EQ(data.points[1].values[2], 0.0f);
}

TEST(AnalysisFile, HundredPeriodsKeepAllTheirPoints) {
  // The trade-off analysis writes periods 0..n+1; at its largest n (100) that is 102 points,
  // more than a plot file's 99, and every one of them is kept.
  std::vector<Row> rows;
  for (int p = 0; p < 102; ++p) rows.push_back({static_cast<float>(p), {static_cast<float>(p)}});
  AnalysisData data;
  ASSERT_EQ(ParseAnalysisText(AnalysisText({"Only"}, rows, 102), 3, data), AnalysisParse::Ok);
  ASSERT_EQ(data.PointCount(), 102);
  EXPECT_FLOAT_EQ(data.points[101].x, 101.0f);
}

TEST(AnalysisFile, PointsBeyondStorageAreReadPast) {
  std::vector<Row> rows;
  for (int p = 0; p < 300; ++p) rows.push_back({static_cast<float>(p), {1, 2}});
  AnalysisData data;
  ASSERT_EQ(ParseAnalysisText(AnalysisText(kRefinanceNames, rows, 300), 2, data),
            AnalysisParse::Ok);
  EXPECT_EQ(data.PointCount(), kMaxSeriesPoints);
}

TEST(AnalysisFile, SeriesBeyondTheProgramsAreReadPast) {
  // Four announced series: the trade-off graph keeps three, yet skips four value lines per
  // point, so the rows still line up.
  std::string text = AnalysisText({"A", "B", "C", "D"}, {{0, {1, 2, 3, 4}}, {1, {5, 6, 7, 8}}}, 2);
  AnalysisData data;
  ASSERT_EQ(ParseAnalysisText(text, 3, data), AnalysisParse::Ok);
  EXPECT_EQ(data.seriesNames, (std::vector<std::string>{"A", "B", "C"}));
  ASSERT_EQ(data.PointCount(), 2);
  EXPECT_FLOAT_EQ(data.points[1].x, 1.0f);
  EXPECT_FLOAT_EQ(data.points[1].values[2], 7.0f);
}

TEST(AnalysisFile, DoneOrACutEndsThePointsAtTheLastCompleteOne) {
  std::string whole = AnalysisText(kRefinanceNames, {{0, {1, 2}}, {4, {3, 4}}, {8, {5, 6}}}, 12);
  // "Done" in place of the second point's value line.
  std::string done = whole.substr(0, whole.find("0.0\n0.0\n4")) + "Done\n";
  // The third row cut in the middle of its numbers, with no line end.
  std::string cut = whole.substr(0, whole.rfind(" 5"));
  for (const std::string& text : {done, cut}) {
    AnalysisData data;
    ASSERT_EQ(ParseAnalysisText(text, 2, data), AnalysisParse::Ok);
    EXPECT_EQ(data.PointCount(), text == done ? 1 : 2);
  }
}

TEST(AnalysisFile, OnlyAnEmptyFirstLineIsRefused) {
  AnalysisData data;
  ASSERT_EQ(ParseAnalysisText(AnalysisText({"Kept"}, {{0, {7}}}, 1), 3, data), AnalysisParse::Ok);
  EXPECT_EQ(ParseAnalysisText("", 3, data), AnalysisParse::NotValid);
  EXPECT_EQ(ParseAnalysisText("\n1\n", 3, data), AnalysisParse::NotValid);
  EXPECT_EQ(data.seriesNames, std::vector<std::string>{"Kept"});
  // A first line the plotter would refuse ("8", a letter) opens here.
  EXPECT_EQ(ParseAnalysisText("8\n", 3, data), AnalysisParse::Ok);
  EXPECT_EQ(ParseAnalysisText("Refinance\n", 3, data), AnalysisParse::Ok);
  EXPECT_EQ(data.PointCount(), 0);
}

TEST(AnalysisFile, HostileCountsAndNumbersStayInsideTheTables) {
  for (const char* text : {"1\na\nb\nc\n-5\n-3\n", "1\na\nb\nc\n1e30\n2147483647\nx\n",
                           "1\na\nb\nc\nnan\n2\nA\nB\n0.0\n0.0\ninf nan -inf\nDone\n"}) {
    AnalysisData data;
    ASSERT_EQ(ParseAnalysisText(text, 2, data), AnalysisParse::Ok) << text;
    EXPECT_LE(data.SeriesCount(), 2);
    EXPECT_LE(data.PointCount(), kMaxSeriesPoints);
  }
}

TEST(AnalysisFile, UnreadableFilesAreReportedAndKeepTheData) {
  platform::ScriptedPrompter prompter;
  AnalysisData data;
  data.seriesNames = {"Kept"};
  std::filesystem::path missing = std::filesystem::temp_directory_path() / "kx-no-such-ref.tmp";
  EXPECT_FALSE(ReadAnalysisFile(missing, 2, data, prompter));
  ASSERT_EQ(prompter.Lines().size(), 1u);
  EXPECT_EQ(prompter.Lines()[0],
            "FILE OPEN ERROR: Cannot open " + missing.string() + " for reading.");
  EXPECT_EQ(data.seriesNames, std::vector<std::string>{"Kept"});
}

}  // namespace
}  // namespace graph
