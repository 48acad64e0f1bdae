// Required minimum distributions in the run: the amount from the life-expectancy table, the
// transfer with its tax, lines and record lines, and the problems a table can have.
#include <gtest/gtest.h>

#include <limits>

#include "tests/engine/rmd_setup.h"

namespace {

using engine_test::AssignToTable;
using engine_test::Harness;
using engine_test::SetDefaultTable;
using engine_test::SetFlatTable;
using engine_test::SetReceiver;

constexpr float kCent = 0.005f;

// Plan from 70 to 71 at 15 % tax; "Cash" (Investment Savings, 1,000.00) receives the
// distributions of Table 1, to which "IRA" (Retirement Savings, 274,000.00) is assigned.
struct OneIra {
  Harness h;
  uint16_t cash;
  uint16_t ira;
  OneIra() {
    h.scenario.initial.startAge = 70.0f;
    h.scenario.initial.endAge = 71.0f;
    cash = h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 0.0f);
    ira = h.AddAccount("IRA", core::kRetirementSavings, 274000.0f, 0.0f);
    core::SetRmdDescription(h.scenario.slots, 1, "IRA");
    SetDefaultTable(h, 1);
    AssignToTable(h, {ira}, 1);
    SetReceiver(h, cash);
  }
};

TEST(RmdDistribution, FirstYearOfTheDefaultTable) {
  OneIra t;
  t.h.scenario.account(1).penaltyApplies = 1;  // penalty age 59 is past: no penalty anyway
  t.h.ctx->options.showDetails = true;
  t.h.ctx->options.showSummary = true;
  const std::string text = t.h.RunText();
  // 274,000.00 / 27.4 = 10,000.00, taxed at 15 %: 1,500.00 of withdrawal tax, which Cash (first
  // in withdrawal order, 11,000.00 after the transfer) pays at year end: 9,500.00 left.
  EXPECT_NE(text.find("  IRA (using RMD Table 1) -  $10,000.00 Transferred to the Cash account.\n"
                      "      $10,000.00 from IRA\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("       Taxes on withdrawals=$1,500.00\n"), std::string::npos);
  EXPECT_NEAR(t.h.AccountNamed("IRA").balance, 264000.0f, kCent);
  EXPECT_NEAR(t.h.AccountNamed("Cash").balance, 9500.0f, kCent);
  EXPECT_FALSE(t.h.ctx->results.redFlags.penalty.set);
  EXPECT_EQ(t.h.dir.Read("infile.tmp"), "2\nCash\nIRA\n 70.0\tCash\t10000.00   \nDooone\n");
  EXPECT_NE(t.h.dir.Read("outfile.tmp").find(" 70.0\tIRA\t     10000.00\n"), std::string::npos);
}

TEST(RmdDistribution, ComesBeforeTheOtherEventsOfTheYear) {
  OneIra t;
  t.h.scenario.initial.endAge = 72.0f;
  core::FinancialEvent& gift = t.h.AddEvent(core::kDeposit, "Gift", 70.0f, 70.0f, 100000.0f);
  gift.oneTimeOnly = 1;
  gift.accountId = t.ira;
  const std::string text = t.h.RunText();
  // Age 70 divides only what the last year-end left (274,000.00 / 27.4); at 71 the IRA holds
  // 274,000 + 100,000 - 10,000 = 364,000.00 and the divisor is 26.5: 13,735.85 (364,000 / 26.5
  // = 13,735.849...).
  EXPECT_NE(text.find("  IRA (using RMD Table 1) -  $10,000.00 Transferred"), std::string::npos)
      << text;
  EXPECT_NE(text.find("  IRA (using RMD Table 1) -  $13,735.85 Transferred"), std::string::npos);
  EXPECT_LT(text.find("$10,000.00 Transferred"), text.find("  Gift - Deposit"));
}

TEST(RmdDistribution, PastTheTableTheLastDivisorIsUsed) {
  OneIra t;
  t.h.scenario.initial.endAge = 101.0f;
  t.h.scenario.account(1).initialAmount = 0.0f;
  core::RecomputeInitialTotals(t.h.scenario);
  core::FinancialEvent& late = t.h.AddEvent(core::kDeposit, "Late", 99.0f, 99.0f, 6700.0f);
  late.oneTimeOnly = 1;
  late.accountId = t.ira;
  const std::string text = t.h.RunText();
  // The IRA is empty until the deposit at 99, made after that year's distribution. At 100 the
  // index 100 - 70 = 30 is past the table: index 29 (age 99, 6.7) is used: 6,700 / 6.7 = 1,000.
  EXPECT_NE(text.find("  Required Minimum Distribution - Detected a possible problem with the end "
                      "age of the distributions 100 70 29.\n"
                      "  IRA (using RMD Table 1) -  $1,000.00 Transferred to the Cash account.\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("end age of the distributions 99"), std::string::npos);
}

TEST(RmdDistribution, TableStartingBeforeThePlanMakesNone) {
  OneIra t;
  core::SetRmdStartAge(t.h.scenario.slots, 1, 65);
  const std::string text = t.h.RunText();
  EXPECT_EQ(text.find("RMD Table"), std::string::npos) << text;
  EXPECT_EQ(text.find("Required Minimum Distribution"), std::string::npos);
  EXPECT_NEAR(t.h.AccountNamed("IRA").balance, 274000.0f, kCent);
}

TEST(RmdDistribution, OptionEventBeforeItsTableReportsTheStartAge) {
  OneIra t;
  t.h.scenario.initial.startAge = 68.0f;
  t.h.scenario.initial.endAge = 70.0f;
  // An option event kept in a stored scenario may start before its table does.
  core::FinancialEvent& option = t.h.AddEvent(core::kRmdOption, "old option", 68.0f, 120.0f, 0);
  option.rmdTableNumber = 1;
  const std::string text = t.h.RunText();
  EXPECT_NE(text.find("  Required Minimum Distribution - Detected a possible problem with the "
                      "start age of the distributions 68 70 0.\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("Transferred"), std::string::npos);
}

TEST(RmdDistribution, ZeroDivisorMakesNoDistribution) {
  OneIra t;
  core::SetRmdDivisor(t.h.scenario.slots, 1, 0, 0.0f);
  std::string text = t.h.RunText();
  EXPECT_NE(text.find("  Required Minimum Distribution - Detected a possible problem with the "
                      "Life Expectancy Values in Table 1.\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("Transferred"), std::string::npos);
  EXPECT_NEAR(t.h.AccountNamed("IRA").balance, 274000.0f, kCent);

  // Table 2 names the index and the divisor; a divisor that is no number counts as 0.
  OneIra second;
  SetFlatTable(second.h, 2, 70, -3.0f);
  AssignToTable(second.h, {second.ira}, 2);
  text = second.h.RunText();
  EXPECT_NE(text.find("  Required Minimum Distribution - Detected a possible problem with the "
                      "Life Expectancy Values in Table 2.-0,-3.000000\n"),
            std::string::npos)
      << text;
  OneIra third;
  SetFlatTable(third.h, 3, 70, std::numeric_limits<float>::quiet_NaN());
  AssignToTable(third.h, {third.ira}, 3);
  text = third.h.RunText();
  EXPECT_NE(text.find("Life Expectancy Values in Table 3.\n"), std::string::npos) << text;
  EXPECT_NEAR(third.h.AccountNamed("IRA").balance, 274000.0f, kCent);
}

TEST(RmdDistribution, EmptyAccountsRaiseTheFlagOnce) {
  OneIra t;
  t.h.scenario.initial.endAge = 73.0f;
  t.h.scenario.account(1).initialAmount = 0.0f;
  core::RecomputeInitialTotals(t.h.scenario);
  const std::string text = t.h.RunText();
  const std::string line = "  IRA (using RMD Table 1) - selected RMD accounts were depleted.\n";
  size_t count = 0;
  for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, 3u) << text;  // ages 70, 71 and 72
  EXPECT_EQ(t.h.ctx->results.redFlags.rmdDepleted.age, 70);
  EXPECT_NE(text.find("Red flags at age(s):\n 70.0   RMD accounts were depleted.\n"),
            std::string::npos);
}

TEST(RmdDistribution, WithoutReceivingAccountNothingMoves) {
  OneIra t;
  t.h.scenario.slots.rmdTransferAccountId = -1;
  const std::string text = t.h.RunText();
  EXPECT_NE(text.find("  IRA (using RMD Table 1) - no \"Transfer Funds To\" account is selected; "
                      "no distribution was made.\n"),
            std::string::npos)
      << text;
  EXPECT_NEAR(t.h.AccountNamed("IRA").balance, 274000.0f, kCent);
  EXPECT_NEAR(t.h.AccountNamed("Cash").balance, 1000.0f, kCent);
}

TEST(RmdDistribution, HostileTableValuesAreSafe) {
  OneIra t;
  core::SetRmdStartAge(t.h.scenario.slots, 1, std::numeric_limits<int32_t>::min());
  t.h.scenario.initial.endAge = 72.0f;
  std::string text = t.h.RunText();
  EXPECT_TRUE(t.h.ok);
  // The table's start age is far below the plan's: no option event runs at all.
  EXPECT_EQ(text.find("Transferred"), std::string::npos);

  OneIra late;
  core::FinancialEvent& option = late.h.AddEvent(core::kRmdOption, "old", 70.0f, 120.0f, 0);
  option.rmdTableNumber = 1;
  core::SetRmdStartAge(late.h.scenario.slots, 1, std::numeric_limits<int32_t>::max());
  text = late.h.RunText();
  EXPECT_NE(text.find("start age of the distributions 70 2147483647 0."), std::string::npos)
      << text;

  OneIra unknown;
  core::FinancialEvent& stray = unknown.h.AddEvent(core::kRmdOption, "stray", 70.0f, 120.0f, 0);
  stray.rmdTableNumber = 7;
  unknown.h.scenario.slots.rmdTable[unknown.h.SlotOf(unknown.ira)] = 0;
  text = unknown.h.RunText();
  EXPECT_EQ(text.find("RMD Table"), std::string::npos) << text;
}

}  // namespace
