// kxplan-cli rule72t: the four payment lines, the dialog's checks on stderr with a failing exit,
// and the life tables of the working folder before the suite's.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::RunIn;

std::vector<std::string> Words(const std::string& age, const std::string& beneficiary,
                               const std::string& balance, const std::string& rate,
                               const std::string& table, const std::string& method) {
  return {"rule72t", "--age", age, "--beneficiary", beneficiary, "--balance", balance,
          "--rate", rate, "--table", table, "--method", method};
}

TEST(Rule72tCommand, PrintsThePaymentsOfTheThreeMethods) {
  testing_support::TempDir dir;  // empty: the suite's tables are used
  const auto result = RunIn(dir.path(), Words("50", "45", "400000", "5", "single", "minimum"));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  // Annuity from the mortality rates at 5 %; amortization 400,000 × 0.05 / (1 - 1.05^-34.2) =
  // 24,645.91; minimum 400,000 / Es(50) 34.2 = 11,695.91, the chosen one.
  EXPECT_NE(result.out.find("\namortization 24645.91\nminimum 11695.91\npayment 11695.91\n"),
            std::string::npos)
      << result.out;
  EXPECT_EQ(result.out.rfind("annuity ", 0), 0u);
  EXPECT_TRUE(result.err.empty());
}

TEST(Rule72tCommand, JointTableTakesTheAgesInEitherOrder) {
  testing_support::TempDir dir;
  const auto a = RunIn(dir.path(), Words("50", "55", "300000", "5", "joint", "amortization"));
  const auto b = RunIn(dir.path(), Words("55", "50", "300000", "5", "joint", "amortization"));
  ASSERT_EQ(a.exitCode, 0) << a.err;
  ASSERT_EQ(b.exitCode, 0) << b.err;
  // minimum 300,000 / J(55, 50) 38.3 = 7,832.90 both ways.
  EXPECT_NE(a.out.find("\nminimum 7832.90\n"), std::string::npos) << a.out;
  EXPECT_NE(b.out.find("\nminimum 7832.90\n"), std::string::npos) << b.out;
}

TEST(Rule72tCommand, RefusedInputsAreToldOnStderr) {
  testing_support::TempDir dir;
  auto result = RunIn(dir.path(), Words("9", "45", "1000", "5", "uniform", "annuity"));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "Age Error: Ages cannot be less than 10 when using the Uniform Life Table.\n");
  EXPECT_TRUE(result.out.empty());
  result = RunIn(dir.path(), Words("50", "45", "1000", "0", "single", "annuity"));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "Rate Error: Rates must be between 0.0% and 100.0%\n");
  result = RunIn(dir.path(), Words("50", "116", "1000", "5", "joint", "annuity"));
  EXPECT_EQ(result.err, "Age Error: Ages cannot be more than 115.\n");
  std::vector<std::string> words = Words("50", "45", "1000", "5", "single", "annuity");
  words.insert(words.end(), {"--end-age", "49"});
  result = RunIn(dir.path(), words);
  EXPECT_EQ(result.err, "Age Error: The End Age must be greater than the Age.\n");
}

TEST(Rule72tCommand, BadWordsAreUsageErrors) {
  testing_support::TempDir dir;
  EXPECT_EQ(RunIn(dir.path(), Words("fifty", "45", "1000", "5", "single", "annuity")).exitCode, 2);
  EXPECT_EQ(RunIn(dir.path(), Words("50", "45", "1000", "5", "double", "annuity")).exitCode, 2);
  EXPECT_EQ(RunIn(dir.path(), Words("50", "45", "1000", "5", "single", "lump")).exitCode, 2);
  const auto missing = RunIn(dir.path(), {"rule72t", "--age", "50"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("rule72t needs --beneficiary"), std::string::npos) << missing.err;
}

TEST(Rule72tCommand, ShortTableInTheWorkingFolderFails) {
  testing_support::TempDir dir;
  dir.Write("mort.dat", "0.001\n0.002\n");
  const auto result = RunIn(dir.path(), Words("50", "45", "1000", "5", "single", "minimum"));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.out.empty());
  EXPECT_EQ(result.err.rfind("Life Table Error: The life table file ", 0), 0u) << result.err;
  EXPECT_NE(result.err.find("holds 2 of its 334 lines."), std::string::npos);
}

}  // namespace
