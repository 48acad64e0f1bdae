// Rule 72T transfers in a run: the payment fixed in the start year for the annuity and
// amortization methods, recomputed each year for the minimum method, taxed but not penalised.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "engine/rule72t.h"
#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

constexpr float kCent = 0.005f;

struct Rule72tRun {
  Harness h;
  uint16_t ira = 0;
  uint16_t cash = 0;

  // Ages 50 to 53 (three results years), a 400,000 IRA without growth, no inflation.
  Rule72tRun() {
    h.scenario.initial.startAge = 50.0f;
    h.scenario.initial.endAge = 53.0f;
    cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
    ira = h.AddAccount("IRA", core::kRetirementSavings, 400000.0f, 0.0f);
    h.scenario.account(1).penaltyApplies = 1;
  }

  core::FinancialEvent& Add72t(float start, float end, float beneficiary, int table, int method,
                               float rate) {
    core::FinancialEvent& event = h.AddEvent(core::kTransfer, "72T", start, end, 0.0f);
    event.transferVariant = core::kRule72tTransfer;
    event.fromAccountId = ira;
    event.accountId = cash;
    event.beneficiaryAge = beneficiary;
    event.lifeTable = static_cast<uint16_t>(table);
    event.rule72tMethod = static_cast<uint16_t>(method);
    event.loanRate = rate;
    return event;
  }
  // The tables from the source tree, whatever the working folder holds.
  void UseShippedTables() { h.dir.Write("mort.dat", ReadShipped("mort.dat")); }
  static std::string ReadShipped(const char* name) {
    return FileText(std::string(KX_SOURCE_DATA_DIR) + "/" + name);
  }
  static std::string FileText(const std::string& path);
  static std::string Line(const char* amount) {
    return std::string("\n  72T  Rule 72T Transfer ") + amount + " from IRA to Cash \n";
  }
};

std::string Rule72tRun::FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Rule72tRun, MinimumMethodFollowsTheBalanceAndTheAge) {
  Rule72tRun run;
  run.UseShippedTables();
  core::FinancialEvent& event = run.Add72t(50, 60, 45, engine::kSingleLife,
                                           engine::kMinimumMethod, 3.0f);
  const std::string text = run.h.RunText();
  // 50: 400,000 / Es(50) 34.2 = 11,695.91, leaving 388,304.09 (the tax is paid from Cash).
  // 51: 388,304.09 / Es(51) 33.3 = 11,660.78, leaving 376,643.31.
  // 52: 376,643.31 / Es(52) 32.3 = 11,660.78 again, leaving 364,982.53.
  const size_t first = text.find(Rule72tRun::Line("$11,695.91"));
  const size_t second = text.find(Rule72tRun::Line("$11,660.78"), first);
  EXPECT_NE(first, std::string::npos) << text;
  ASSERT_NE(second, std::string::npos);
  EXPECT_NE(text.find(Rule72tRun::Line("$11,660.78"), second + 1), std::string::npos);
  EXPECT_NEAR(run.h.AccountNamed("IRA").balance, 364982.53f, 0.02f);
  EXPECT_NEAR(event.amount, 11660.78f, 0.01f);
  // Taxed as income, never penalised, though 50 is below the penalty age.
  EXPECT_EQ(text.find("A penalty was paid"), std::string::npos);
  EXPECT_TRUE(run.h.platform.prompter.shown().empty());
}

TEST(Rule72tRun, AmortizationPaymentStaysFixedWhileTheAccountShrinks) {
  Rule72tRun run;
  run.UseShippedTables();
  core::FinancialEvent& event = run.Add72t(50, 60, 45, engine::kSingleLife,
                                           engine::kAmortizationMethod, 5.0f);
  event.amount = 1.0f;  // what the dialog stored is replaced by the start year's payment
  const std::string text = run.h.RunText();
  // 400,000 × 0.05 / (1 - 1.05^-34.2) = 24,645.91 in each of the three years.
  size_t count = 0;
  for (size_t at = text.find(Rule72tRun::Line("$24,645.91")); at != std::string::npos;
       at = text.find(Rule72tRun::Line("$24,645.91"), at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, 3u) << text;
  EXPECT_NEAR(run.h.AccountNamed("IRA").balance, 400000.0f - 3 * 24645.91f, 0.05f);
}

TEST(Rule72tRun, StartedBeforeTheResultsUsesThisYearsBeneficiaryAge) {
  Rule72tRun run;
  run.h.dir.Write("mort.dat", Rule72tRun::ReadShipped("mort.dat"));
  run.h.dir.Write("jointtab.dat", Rule72tRun::ReadShipped("jointtab.dat"));
  core::FinancialEvent& event = run.Add72t(48, 60, 53, engine::kJointLife,
                                           engine::kMinimumMethod, 3.0f);
  event.runBeneficiaryAge = 90;  // left over from an earlier run
  const std::string text = run.h.RunText();
  // At 50 the beneficiary is 53 + 2 = 55: 400,000 / J(55, 50) 38.3 = 10,443.86.
  EXPECT_NE(text.find(Rule72tRun::Line("$10,443.86")), std::string::npos) << text;
}

TEST(Rule72tRun, MissingTablesAreToldOnceAndMoveNothing) {
  Rule72tRun run;
  core::FinancialEvent& event = run.Add72t(50, 60, 45, engine::kSingleLife,
                                           engine::kMinimumMethod, 3.0f);
  // An empty table in the working folder comes before the suite's own.
  run.h.dir.Write("mort.dat", "");
  run.h.RunText();
  EXPECT_EQ(event.amount, 0.0f);
  EXPECT_FLOAT_EQ(run.h.AccountNamed("IRA").balance, 400000.0f);
  ASSERT_EQ(run.h.platform.prompter.shown().size(), 1u);
  EXPECT_EQ(run.h.platform.prompter.shown()[0].caption, "Life Table Error");
}

TEST(Rule72tRun, OverdrawnAccountPaysNothing) {
  Rule72tRun run;
  run.UseShippedTables();
  run.h.scenario.account(1).initialAmount = -5000.0f;
  core::RecomputeInitialTotals(run.h.scenario);
  core::FinancialEvent& event = run.Add72t(50, 60, 45, engine::kSingleLife,
                                           engine::kMinimumMethod, 3.0f);
  run.h.RunText();
  EXPECT_EQ(event.amount, 0.0f);
  EXPECT_FLOAT_EQ(run.h.AccountNamed("Cash").balance, 0.0f);
}

}  // namespace
