// The calculators in the session: the trade-off inputs read at start-up and written on OK, and
// the two graphs written and started next to the planner.
#include <gtest/gtest.h>

#include "tests/planner/planner_fixture.h"

namespace planner_testing {
namespace {

TEST_F(PlannerTest, TradeOffInputsComeFromTradeinfAtStartUp) {
  dir.Write("tradeinf.dat", "Rent\nBuy\n\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n24\n1\n0\n");
  StartPlanner();
  const calc::TradeOffInputs& in = session().calculators().tradeOff;
  EXPECT_EQ(in.names[0], "Rent");
  EXPECT_EQ(in.names[2], "");
  EXPECT_FLOAT_EQ(in.incomePerPeriod[2], 12.0f);
  EXPECT_EQ(in.periods, 24);
  EXPECT_TRUE(in.useTaxRate);
}

TEST_F(PlannerTest, TheTradeOffGraphIsWrittenAndStartedAndOkKeepsTheInputs) {
  StartPlanner("Pound");
  calc::TradeOffInputs in;
  in.periods = 5;
  ASSERT_TRUE(session().GraphTradeOff(in));
  EXPECT_FALSE(dir.Read("trade.tmp").empty());
  ASSERT_EQ(platform.processes.started().size(), 1u);
  EXPECT_EQ(platform.processes.started()[0].program, "kxtplot");
  EXPECT_EQ(platform.processes.started()[0].arguments,
            (std::vector<std::string>{"trade.tmp", "Pounds"}));
  in.periods = 2;  // too few: nothing started
  EXPECT_FALSE(session().GraphTradeOff(in));
  EXPECT_EQ(platform.processes.started().size(), 1u);
  ASSERT_TRUE(session().KeepTradeOff(in));
  EXPECT_EQ(dir.Read("tradeinf.dat").substr(0, 9), "Option 1\n");
}

TEST_F(PlannerTest, TheRefinanceGraphIsWrittenAndStarted) {
  StartPlanner();
  calc::RefinanceInputs in;
  in.startAge = 40;
  in.amount = 150000.0f;
  in.rate = 6.5f;
  in.years = 30;
  in.refinanceAge = 45.0f;
  in.refinancedRate = 4.5f;
  in.refinancedYears = 25;
  ASSERT_TRUE(session().GraphRefinance(in));
  EXPECT_EQ(dir.Read("ref.tmp").substr(0, 2), "1\n");
  EXPECT_EQ(platform.processes.started()[0].program, "kxref");
  EXPECT_EQ(platform.processes.started()[0].arguments,
            (std::vector<std::string>{"ref.tmp", "Dollars"}));
  in.refinanceAge = 30.0f;  // before the mortgage: refused, nothing written or started
  std::filesystem::remove(dir / "ref.tmp");
  EXPECT_FALSE(session().GraphRefinance(in));
  EXPECT_FALSE(std::filesystem::exists(dir / "ref.tmp"));
  EXPECT_EQ(platform.processes.started().size(), 1u);
}

}  // namespace
}  // namespace planner_testing
