// kxplan-cli report and paginate on an example scenario: the page files they leave in the
// working directory and the page counts they print.
#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::RunIn;

class ReportCommandTest : public testing::Test {
 protected:
  void SetUp() override {
    // The example with account groups.
    scenario = (dir / "EX6.RET").string();
    const auto built = RunIn(dir.path(), {"build", cli_testing::ExampleSource(6), "-o", scenario});
    ASSERT_EQ(built.exitCode, 0) << built.err;
  }
  testing_support::TempDir dir;
  std::string scenario;
};

TEST_F(ReportCommandTest, TheScreenPageOfEveryKind) {
  for (const char* kind :
       {"networth", "incoming", "outgoing", "accounts", "account-allocations", "groups",
        "group-allocations", "incoming-events", "outgoing-events", "accounts-io"}) {
    const auto result = RunIn(dir.path(), {"report", scenario, kind, "--today", "2024-03-05"});
    EXPECT_EQ(result.exitCode, 0) << kind << ": " << result.err;
    EXPECT_EQ(result.out, "1\n") << kind;
    EXPECT_NE(dir.Read("spage1").find("Dooooone"), std::string::npos) << kind;
  }
}

TEST_F(ReportCommandTest, PrintPagesAndTheInputOutputDetail) {
  auto result = RunIn(dir.path(), {"report", scenario, "networth", "--print"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(dir.Read("rpage1").rfind(" Age\tNet Worth\t", 0), 0u);
  result = RunIn(dir.path(), {"report", scenario, "accounts-io", "--detail", "50", "I"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "2\n");
  EXPECT_EQ(dir.Read("rpage1").rfind("Accounts\tIncoming\n", 0), 0u);
  EXPECT_NE(dir.Read("rpage2").find("\tTotal\t"), std::string::npos);
}

TEST_F(ReportCommandTest, WrongWordsAreUsageErrors) {
  EXPECT_EQ(RunIn(dir.path(), {"report", scenario, "nosuch"}).exitCode, 2);
  EXPECT_EQ(RunIn(dir.path(), {"report", scenario}).exitCode, 2);
  EXPECT_EQ(RunIn(dir.path(), {"report", scenario, "networth", "--detail", "50", "I"}).exitCode, 2);
}

TEST_F(ReportCommandTest, PaginateTheScheduleAndTheScenarioListing) {
  auto result = RunIn(dir.path(), {"paginate", scenario, "--today", "2024-03-05"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const int pages = std::stoi(result.out);
  EXPECT_GT(pages, 2);
  EXPECT_NE(dir.Read("page" + std::to_string(pages)).find("Dooooone"), std::string::npos);
  EXPECT_NE(dir.Read("page2").find("?BO"), std::string::npos);
  result = RunIn(dir.path(), {"paginate", scenario, "--scenario"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(dir.Read("page1").rfind("          Financial Scenario:\n", 0), 0u);
}

}  // namespace
