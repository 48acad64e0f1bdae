// Every example scenario runs end to end through kxplan-cli run: the schedule text, the
// temporary results files, the plot file and the export, each complete with its end mark.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::RunIn;

size_t CountLines(const std::string& text) {
  size_t lines = 0;
  for (char c : text) lines += c == '\n' ? 1 : 0;
  return lines;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The plot file's point count (line 5, "%.2f").
int PlotPoints(const std::string& plot) {
  size_t start = 0;
  for (int line = 0; line < 4 && start != std::string::npos; ++line) {
    start = plot.find('\n', start);
    if (start != std::string::npos) ++start;
  }
  return start == std::string::npos ? -1 : std::stoi(plot.substr(start));
}

class RunExample : public testing::TestWithParam<int> {};

TEST_P(RunExample, LeavesEveryFileComplete) {
  testing_support::TempDir dir;
  const std::string name = "EXAMPLE" + std::to_string(GetParam());
  ASSERT_EQ(
      RunIn(dir.path(), {"build", cli_testing::ExampleSource(GetParam()), "-o", name + ".RET"})
          .exitCode,
      0);
  const auto run =
      RunIn(dir.path(), {"run", (dir / (name + ".RET")).string(), "--today", "2026-06-15",
                         "--details", "--accounts", "--export", (dir / "rows.csv").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  // The description first, the closing heading of 175 dashes near the end.
  EXPECT_EQ(run.out.find(" Initial Rates  Tax="), 5u) << run.out.substr(0, 80);
  EXPECT_NE(run.out.find("\n" + std::string(175, '-') + "\n"), std::string::npos);
  for (const char* file : {"bigfile.tmp", "outfile.tmp", "infile.tmp"}) {
    EXPECT_TRUE(EndsWith(dir.Read(file), "\nDooone\n")) << file;
  }
  const std::string plot = dir.Read("plotinf01.tmp");
  EXPECT_TRUE(EndsWith(plot, "\nDone\n"));
  // One export row per plot point, under the heading.
  const int points = PlotPoints(plot);
  EXPECT_GT(points, 0);
  EXPECT_EQ(CountLines(dir.Read("rows.csv")), static_cast<size_t>(points) + 1);

  // A second run of the same file gives the same text, and the print file holds it too.
  const auto again = RunIn(dir.path(), {"run", (dir / (name + ".RET")).string(), "--today",
                                        "2026-06-15", "--details", "--accounts"});
  EXPECT_EQ(again.out, run.out);
  const auto printed = RunIn(dir.path(), {"run", (dir / (name + ".RET")).string(), "--today",
                                          "2026-06-15", "--details", "--accounts", "--print-file"});
  ASSERT_EQ(printed.exitCode, 0) << printed.err;
  EXPECT_NE(dir.Read("ptmpsch.dat").find("\n\n\n??\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Examples, RunExample, testing::Range(1, cli_testing::kExampleCount + 1));

}  // namespace
