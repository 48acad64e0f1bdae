// The data file a companion program takes from its arguments: the planner's "plotinf01.tmp
// Dollars" form, and paths at their limits (long, with spaces, "tmp", quotes, tabs, Latin-1
// bytes or a leading "-" in them), which are either taken whole or refused by the reader's
// "Cannot open" message, never cut into the name of another file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graph/graph_names.h"
#include "tests/support/temp_dir.h"

namespace graph {
namespace {

std::string Joined(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& arg : args) text += (text.empty() ? "" : " ") + arg;
  return text;
}

// As kxref and kxtplot take it (all arguments joined) and as kxplot does (the first alone).
std::string AnalysisFile(const std::vector<std::string>& args) {
  return DataFileFromArguments(args, Joined(args));
}
std::string PlotterFile(const std::vector<std::string>& args) {
  return DataFileFromArguments(args, args.empty() ? std::string() : args[0]);
}

class DataFileArgument : public ::testing::Test {
 protected:
  std::string Existing(const std::string& name) { return dir.Write(name, "1\n").string(); }
  testing_support::TempDir dir;
};

TEST_F(DataFileArgument, ThePlannersCommandLineNamesTheFileBeforeTheCurrencyWord) {
  EXPECT_EQ(AnalysisFile({"ref.tmp", "Dollars"}), "ref.tmp");
  EXPECT_EQ(AnalysisFile({"trade.tmp Pounds"}), "trade.tmp");
  EXPECT_EQ(PlotterFile({"plotinf01.tmp Pounds"}), "plotinf01.tmp");
  EXPECT_EQ(AnalysisFile({}), "");
}

TEST_F(DataFileArgument, AnExistingFileWithSpacesAndTmpInItsPathIsTakenWhole) {
  // The "tmp" rule alone would cut this one at "my tmp", a folder's name.
  const std::string path = Existing("my tmp files.tmp");
  EXPECT_EQ(AnalysisFile({path, "Dollars"}), path);
  EXPECT_EQ(PlotterFile({path, "Pounds"}), path);
  EXPECT_NE(PlotFileFromArgument(path), path);
}

TEST_F(DataFileArgument, AnExistingFileOfOddBytesIsTakenWhole) {
  for (const std::string& name :
       {std::string("-ref.tmp"), std::string("\"quoted\" ref.tmp"), std::string("tab\tref.tmp"),
        std::string("\xa3 r\xe9"
                    "f.tmp"),
        std::string("'single' ref.tmp")}) {
    const std::string path = Existing(name);
    EXPECT_EQ(AnalysisFile({path, "Dollars"}), path) << name;
  }
}

TEST_F(DataFileArgument, PathsOfTheOldLimitAndFarBeyondAreTakenWhole) {
  for (size_t length : {263u, 264u, 400u, 1000u}) {
    // Folders of 100 characters (a name may have at most 255), then the file's own name.
    std::string name;
    while (dir.path().string().size() + 1 + name.size() + 200 < length) {
      name += std::string(100, static_cast<char>('a' + name.size() % 26)) + "/";
    }
    std::filesystem::create_directories(dir / name);
    const size_t prefix = dir.path().string().size() + 1 + name.size();
    ASSERT_LT(prefix + 8, length);
    name += std::string(length - prefix - 4, 'n') + ".tmp";
    const std::string path = Existing(name);
    ASSERT_EQ(path.size(), length);
    EXPECT_EQ(AnalysisFile({path, "Pounds"}), path) << length;
    EXPECT_EQ(PlotterFile({path}), path) << length;
  }
}

TEST_F(DataFileArgument, AMissingLongPathIsLeftWholeForTheReaderToRefuse) {
  // Past the 90 characters the "tmp" is looked for in: nothing is cut off, and the reader
  // says it cannot open the whole text.
  const std::string path = (dir / (std::string(300, 'x') + ".tmp")).string();
  EXPECT_EQ(PlotterFile({path}), path);
  EXPECT_EQ(AnalysisFile({path, "Dollars"}), path + " Dollars");
}

}  // namespace
}  // namespace graph
