// The red flag for money still in retirement accounts at the age from which the law requires
// yearly distributions, unless a distribution table draws on the account.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

constexpr const char* kMinimumAgeLine =
    " 72.0  Minimum age for withdrawal from Retirement Accounts reached. Please check your "
    "withdrawal requirements.\n";

bool HasLine(const std::string& text) { return text.find(kMinimumAgeLine) != std::string::npos; }

// A plan from `start` to `end` with one Retirement Savings account holding `balance`.
void PlanWithIra(Harness& h, float start, float end, float balance) {
  h.scenario.initial.startAge = start;
  h.scenario.initial.endAge = end;
  h.AddAccount("IRA", core::kRetirementSavings, balance, 0.0f);
}

TEST(RetirementMinimumAge, MoneyInARetirementAccountAt72IsFlaggedOnce) {
  Harness h;
  PlanWithIra(h, 70.0f, 75.0f, 1000.0f);
  const std::string text = h.RunText();
  // Years 70..74 are simulated; 72 is the first of them at the minimum age.
  EXPECT_NE(text.find(std::string("Red flags at age(s):\n") + kMinimumAgeLine), std::string::npos)
      << text;
  EXPECT_EQ(h.ctx->results.redFlags.retirementMinimumAge.age, 72);
}

TEST(RetirementMinimumAge, APlanStartingLaterIsFlaggedInItsFirstYear) {
  Harness h;
  PlanWithIra(h, 75.0f, 77.0f, 1000.0f);
  EXPECT_TRUE(HasLine(h.RunText()));
  EXPECT_EQ(h.ctx->results.redFlags.retirementMinimumAge.age, 75);
}

TEST(RetirementMinimumAge, NoFlagWithoutUndrawnRetirementMoney) {
  // The plan ends at 72: the closing row is no year in which anything could be drawn.
  Harness endsAt72;
  PlanWithIra(endsAt72, 70.0f, 72.0f, 1000.0f);
  EXPECT_FALSE(HasLine(endsAt72.RunText()));

  // An empty retirement account, and money in a tax-free account, need no distributions.
  Harness empty;
  PlanWithIra(empty, 70.0f, 75.0f, 0.0f);
  empty.AddAccount("Roth", core::kTaxFreeSavings, 5000.0f, 0.0f);
  EXPECT_EQ(empty.RunText().find("Red flags"), std::string::npos);

  // 1,000 taken out in full at 71 leaves nothing at 72.
  Harness spent;
  PlanWithIra(spent, 70.0f, 75.0f, 1000.0f);
  core::FinancialEvent& take = spent.AddEvent(core::kWithdrawal, "Boat", 71.0f, 71.0f, 1000.0f);
  take.oneTimeOnly = 1;
  spent.scenario.initial.taxRate = 0.0f;
  EXPECT_FALSE(HasLine(spent.RunText()));
}

TEST(RetirementMinimumAge, AnAccountDrawnByADistributionTableIsNotFlagged) {
  Harness drawn;
  PlanWithIra(drawn, 70.0f, 75.0f, 1000.0f);
  drawn.scenario.slots.rmdTable[0] = 20;
  drawn.scenario.slots.rmdTable2StartAge = 70;
  EXPECT_FALSE(HasLine(drawn.RunText()));

  // A table that starts before the plan makes no distributions, so the money is flagged.
  Harness early;
  PlanWithIra(early, 70.0f, 75.0f, 1000.0f);
  early.scenario.slots.rmdTable[0] = 10;
  early.scenario.slots.rmdTable1StartAge = 65;
  EXPECT_TRUE(HasLine(early.RunText()));
}

TEST(RetirementMinimumAge, StandsAfterThePenaltyLine) {
  Harness h;
  PlanWithIra(h, 72.0f, 73.0f, 5000.0f);
  h.scenario.account(0).penaltyApplies = 1;
  h.scenario.slots.penaltyAge[0] = 80.0f;
  core::FinancialEvent& take = h.AddEvent(core::kWithdrawal, "Car", 72.0f, 72.0f, 1000.0f);
  take.oneTimeOnly = 1;
  const std::string text = h.RunText();
  EXPECT_NE(text.find(std::string("Red flags at age(s):\n"
                                  " 72.0   A penalty was paid starting at this age.\n") +
                      kMinimumAgeLine),
            std::string::npos)
      << text;
}

}  // namespace
