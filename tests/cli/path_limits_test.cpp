// Paths at their limits through kxplan-cli: a scenario path far past the old 263 characters
// with quotes, tabs, Latin-1 bytes and a leading "-" in its names, and results and export files
// named likewise. Each is handled whole (the plot file's "File:" line holds the whole path) or
// refused with a message that names it; none is cut into another file's name.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/scenario_file.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::RunIn;
using testing_support::TempDir;

std::string ScenarioBytes() {
  core::Scenario scenario = core::MakeNewScenario();
  scenario.initial.endAge = scenario.initial.startAge + 2.0f;
  return core::ScenarioFileBytes(scenario);
}

// A folder path below `dir` of at least `length` characters, made of names of at most 100.
std::filesystem::path DeepFolder(const TempDir& dir, size_t length, const std::string& odd) {
  std::filesystem::path folder = dir.path() / odd;
  for (char c = 'a'; folder.string().size() < length; ++c) {
    folder /= std::string(100, c);
  }
  std::filesystem::create_directories(folder);
  return folder;
}

const std::string kOdd = "-\"my\" plan\t\xa3 'x'";  // quotes, a tab, the pound sign, a dash

TEST(PathLimits, ALongOddScenarioPathIsRunWholeAndNamedWholeInThePlotFile) {
  TempDir dir;
  const std::filesystem::path folder = DeepFolder(dir, 400, kOdd);
  const std::string scenario = (folder / (kOdd + ".RET")).string();
  ASSERT_GT(scenario.size(), 400u);
  std::filesystem::create_directories(folder);
  dir.Write(std::filesystem::relative(scenario, dir.path()).string(), ScenarioBytes());
  const std::string schedule = (folder / (kOdd + ".SCH")).string();
  const std::string exported = (folder / (kOdd + ".csv")).string();

  const auto result = RunIn(dir.path(), {"run", scenario, "--today", "2026-06-15", "--schedule",
                                         schedule, "--export", exported});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_FALSE(dir.Read(std::filesystem::relative(schedule, dir.path()).string()).empty());
  EXPECT_EQ(dir.Read(std::filesystem::relative(exported, dir.path()).string()).substr(0, 4),
            "Age,");
  const std::string plot = dir.Read("plotinf01.tmp");
  EXPECT_EQ(plot.substr(0, 9 + 6 + scenario.size() + 1), "1 Groups\nFile: " + scenario + "\n");
}

TEST(PathLimits, PathsTheFileSystemCannotTakeAreRefusedByName) {
  TempDir dir;
  // One name of 300 characters: more than any file system's 255.
  const std::string scenario = (dir / (std::string(296, 's') + ".RET")).string();
  const auto missing = RunIn(dir.path(), {"run", scenario});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("Cannot open " + scenario), std::string::npos) << missing.err;

  const auto plan = dir.Write("PLAN.RET", ScenarioBytes());
  const std::string exported = (dir / (std::string(296, 'e') + ".csv")).string();
  const auto noExport = RunIn(dir.path(), {"run", plan.string(), "--export", exported});
  EXPECT_EQ(noExport.exitCode, 1);
  EXPECT_NE(noExport.err.find("export"), std::string::npos) << noExport.err;
  EXPECT_FALSE(std::filesystem::exists(exported.substr(0, 255 + dir.path().string().size())));
}

TEST(PathLimits, ANameBeginningWithADashIsRefusedWithHowToNameIt) {
  TempDir dir;
  const auto plan = dir.Write("-plan.RET", ScenarioBytes());
  // On its own it reads as an option; the message says how to name the file.
  const auto refused = RunIn(dir.path(), {"run", "-plan.RET"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("unknown option -plan.RET (a file whose name begins with \"-\" is "
                             "written ./-plan.RET)\n"),
            std::string::npos)
      << refused.err;
  const auto dump = RunIn(dir.path(), {"dump", "-plan.RET"});
  EXPECT_EQ(dump.exitCode, 2);
  EXPECT_NE(dump.err.find("written ./-plan.RET"), std::string::npos) << dump.err;
  // Long options stay as they were.
  const auto bogus = RunIn(dir.path(), {"run", "A.RET", "--bogus"});
  EXPECT_NE(bogus.err.find("unknown option --bogus\n"), std::string::npos) << bogus.err;
  // A full path names it.
  const auto run = RunIn(dir.path(), {"run", plan.string(), "--today", "2026-06-15"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
}

}  // namespace
