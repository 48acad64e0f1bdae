// The trade-off analysis and its two files, and the mortgage payment schedule with
// "psched.tmp".
#include <gtest/gtest.h>

#include "calc/payment_schedule.h"
#include "calc/trade_off.h"
#include "core/text_reading.h"
#include "platform/scripted.h"
#include "tests/support/temp_dir.h"

namespace calc {
namespace {

TradeOffInputs TwoOptions() {
  TradeOffInputs in;
  in.names = {"Buy", "Lease", ""};
  in.fixedCost = {20000, 2000, 0};
  in.costPerPeriod = {100, 350, 0};
  in.fixedAmount = {0, 0, 0};
  in.incomePerPeriod = {0, 0, 0};
  in.periods = 3;
  return in;
}

TEST(TradeOff, EndAmountsAndDifferences) {
  const TradeOffOutcome out = TradeOff(TwoOptions(), 0.0f);
  // Buy: -20,000 - 3 x 100 = -20,300; Lease: -2,000 - 3 x 350 = -3,050.
  EXPECT_FLOAT_EQ(out.endAmount[0], -20300.0f);
  EXPECT_FLOAT_EQ(out.endAmount[1], -3050.0f);
  EXPECT_FLOAT_EQ(out.difference12, 17250.0f);
  EXPECT_FLOAT_EQ(out.difference13, 20300.0f);
}

TEST(TradeOff, TheTaxRateScalesWhatIsReceivedButNotTheFixedCost) {
  TradeOffInputs in;
  in.fixedCost = {1000, 0, 0};
  in.fixedAmount = {4000, 0, 0};
  in.incomePerPeriod = {200, 0, 0};
  in.costPerPeriod = {40, 0, 0};
  in.periods = 10;
  in.useTaxRate = true;
  // k = 0.75: start 0.75 x 4,000 - 1,000 = 2,000; each period 0.75 x 160 = 120.
  const TradeOffOutcome out = TradeOff(in, 25.0f);
  EXPECT_FLOAT_EQ(out.start[0], 2000.0f);
  EXPECT_FLOAT_EQ(out.endAmount[0], 3200.0f);
}

TEST(TradeOff, TheGraphFileOfTwoNamedOptions) {
  // Three periods give five points, p = 0..4; two names, so two "0.0" lines and three numbers.
  const std::vector<std::string> lines = core::SplitLines(TradeGraphText(TwoOptions(), 0.0f));
  ASSERT_EQ(lines.size(), 8u + 5u * 3u + 2u);
  EXPECT_EQ(lines[4], "5.000000");
  EXPECT_EQ(lines[5], "2");
  EXPECT_EQ(lines[6], "Buy");
  EXPECT_EQ(lines[7], "Lease");
  EXPECT_EQ(lines[8], "0.0");
  EXPECT_EQ(lines[10], "0.000000 -20000.000000 -2000.000000 ");
  EXPECT_EQ(lines[22], "4.000000 -20400.000000 -3400.000000 ");
  EXPECT_EQ(lines.back(), "Done");
}

TEST(TradeOff, PeriodsOutsideThreeToAHundredAreRefused) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  TradeOffInputs in = TwoOptions();
  in.periods = 100;
  EXPECT_TRUE(WriteTradeGraphFile(dir.path(), in, 0.0f, prompter));
  in.periods = 101;
  EXPECT_FALSE(WriteTradeGraphFile(dir.path(), in, 0.0f, prompter));
  in.periods = 2;
  EXPECT_FALSE(WriteTradeGraphFile(dir.path(), in, 0.0f, prompter));
  EXPECT_EQ(prompter.Lines(),
            (std::vector<std::string>{"FILE ERROR: The number of periods cannot exceed 100.",
                                      "FILE ERROR: Not enough periods.\nPlease try again."}));
}

TEST(TradeOff, SettingsRoundTripAndDefaults) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  EXPECT_EQ(ReadTradeSettings(dir.path()).names[2], "Option 3");
  TradeOffInputs in = TwoOptions();
  in.useTaxRate = true;
  in.spare = 7.0f;
  ASSERT_TRUE(WriteTradeSettings(dir.path(), in, prompter));
  const std::string text = dir.Read("tradeinf.dat");
  EXPECT_EQ(text.substr(0, 11), "Buy\nLease\n\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 18);
  const TradeOffInputs back = ReadTradeSettings(dir.path());
  EXPECT_EQ(back.names, in.names);
  EXPECT_EQ(back.costPerPeriod, in.costPerPeriod);
  EXPECT_EQ(back.periods, 3);
  EXPECT_TRUE(back.useTaxRate);
  EXPECT_FLOAT_EQ(back.spare, 7.0f);
  // A damaged file gives finite numbers and a count within reach.
  const TradeOffInputs damaged = ParseTradeSettings("a\nb\nc\nnan\ninf\n1e39\n-4\n");
  EXPECT_EQ(damaged.fixedCost[0], 0.0f);
  EXPECT_EQ(damaged.fixedCost[1], 0.0f);
  EXPECT_EQ(damaged.fixedCost[2], 0.0f);
  EXPECT_EQ(damaged.periods, 0);
  // A name cut at its 29 characters just after a carriage return reads back as itself.
  const TradeOffInputs cut = ParseTradeSettings(std::string(28, 'n') + "\r\r)\nb\r\r\nc\n");
  EXPECT_EQ(cut.names[0], std::string(28, 'n'));
  EXPECT_EQ(cut.names[1], "b");
  EXPECT_EQ(ParseTradeSettings(TradeSettingsText(cut)).names, cut.names);
}

core::FinancialEvent Mortgage(float price, float down, float rate, int years, float growth) {
  core::FinancialEvent e{};
  e.kind = core::kMortgage;
  e.startAge = 40.0f;
  e.amount = price;
  e.downPayment = down;
  e.loanRate = rate;
  e.years = static_cast<uint16_t>(years);
  e.appreciationRate = growth;
  return e;
}

TEST(PaymentSchedule, RowsOfATenYearMortgage) {
  const auto rows = MortgageSchedule(Mortgage(250000, 50000, 6, 10, 0), 40.0f);
  // The start row and one row per year while the age is below the start age plus the term.
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[0].age, 40);
  EXPECT_EQ(rows[0].principal, 0.0f);
  EXPECT_FLOAT_EQ(rows[0].equity, 50000.0f);
  EXPECT_FLOAT_EQ(rows[0].propertyLiability, 200000.0f);
  // With no appreciation the property keeps its price and inflated equity is the equity.
  for (const ScheduleRow& row : rows) {
    EXPECT_FLOAT_EQ(row.propertyValue, 250000.0f);
    EXPECT_FLOAT_EQ(row.inflatedEquity, row.equity);
    EXPECT_GE(row.propertyLiability, 0.0f);
    EXPECT_FLOAT_EQ(row.totalPayment, row.totalPrincipal + row.totalInterest);
  }
  // The first year's twelve payments of PMT(200,000, 0.005, 120) = 2,220.41 pay 11,590.48 of
  // interest on the falling balance (worked in double precision).
  EXPECT_NEAR(rows[1].interest + rows[1].principal, 12.0f * 2220.41f, 0.5f);
  EXPECT_NEAR(rows[1].interest, 11590.48f, 0.05f);
}

TEST(PaymentSchedule, NoRowsWithoutAPrincipalAndTheFile) {
  EXPECT_TRUE(MortgageSchedule(Mortgage(250000, 250000, 6, 10, 0), 40.0f).empty());
  EXPECT_TRUE(MortgageSchedule(Mortgage(250000, 0, 100, 10, 0), 40.0f).empty());
  const auto rows = MortgageSchedule(Mortgage(100000, 0, 5, 3, 3), 40.0f);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_FLOAT_EQ(rows[2].propertyValue, 100000.0f * 1.03f * 1.03f);
  const std::string text = ScheduleFileText(rows);
  EXPECT_EQ(text.substr(0, 10), "Age\tPrinci");
  EXPECT_NE(text.find("\n 40\t          0.00\t"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 7), "Dooone\n");
}

}  // namespace
}  // namespace calc
