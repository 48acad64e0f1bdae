// kxplan-cli graph: one graph or one pie of a plot file as SVG, through the planner's scale
// rule; and its failures.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "core/file_io.h"
#include "core/text.h"
#include "tests/support/temp_dir.h"

namespace {

// A plot file of three points and two accounts, written in the planner's layout by hand:
// net worth 1,000, 5,000 and 12,345.
std::string ThreePointPlotFile() {
  std::string text =
      "1 Groups\nFile: a.RET\nDate: June 15, 2026\nTime: 12:00:00 PM \n3.00\n2\n"
      "Brokerage\nHouse\n";
  const float netWorth[] = {1000.0f, 5000.0f, 12345.0f};
  for (int i = 0; i < 3; ++i) {
    text += "100.00\n200.00\n";
    text += core::Format("%.1f 0.00 0.00 0.00 0.00 0.00 %.2f ", 60.0 + i, double{netWorth[i]});
    text += "0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00\n";
  }
  text += "Liquid\n\n\n\n\n\n\n\n\n\n0\n0\n1000.000000\n4900.000000\n12000.000000\nDone\n";
  return text;
}

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int code = cli::RunCli(args, out, err);
  return {code, out.str(), err.str()};
}

class GraphCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(core::WriteFileReplacing(dir_.path() / "plotinf01.tmp", ThreePointPlotFile()));
  }
  std::string Svg(const std::string& name) {
    return core::ReadWholeFile(dir_.path() / name).value_or("");
  }
  std::string Dir() const { return dir_.path().string(); }
  testing_support::TempDir dir_;
};

// The planner's rule for a maximum of 12,345: top 10,000 raised to 13,000, span rounded to
// 20,000, so the top label reads $20,000 (the cents are not drawn).
TEST_F(GraphCommandTest, DrawsTheGraphWithThePlannersScale) {
  Outcome outcome = Cli({"--workdir", Dir(), "graph", "plotinf01.tmp", "--kind", "networth",
                         "--size", "640x480", "-o", "net.svg"});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  std::string svg = Svg("net.svg");
  EXPECT_NE(svg.find("width=\"640\" height=\"480\""), std::string::npos);
  EXPECT_NE(svg.find(">$20,000</text>"), std::string::npos);
  EXPECT_NE(svg.find(">Net Worth</text>"), std::string::npos);
  EXPECT_EQ(svg.find("&#163;"), std::string::npos);
}

TEST_F(GraphCommandTest, PoundDrawsThePoundSign) {
  ASSERT_EQ(Cli({"--workdir", Dir(), "graph", "plotinf01.tmp", "--pound", "-o", "p.svg"}).code, 0);
  EXPECT_NE(Svg("p.svg").find(">\xC2\xA3"
                              "20,000</text>"),
            std::string::npos);
}

// The pie of point 2 of the accounts: 100 and 200, a third and two thirds.
TEST_F(GraphCommandTest, PointDrawsThePieOfThatPoint) {
  Outcome outcome = Cli({"--workdir", Dir(), "graph", "plotinf01.tmp", "--kind", "accounts",
                         "--point", "2", "-o", "pie.svg"});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  std::string svg = Svg("pie.svg");
  EXPECT_NE(svg.find(" 33.33%"), std::string::npos);
  EXPECT_NE(svg.find(" 66.67%"), std::string::npos);
  EXPECT_NE(svg.find("Total = $300.00"), std::string::npos);
  EXPECT_NE(svg.find("Age 62"), std::string::npos);
}

TEST_F(GraphCommandTest, WrongRequestsAreUsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {"graph", "plotinf01.tmp", "--kind", "pie", "-o", "x.svg"},
      {"graph", "plotinf01.tmp", "--style", "4d", "-o", "x.svg"},
      {"graph", "plotinf01.tmp", "--size", "12", "-o", "x.svg"},
      {"graph", "plotinf01.tmp", "--point", "3", "-o", "x.svg"},  // points 0..2
      {"graph", "plotinf01.tmp", "--kind", "accounts", "--first", "2", "-o", "x.svg"},
      {"graph", "plotinf01.tmp"},  // no output
      {"graph", "-o", "x.svg"},    // no plot file
  };
  for (std::vector<std::string> args : cases) {
    args.insert(args.begin(), {"--workdir", Dir()});
    Outcome outcome = Cli(args);
    EXPECT_EQ(outcome.code, 2) << args[3] << ' ' << args.back();
    EXPECT_FALSE(outcome.err.empty());
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / "x.svg"));
  }
}

TEST_F(GraphCommandTest, UnreadableFilesSayWhy) {
  Outcome outcome = Cli({"graph", Dir() + "/absent.tmp", "-o", Dir() + "/x.svg"});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(outcome.err, "FILE OPEN ERROR: Cannot open " + Dir() + "/absent.tmp for reading.\n");
  ASSERT_TRUE(core::WriteFileReplacing(dir_.path() / "bad.kxp", "x\n"));
  outcome = Cli({"graph", Dir() + "/bad.kxp", "-o", Dir() + "/x.svg"});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(outcome.err,
            "FILE OPEN ERROR: " + Dir() + "/bad.kxp is not a valid Dudavovez Odoredo file.\n");
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "x.svg"));
}

TEST_F(GraphCommandTest, UsageListsTheGraphWord) {
  Outcome outcome = Cli({"--help"});
  EXPECT_NE(outcome.out.find("kxplan-cli graph PLOTFILE"), std::string::npos);
}

}  // namespace
