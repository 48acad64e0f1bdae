// "finance.dat": the start-up read and renewal, the write at close, and the first-start set-up
// with the example scenarios.
#include "core/settings.h"

#include <gtest/gtest.h>

#include <string>

#include "core/scenario_file.h"
#include "platform/scripted.h"
#include "tests/core/packed_field.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

using testing::Copied;

// Line 2 written out by hand from "%6.2f ... %1d".
constexpr const char* kNumbers = "  3.00   2.50  10.00   0.00  -1.25 100.00   7.00   0.00 1\n";

class FinanceDat : public ::testing::Test {
 protected:
  SettingsStart Start() { return ReadAndRenewSettings(dir.path(), settings); }
  std::string File() { return dir.Read(kSettingsFile); }

  testing_support::TempDir dir;
  FinanceSettings settings;
};

TEST_F(FinanceDat, FirstStartWritesCounterOneAndEmptyRecentLines) {
  EXPECT_EQ(Start(), SettingsStart::FirstStart);
  EXPECT_EQ(File(), "\n  1.00   0.00   0.00   0.00   0.00   0.00   0.00   0.00 1\n\n\n\n\n\n\n");
  EXPECT_EQ(StartupCounter(settings), 0);  // this start's new scenario is ".\\temp01.ret"
  EXPECT_EQ(settings.scenarioPath, "");
}

TEST_F(FinanceDat, SettingsAreReadAndTheCounterGrowsByOne) {
  dir.Write(kSettingsFile, std::string("C:\\Plans\\Retire.RET\n") + kNumbers +
                               "C:\\Plans\\Retire.RET\nB.RET\n\n\n\n\n");
  EXPECT_EQ(Start(), SettingsStart::Found);
  EXPECT_EQ(settings.scenarioPath, "C:\\Plans\\Retire.RET");
  EXPECT_EQ(StartupCounter(settings), 4);
  EXPECT_FLOAT_EQ(settings.numbers[4], -1.25f);
  EXPECT_EQ(settings.askToSave, 1);
  EXPECT_EQ(settings.recent[1], "B.RET");
  EXPECT_EQ(settings.recent[2], "");
  EXPECT_EQ(File(), std::string("C:\\Plans\\Retire.RET\n") +
                        "  4.00   2.50  10.00   0.00  -1.25 100.00   7.00   0.00 1\n" +
                        "C:\\Plans\\Retire.RET\nB.RET\n\n\n\n\n");
}

TEST_F(FinanceDat, CounterNineStartsAgainAtOne) {
  dir.Write(kSettingsFile, "A.RET\n  9.00   0.00   0.00   0.00   0.00   0.00   0.00   0.00 0\n");
  Start();
  EXPECT_EQ(StartupCounter(settings), 1);
  EXPECT_EQ(File(),
            "A.RET\n  1.00   0.00   0.00   0.00   0.00   0.00   0.00   0.00 0\n\n\n\n\n\n\n");
}

TEST_F(FinanceDat, ImpossibleCountersStartAgainAtOne) {
  for (const char* counter : {"-4", "nan", "1e39", "12"}) {
    dir.Write(kSettingsFile, std::string("A.RET\n") + counter + " 0 0 0 0 0 0 0 1\n");
    Start();
    EXPECT_EQ(StartupCounter(settings), 1) << counter;
  }
}

TEST_F(FinanceDat, AFractionalCounterStillNumbersTheNewScenarioFile) {
  // 8.5 is below 9, so it is renewed to 9.5, whose whole part 9 names ".\\temp9...".
  dir.Write(kSettingsFile, "A.RET\n8.5 0 0 0 0 0 0 0 1\n");
  Start();
  EXPECT_EQ(StartupCounter(settings), 9);
  Start();  // 9.5 is 9 or more: the next start begins again at 1
  EXPECT_EQ(StartupCounter(settings), 1);
}

TEST_F(FinanceDat, MissingAndNonNumericValuesKeepTheirDefaults) {
  settings.numbers = {0, 5, 6, 7, 8, 9, 10, 11};
  settings.askToSave = 0;
  dir.Write(kSettingsFile, "A.RET\n2.0 3.0 oops 4.0\nR1.RET");
  EXPECT_EQ(Start(), SettingsStart::Found);
  EXPECT_EQ(StartupCounter(settings), 3);
  EXPECT_FLOAT_EQ(settings.numbers[1], 3.0f);
  EXPECT_FLOAT_EQ(settings.numbers[2], 6.0f);  // the scan stopped at "oops"
  EXPECT_FLOAT_EQ(settings.numbers[3], 7.0f);
  EXPECT_EQ(settings.askToSave, 0);
  EXPECT_EQ(settings.recent[0], "R1.RET");
  for (int r = 1; r < kRecentFileCount; ++r) EXPECT_EQ(settings.recent[r], "") << r;
}

TEST_F(FinanceDat, EmptyFileCountsAsSettingsFound) {
  dir.Write(kSettingsFile, "");
  EXPECT_EQ(Start(), SettingsStart::Found);
  EXPECT_EQ(StartupCounter(settings), 1);
}

TEST_F(FinanceDat, PathsLongerThanTheOldLimitAreKeptWhole) {
  // 400 characters: far past the 263 of the old stored format, well within what a file system
  // takes. Read, renewed and written back without losing a character.
  const std::string longPath = "/home/plans/" + std::string(384, 'p') + ".RET";
  ASSERT_EQ(longPath.size(), 400u);
  dir.Write(kSettingsFile, longPath + "\n" + kNumbers + longPath + "\nB.RET\n");
  Start();
  EXPECT_EQ(settings.scenarioPath, longPath);
  EXPECT_EQ(settings.recent[0], longPath);
  EXPECT_EQ(settings.recent[1], "B.RET");
  EXPECT_EQ(File(), longPath + "\n" +
                        "  4.00   2.50  10.00   0.00  -1.25 100.00   7.00   0.00 1\n" + longPath +
                        "\nB.RET\n\n\n\n\n");
}

TEST_F(FinanceDat, OverLongLinesAreDroppedNotCutAndTheLinesAfterThemStay) {
  const std::string tooLong(kMaxPathLength + 1, 'p');
  dir.Write(kSettingsFile, tooLong + "\n" + kNumbers + tooLong + "\nB.RET\n");
  Start();
  EXPECT_EQ(settings.scenarioPath, "");  // no shorter name of some other file
  EXPECT_EQ(StartupCounter(settings), 4);
  EXPECT_EQ(settings.recent[0], "");
  EXPECT_EQ(settings.recent[1], "B.RET");
}

TEST_F(FinanceDat, APathLineWithANulIsDroppedNotCutAtIt) {
  dir.Write(kSettingsFile,
            std::string("A.RET\0B.RET\n", 12) + kNumbers + std::string("C.RET\0D\nE.RET\n", 14));
  Start();
  EXPECT_EQ(settings.scenarioPath, "");
  EXPECT_EQ(settings.recent[0], "");
  EXPECT_EQ(settings.recent[1], "E.RET");
}

TEST_F(FinanceDat, PathsThatCannotBeOneLineAreNeverWrittenCut) {
  // The current path keeps its line, empty; recent entries that cannot be stored are left out
  // like the short ones, so that the next entry still shows in the menu.
  settings.scenarioPath = "A.RET\nB.RET";
  settings.recent = {"C.RET\rD.RET", std::string(kMaxPathLength + 1, 'q'), "E.RET", "", "", ""};
  ASSERT_TRUE(WriteSettings(dir.path(), settings));
  EXPECT_EQ(File(), "\n  0.00   0.00   0.00   0.00   0.00   0.00   0.00   0.00 1\nE.RET\n");
}

TEST_F(FinanceDat, OddNamesAreKeptByteForByte) {
  // Quotes, a tab, a leading "-", spaces and Latin-1 letters (the pound sign is byte 163).
  const std::string odd = "-\"my\" plan\t\xa3\xe9t\xe9 'x'.RET";
  dir.Write(kSettingsFile, odd + "\n" + kNumbers + odd + "\n");
  Start();
  EXPECT_EQ(settings.scenarioPath, odd);
  EXPECT_EQ(settings.recent[0], odd);
  ASSERT_TRUE(WriteSettings(dir.path(), settings));
  EXPECT_EQ(File(),
            odd + "\n  4.00   2.50  10.00   0.00  -1.25 100.00   7.00   0.00 1\n" + odd + "\n");
}

TEST_F(FinanceDat, AnyBytesAreSurvived) {
  std::string bytes;
  for (int i = 0; i < 4000; ++i) bytes += static_cast<char>((i * 7919 + 13) % 256);
  dir.Write(kSettingsFile, bytes);
  EXPECT_EQ(Start(), SettingsStart::Found);
  EXPECT_GE(StartupCounter(settings), 1);
  EXPECT_LE(StartupCounter(settings), 9);
  for (const std::string& path : settings.recent) EXPECT_LE(path.size(), kMaxPathLength);
}

TEST_F(FinanceDat, CloseWritesTheCounterAsItIsAndOnlyRealEntries) {
  settings.scenarioPath = "A.RET";
  settings.numbers = {4, 2.5f, 10, 0, -1.25f, 100, 7, 0};
  settings.askToSave = 1;
  settings.recent = {"A.RET", "x", "B.RET", "", "", ""};
  ASSERT_TRUE(WriteSettings(dir.path(), settings));
  EXPECT_EQ(File(), std::string("A.RET\n") +
                        "  4.00   2.50  10.00   0.00  -1.25 100.00   7.00   0.00 1\n" +
                        "A.RET\nB.RET\n");
}

TEST_F(FinanceDat, PathsAreWrittenAsOneLineEach) {
  // A path with a line break cannot be one line: it is left out rather than cut into "two",
  // which would name another file.
  settings.scenarioPath = "two\nlines.RET";
  ASSERT_TRUE(WriteSettings(dir.path(), settings));
  EXPECT_EQ(File().substr(0, 2), "\n ");
  Start();
  EXPECT_EQ(settings.scenarioPath, "");
  EXPECT_EQ(StartupCounter(settings), 1);
}

TEST_F(FinanceDat, FailedWriteIsReported) {
  EXPECT_FALSE(WriteSettings(dir / "no such directory", settings));
}

TEST_F(FinanceDat, FirstStartSetsUpAndOpensTheExamples) {
  Scenario example = MakeNewScenario();
  example.initial.startAge = 55.0f;
  dir.Write("EXAMPLE6.RET", ScenarioFileBytes(example));
  Document document;
  platform::ScriptedPrompter prompter;
  ASSERT_EQ(Start(), SettingsStart::FirstStart);
  EXPECT_TRUE(InitExampleSettings(document, dir.path(), settings, prompter));
  EXPECT_EQ(File(),
            "EXAMPLE6.RET\n  0.00   0.00   0.00   0.00   0.00   0.00   0.00   0.00 1\n"
            "EXAMPLE1.RET\nEXAMPLE2.RET\nEXAMPLE3.RET\nEXAMPLE4.RET\nEXAMPLE5.RET\n"
            "EXAMPLE6.RET\n");
  EXPECT_EQ(settings.scenarioPath, "EXAMPLE6.RET");
  EXPECT_EQ(settings.recent[0], "EXAMPLE1.RET");
  EXPECT_EQ(settings.recent[5], "EXAMPLE6.RET");
  EXPECT_EQ(document.path, "EXAMPLE6.RET");
  EXPECT_EQ(Copied(document.scenario.initial.startAge), 55.0f);
  EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(FinanceDat, MissingExampleStillSetsUpTheSettings) {
  Document document;
  platform::ScriptedPrompter prompter;
  EXPECT_FALSE(InitExampleSettings(document, dir.path(), settings, prompter));
  EXPECT_EQ(settings.recent[2], "EXAMPLE3.RET");
  EXPECT_EQ(File().substr(0, 13), "EXAMPLE6.RET\n");
}

}  // namespace
}  // namespace core
