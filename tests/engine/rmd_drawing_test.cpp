// How a required minimum distribution is drawn from the accounts of its table: by balance, in
// equal parts with a carried shortfall and a second pass, or in account order; and the weights.
#include <gtest/gtest.h>

#include "engine/rmd_year.h"
#include "tests/engine/rmd_setup.h"

namespace {

using engine_test::AssignToTable;
using engine_test::Harness;
using engine_test::SetFlatTable;
using engine_test::SetReceiver;

constexpr float kCent = 0.005f;

// A plan of one year at age 70 without tax, so that only the distribution moves money; "Cash"
// receives the distributions of Table 1, whose divisor is `divisor` at every age.
struct Plan {
  Harness h;
  uint16_t cash;
  explicit Plan(uint16_t method, float divisor) {
    h.scenario.initial.startAge = 70.0f;
    h.scenario.initial.endAge = 71.0f;
    h.scenario.initial.taxRate = 0.0f;
    h.scenario.trailer().rmdMethod = method;
    cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
    SetFlatTable(h, 1, 70, divisor);
    SetReceiver(h, cash);
  }
  uint16_t Add(const char* name, float amount, uint16_t kind = core::kRetirementSavings) {
    const uint16_t id = h.AddAccount(name, kind, amount, 0.0f);
    AssignToTable(h, {id}, 1);
    return id;
  }
  float Balance(const char* name) { return h.AccountNamed(name).balance; }
};

TEST(RmdDrawing, ProportionalTakesByBalance) {
  Plan p(1, 20.0f);
  p.Add("IRA A", 60000.0f);
  p.Add("IRA B", 40000.0f);
  p.h.ctx->options.showDetails = true;
  const std::string text = p.h.RunText();
  // 100,000 / 20 = 5,000, weighted 0.6 and 0.4: 3,000.00 and 2,000.00.
  EXPECT_NE(text.find("Transferred to the Cash account.\n      $3,000.00 from IRA A\n"
                      "      $2,000.00 from IRA B\n"),
            std::string::npos)
      << text;
  EXPECT_NEAR(p.Balance("IRA A"), 57000.0f, kCent);
  EXPECT_NEAR(p.Balance("IRA B"), 38000.0f, kCent);
  EXPECT_NEAR(p.Balance("Cash"), 5000.0f, kCent);
}

TEST(RmdDrawing, AccountOrderEmptiesTheFirstAccountFirst) {
  Plan p(3, 12.75f);
  p.Add("IRA A", 1000.0f);
  p.Add("IRA B", 50000.0f);
  p.h.RunText();
  // 51,000 / 12.75 = 4,000: all 1,000.00 of A, then 3,000.00 of B.
  EXPECT_NEAR(p.Balance("IRA A"), 0.0f, kCent);
  EXPECT_NEAR(p.Balance("IRA B"), 47000.0f, kCent);
  EXPECT_NEAR(p.Balance("Cash"), 4000.0f, kCent);
  EXPECT_EQ(p.h.dir.Read("outfile.tmp"),
            " 70.0\tIRA A\t      1000.00\n 70.0\tIRA B\t      3000.00\nDooone\n");
}

TEST(RmdDrawing, AnUnknownMethodDrawsInAccountOrder) {
  Plan p(9, 12.75f);
  p.Add("IRA A", 1000.0f);
  p.Add("IRA B", 50000.0f);
  p.h.RunText();
  EXPECT_NEAR(p.Balance("IRA A"), 0.0f, kCent);
  EXPECT_NEAR(p.Balance("IRA B"), 47000.0f, kCent);
}

TEST(RmdDrawing, EqualPartsCarryTheShortfall) {
  Plan p(2, 12.75f);
  p.Add("IRA A", 1000.0f);
  p.Add("IRA B", 50000.0f);
  p.h.RunText();
  // 4,000 in halves: A pays its 1,000 of 2,000, the missing 1,000 goes to B with its own 2,000.
  EXPECT_NEAR(p.Balance("IRA A"), 0.0f, kCent);
  EXPECT_NEAR(p.Balance("IRA B"), 47000.0f, kCent);
  EXPECT_NEAR(p.Balance("Cash"), 4000.0f, kCent);
}

TEST(RmdDrawing, SecondPassOffersTheRestOnlyOnce) {
  Plan p(2, 20.0f);
  p.Add("IRA A", 60000.0f);
  p.Add("IRA B", 59000.0f);
  p.Add("IRA C", 1000.0f);
  p.h.RunText();
  // 120,000 / 20 = 6,000 in thirds of 2,000: A and B pay theirs, C only 1,000. The second pass
  // asks A for the missing 1,000 and then stops: B is not asked again.
  EXPECT_NEAR(p.Balance("IRA A"), 57000.0f, kCent);
  EXPECT_NEAR(p.Balance("IRA B"), 57000.0f, kCent);
  EXPECT_NEAR(p.Balance("IRA C"), 0.0f, kCent);
  EXPECT_NEAR(p.Balance("Cash"), 6000.0f, kCent);
}

TEST(RmdDrawing, WhatNoAccountCanSupplyIsDropped) {
  Plan p(1, 0.5f);
  p.Add("IRA A", 3000.0f);
  p.Add("IRA B", 1000.0f);
  const std::string text = p.h.RunText();
  // 4,000 / 0.5 = 8,000 is announced; both accounts give everything, 4,000.00 in all.
  EXPECT_NE(text.find("-  $8,000.00 Transferred to the Cash account."), std::string::npos)
      << text;
  EXPECT_NEAR(p.Balance("IRA A"), 0.0f, kCent);
  EXPECT_NEAR(p.Balance("IRA B"), 0.0f, kCent);
  EXPECT_NEAR(p.Balance("Cash"), 4000.0f, kCent);
}

TEST(RmdDrawing, WeightedSharesComeOnlyFromRetirementAccounts) {
  Plan p(1, 20.0f);
  p.Add("IRA", 60000.0f);
  p.Add("Roth", 40000.0f, core::kTaxFreeSavings);
  p.h.RunText();
  // 100,000 / 20 = 5,000: the IRA pays its 3,000; the Roth's 2,000 is not taken from it but
  // carried, and the second pass takes it from the IRA.
  EXPECT_NEAR(p.Balance("IRA"), 55000.0f, kCent);
  EXPECT_NEAR(p.Balance("Roth"), 40000.0f, kCent);
  EXPECT_NEAR(p.Balance("Cash"), 5000.0f, kCent);
}

TEST(RmdDrawing, KindTotalsStayTheSumsOfTheirAccounts) {
  Plan p(3, 10.0f);
  p.h.scenario.initial.taxRate = 20.0f;
  p.Add("Brokerage", 5000.0f, core::kInvestmentSavings);
  p.Add("IRA", 5000.0f);
  p.h.RunText();
  // 10,000 / 10 = 1,000, all from the Brokerage account (first in order); the 200.00 of tax is
  // paid from Cash at year end. The investment total must still be the sum of its accounts.
  EXPECT_NEAR(p.Balance("Brokerage"), 4000.0f, kCent);
  EXPECT_NEAR(p.Balance("Cash"), 800.0f, kCent);
  EXPECT_NEAR(p.h.ctx->totals.investment, 4800.0f, kCent);
  EXPECT_NEAR(p.h.ctx->totals.retirement, 5000.0f, kCent);
}

TEST(RmdDrawing, TablesDrawOnlyOnTheirOwnAccounts) {
  Plan p(3, 10.0f);
  p.Add("IRA 1", 10000.0f);
  const uint16_t second = p.h.AddAccount("IRA 2", core::kRetirementSavings, 20000.0f, 0.0f);
  AssignToTable(p.h, {second}, 2);
  SetFlatTable(p.h, 2, 70, 4.0f);
  core::SetRmdDescription(p.h.scenario.slots, 2, "Spouse");
  const std::string text = p.h.RunText();
  // Table 1: 10,000 / 10 = 1,000; Table 2: 20,000 / 4 = 5,000.
  EXPECT_NE(text.find("  Spouse (using RMD Table 2) -  $5,000.00 Transferred to the Cash "
                      "account.\n"),
            std::string::npos)
      << text;
  EXPECT_NEAR(p.Balance("IRA 1"), 9000.0f, kCent);
  EXPECT_NEAR(p.Balance("IRA 2"), 15000.0f, kCent);
  EXPECT_NEAR(p.Balance("Cash"), 6000.0f, kCent);
}

// The weights alone, on a context prepared by hand.
struct Weights {
  Harness h;
  Weights() { h.ctx->scenario = &h.scenario; }
  float Of(int index) const { return h.ctx->allocationWeights[static_cast<size_t>(index)]; }
};

TEST(RmdWeights, ByMethodOverTheTablesAccountsWithMoney) {
  Weights w;
  const uint16_t a = w.h.AddAccount("A", core::kRetirementSavings, 3000.0f, 0.0f);
  const uint16_t b = w.h.AddAccount("B", core::kRetirementSavings, 1000.0f, 0.0f);
  const uint16_t empty = w.h.AddAccount("Empty", core::kRetirementSavings, 0.0f, 0.0f);
  const uint16_t other = w.h.AddAccount("Other", core::kRetirementSavings, 500.0f, 0.0f);
  AssignToTable(w.h, {a, b, empty}, 1);
  AssignToTable(w.h, {other}, 2);
  w.h.scenario.account(0).balance = 3000.0f;  // balances as a run would hold them
  w.h.scenario.account(1).balance = 1000.0f;
  w.h.scenario.account(2).balance = -50.0f;
  w.h.scenario.account(3).balance = 500.0f;

  w.h.scenario.trailer().rmdMethod = 1;
  EXPECT_FLOAT_EQ(engine::RmdBalanceAndWeights(*w.h.ctx, 1), 4000.0f);
  EXPECT_FLOAT_EQ(w.Of(0), 0.75f);
  EXPECT_FLOAT_EQ(w.Of(1), 0.25f);
  EXPECT_FLOAT_EQ(w.Of(2), 0.0f);
  EXPECT_FLOAT_EQ(w.Of(3), 0.0f);

  w.h.scenario.trailer().rmdMethod = 2;  // (100 / 2) x 0.01
  EXPECT_FLOAT_EQ(engine::RmdBalanceAndWeights(*w.h.ctx, 1), 4000.0f);
  EXPECT_FLOAT_EQ(w.Of(0), 0.5f);
  EXPECT_FLOAT_EQ(w.Of(1), 0.5f);
  EXPECT_FLOAT_EQ(w.Of(2), 0.0f);

  w.h.scenario.trailer().rmdMethod = 3;  // account order needs no weights
  EXPECT_FLOAT_EQ(engine::RmdBalanceAndWeights(*w.h.ctx, 1), 4000.0f);
  EXPECT_FLOAT_EQ(w.Of(0), 0.0f);

  w.h.scenario.account(0).balance = 0.0f;
  w.h.scenario.account(1).balance = 0.0f;
  w.h.scenario.trailer().rmdMethod = 1;
  EXPECT_FLOAT_EQ(engine::RmdBalanceAndWeights(*w.h.ctx, 1), 0.0f);
  EXPECT_FLOAT_EQ(w.Of(0), 0.0f);
  EXPECT_FLOAT_EQ(w.Of(1), 0.0f);
}

}  // namespace
