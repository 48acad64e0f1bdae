// The calculators through kxplan-cli dialog: fields set by their control number, the result
// printed, the files a press writes in the working folder, and the program a press would start
// named instead of started.
#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace cli {
namespace {

using cli_testing::CliResult;
using cli_testing::RunIn;

TEST(DialogCalculators, MortgagePaymentByControlNumbers) {
  testing_support::TempDir dir;
  const CliResult result =
      RunIn(dir.path(), {"dialog", "MORTGAGEC", "--set", "104=100000", "--set", "105=20000",
                         "--set", "106=6", "--set", "107=30", "--press", "Calculate"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("108 Monthly Payment=479.64"), std::string::npos) << result.out;
}

TEST(DialogCalculators, TheTradeOffGraphIsNamedNotStarted) {
  testing_support::TempDir dir;
  const CliResult result =
      RunIn(dir.path(), {"dialog", "TRADE", "--set", "901=Buy", "--set", "902=Lease", "--set",
                         "903=", "--set", "601=3", "--press", "Graph"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "started: kxtplot trade.tmp Dollars\n");
  EXPECT_FALSE(dir.Read("trade.tmp").empty());
  const CliResult refused =
      RunIn(dir.path(), {"dialog", "TRADE", "--set", "601=2", "--press", "Graph"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err, "FILE ERROR: Not enough periods. Please try again.\n");  // a line end is a blank on one line
}

TEST(DialogCalculators, RefinanceWritesItsPrintFile) {
  testing_support::TempDir dir;
  const CliResult result = RunIn(
      dir.path(), {"dialog", "REFINANCE", "--set", "104=40", "--set", "105=200000", "--set",
                   "106=7", "--set", "107=30", "--set", "109=50", "--set", "111=5", "--set",
                   "112=10", "--press", "Do Analysis", "--press", "OK"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("125 Refinanced Amount=$171,62"), std::string::npos) << result.out;
  EXPECT_EQ(dir.Read("refprt.tmp").substr(0, 14), "Age\tNet Worth\t");
}

}  // namespace
}  // namespace cli
