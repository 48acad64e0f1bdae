// The schedule list of mode List: no dashed lines or heading marker, lines of years before
// the first results age held back, event tags kept, the first line of each age found.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

TEST(ScheduleList, HoldsTaggedLinesWithoutDashesOrMarker) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 100.0f, 0.0f);
  core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Pay", 31.0f, 31.0f, 10.0f);
  pay.oneTimeOnly = 1;
  pay.accountId = cash;
  engine::ScheduleList list;
  h.ctx->env.list = &list;
  h.RunText(engine::ScheduleMode::List);
  std::vector<std::string> texts;
  for (const auto& line : list.lines()) texts.push_back(line.text);
  const std::vector<std::string> expected = {
      "30.0 \t        $100.00\t          $0.00\t          $0.00\t          $0.00\t          $0.00\t"
      "          $0.00\t        $100.00",
      "Financial Events:",
      "  Inflation Rate = 0.000  ",
      "  Tax Rate = 15.000 ",
      "31.0 \t        $100.00\t          $0.00\t          $0.00\t          $0.00\t          $0.00\t"
      "          $0.00\t        $100.00",
      "Financial Events:",
      "  Inflation Rate = 0.000  ",
      "  Tax Rate = 15.000 ",
      "  Pay - Deposit $10.00 to Cash",
      "32.0 \t        $110.00\t          $0.00\t          $0.00\t          $0.00\t          $0.00\t"
      "          $0.00\t        $110.00"};
  EXPECT_EQ(texts, expected);
  EXPECT_EQ(list.lines()[8].tag, 0);  // the deposit, the only event
  EXPECT_EQ(list.lines()[0].tag, engine::kTagNone);
  EXPECT_EQ(list.FirstLineOfAge(31), 4);
  EXPECT_EQ(list.scrollLine(), 9);  // scroll mode 0: the last line
}

TEST(ScheduleList, TagsNameTheEventsThatRemainAfterTheRun) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 100.0f, 0.0f);
  h.scenario.slots.rmdTable[0] = 10;  // an RMD option event runs first and is removed after
  h.scenario.slots.rmdTable1StartAge = 70;
  h.AddEvent(core::kWithdrawal, "Spend", 30.0f, 30.0f, 5.0f).oneTimeOnly = 1;
  core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Pay", 30.0f, 30.0f, 10.0f);
  pay.oneTimeOnly = 1;
  pay.accountId = cash;
  engine::ScheduleList list;
  h.ctx->env.list = &list;
  h.RunText(engine::ScheduleMode::List);
  ASSERT_EQ(h.scenario.eventCount(), 2);
  for (const auto& line : list.lines()) {
    if (line.text == "  Pay - Deposit $10.00 to Cash") {
      EXPECT_EQ(core::TextOf(h.scenario.events[line.tag].description), "Pay");
    }
    if (line.text == "  Spend - Withdraw $5.00") {
      EXPECT_EQ(core::TextOf(h.scenario.events[line.tag].description), "Spend");
    }
  }
}

TEST(ScheduleList, YearsBeforeTheStartAgeAreSimulatedButNotShown) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 100.0f, 0.0f);
  h.AddEvent(core::kWithdrawal, "Early", 25.0f, 40.0f, 10.0f);
  const uint16_t ira = h.AddAccount("IRA", core::kRetirementSavings, 100.0f, 0.0f);
  h.scenario.account(1).penaltyApplies = 1;
  core::FinancialEvent& chosen = h.AddEvent(core::kWithdrawal, "FromIra", 25.0f, 25.0f, 50.0f);
  chosen.oneTimeOnly = 1;
  chosen.accountId = ira;
  chosen.accountChosen = core::kAccountChosen;
  engine::ScheduleList list;
  h.ctx->env.list = &list;
  h.RunText(engine::ScheduleMode::List);
  ASSERT_FALSE(list.lines().empty());
  EXPECT_EQ(list.lines()[0].text.substr(0, 5), "30.0 ");
  // Balances are reset at 30: the withdrawals of 25..29 took nothing.
  EXPECT_FLOAT_EQ(h.ctx->results.years[0].investment, 100.0f);
  EXPECT_FLOAT_EQ(h.AccountNamed("Cash").balance, 80.0f);
  EXPECT_EQ(h.ctx->results.yearIndex, 2);
  // The early withdrawal from the IRA charged no penalty and raised no flag.
  EXPECT_FALSE(h.ctx->results.redFlags.penalty.set);
  EXPECT_FALSE(h.ctx->results.redFlags.withdrawalAccountDepleted.set);
}

TEST(ScheduleList, SilentRunsWriteNothing) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 100.0f, 0.0f);
  engine::ScheduleList list;
  h.ctx->env.list = &list;
  h.ctx->options.silent = true;
  h.RunText(engine::ScheduleMode::List);
  EXPECT_TRUE(h.ok);
  EXPECT_TRUE(list.lines().empty());
  EXPECT_FALSE(std::filesystem::exists(h.dir / "plotinf01.tmp"));
}

TEST(ScheduleList, HoldsAtMostSixThousandLines) {
  engine::ScheduleList list;
  list.Clear();
  for (int i = 0; i < 6100; ++i) list.Add("x", engine::kTagNone, 30);
  EXPECT_EQ(list.lines().size(), engine::kMaxScheduleLines);
}

TEST(PrintFile, IsWrittenInTheWorkingDirectory) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 100.0f, 0.0f);
  ASSERT_TRUE(engine::RunSimulation(*h.ctx, h.scenario, engine::ScheduleMode::PrintFile));
  const std::string text = h.dir.Read("ptmpsch.dat");
  EXPECT_EQ(text.substr(0, 5), " 30.0");
  EXPECT_NE(text.find("\n\n\n??\n"), std::string::npos);
}

}  // namespace
