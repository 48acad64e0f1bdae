// Saving the working plot file as a ".KXP" copy: the copy itself, the questions and refusals,
// and that a failed save leaves an existing file as it was.
#include "graph/plot_file_save.h"

#include <gtest/gtest.h>

#include "graph/plot_file_reader.h"
#include "platform/scripted.h"
#include "tests/graph/plot_file_text.h"
#include "tests/graph/sample_plot_data.h"
#include "tests/support/temp_dir.h"

namespace graph {
namespace {

class PlotFileSave : public testing::Test {
 protected:
  void WriteWorkingFile() {
    dir.Write(kWorkingPlotFile, graph_testing::PlotFileText(graph_testing::RetirementSample()));
  }
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
};

TEST_F(PlotFileSave, CopyEndsWithDoneWithoutNewlineAndReadsTheSame) {
  WriteWorkingFile();
  ASSERT_TRUE(SavePlotFileCopy(dir.path(), "RETIRE.KXP", prompter));
  EXPECT_TRUE(prompter.Lines().empty());
  std::string working = dir.Read(kWorkingPlotFile);
  std::string saved = dir.Read("RETIRE.KXP");
  // The same lines, the end mark without its newline.
  EXPECT_EQ(saved + "\n", working);
  PlotData fromWorking;
  PlotData fromSaved;
  ASSERT_TRUE(ReadPlotFile(dir / kWorkingPlotFile, fromWorking, prompter));
  ASSERT_TRUE(ReadPlotFile(dir / "RETIRE.KXP", fromSaved, prompter));
  EXPECT_EQ(fromSaved.pointCount, fromWorking.pointCount);
  EXPECT_EQ(fromSaved.rows[7].values, fromWorking.rows[7].values);
  EXPECT_EQ(fromSaved.purchasingPower, fromWorking.purchasingPower);
}

TEST_F(PlotFileSave, RefusesToOverwriteTheSystemFile) {
  WriteWorkingFile();
  dir.Write("plotinf.kxp", "keep");
  EXPECT_FALSE(SavePlotFileCopy(dir.path(), "plotinf.kxp", prompter));
  ASSERT_EQ(prompter.Lines().size(), 1u);
  EXPECT_EQ(prompter.Lines()[0],
            "FILE WARNING: Cannot overwrite the system file plotinf. \nChoose another file name.");
  EXPECT_EQ(dir.Read("plotinf.kxp"), "keep");
  EXPECT_FALSE(SavePlotFileCopy(dir.path(), kWorkingPlotFile, prompter));
}

TEST_F(PlotFileSave, AsksBeforeOverwritingAndNoKeepsTheFile) {
  WriteWorkingFile();
  dir.Write("OLD.KXP", "old");
  prompter.SetNextAnswer(platform::Answer::No);
  EXPECT_FALSE(SavePlotFileCopy(dir.path(), "OLD.KXP", prompter));
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].caption, "FILE WARNING");
  EXPECT_EQ(prompter.shown()[0].text, "OLD.KXP exists - Overwrite anyway?");
  EXPECT_EQ(prompter.shown()[0].buttons, platform::Buttons::YesNo);
  EXPECT_EQ(dir.Read("OLD.KXP"), "old");

  prompter.SetNextAnswer(platform::Answer::Yes);
  EXPECT_TRUE(SavePlotFileCopy(dir.path(), "OLD.KXP", prompter));
  EXPECT_EQ(dir.Read("OLD.KXP").substr(0, 9), "1 Groups\n");
}

TEST_F(PlotFileSave, MissingWorkingFileLeavesTheTargetAlone) {
  dir.Write("OLD.KXP", "old");
  prompter.SetNextAnswer(platform::Answer::Yes);
  EXPECT_FALSE(SavePlotFileCopy(dir.path(), "OLD.KXP", prompter));
  ASSERT_EQ(prompter.Lines().size(), 2u);
  EXPECT_EQ(prompter.Lines()[1], "FILE ERROR: Cannot open plotinf for reading!");
  EXPECT_EQ(dir.Read("OLD.KXP"), "old");
  EXPECT_FALSE(SavePlotFileCopy(dir.path(), "NEW.KXP", prompter));
  EXPECT_FALSE(std::filesystem::exists(dir / "NEW.KXP"));
}

TEST_F(PlotFileSave, PointCountOutsideTheFormatIsAProblem) {
  dir.Write(kWorkingPlotFile, "1 Groups\na\nb\nc\n150.00\n0\nDone\n");
  EXPECT_FALSE(SavePlotFileCopy(dir.path(), "NEW.KXP", prompter));
  ASSERT_EQ(prompter.Lines().size(), 1u);
  EXPECT_EQ(prompter.Lines()[0], "FILE ERROR: Problem saving graphs.\nPlease try again.");
  EXPECT_FALSE(std::filesystem::exists(dir / "NEW.KXP"));
}

TEST_F(PlotFileSave, UncreatableTargetIsReported) {
  WriteWorkingFile();
  EXPECT_FALSE(SavePlotFileCopy(dir.path(), "no-such-folder/NEW.KXP", prompter));
  ASSERT_EQ(prompter.Lines().size(), 1u);
  EXPECT_EQ(prompter.Lines()[0], "FILE ERROR: Cannot open file!");
}

TEST(CopyPlotText, DoneAmongThePointsEndsTheCopyThere) {
  std::string text = "1 Groups\na\nb\nc\n3.00\n1\nAcct\n5.00\n60.0 1\nDone\nleft out\n";
  EXPECT_EQ(CopyPlotText(text), "1 Groups\na\nb\nc\n3.00\n1\nAcct\n5.00\n60.0 1\nDone");
  // A working file cut inside a line still ends with its own line end and the mark.
  EXPECT_EQ(CopyPlotText("1 Groups\na\nb\nc\n3.00\n1\nAc"), "1 Groups\na\nb\nc\n3.00\n1\nAc\nDone");
}

TEST_F(PlotFileSave, SaveGraphsAsksForAPlotFileName) {
  WriteWorkingFile();
  platform::ScriptedFileChooser chooser;
  EXPECT_FALSE(SaveGraphsToFile(dir.path(), chooser, prompter));  // cancelled
  ASSERT_EQ(chooser.requests().size(), 1u);
  EXPECT_TRUE(chooser.requests()[0].save);
  EXPECT_EQ(chooser.requests()[0].title, "Save Graphs To a File");
  EXPECT_EQ(chooser.requests()[0].filter, "Plot Files (*.KXP)");
  chooser.SetNextChoice({(dir / "CHOSEN.KXP").string()});
  EXPECT_TRUE(SaveGraphsToFile(dir.path(), chooser, prompter));
  EXPECT_TRUE(std::filesystem::exists(dir / "CHOSEN.KXP"));
}

}  // namespace
}  // namespace graph
