// The "Rule 72T Distribution" dialog's work: its checks in order with their messages, the event
// it stores, and "Calculate" from the balance a run finds at the start age.
#include "engine/rule72t_dialog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/engine/engine_harness.h"

namespace {

using engine::Rule72tFields;

Rule72tFields ValidFields(uint16_t from = 0, uint16_t to = 1) {
  Rule72tFields fields;
  fields.description = "Early income";
  fields.startAge = 50.7f;
  fields.endAge = 60.2f;
  fields.beneficiaryAge = 45.5f;
  fields.ratePercent = 5.0f;
  fields.fromAccountId = from;
  fields.toAccountId = to;
  return fields;
}

TEST(Rule72tDialog, CalculationChecksInTheirOrder) {
  struct Case {
    float owner, beneficiary, end, rate;
    int table;
    const char* shown;
  };
  const Case cases[] = {
      {9, 120, 60, 0, engine::kUniformLife,
       "Age Error: Ages cannot be less than 10 when using the Uniform Life Table."},
      {50, 116, 60, 0, engine::kSingleLife, "Age Error: Ages cannot be more than 115."},
      {50, 45, 60, 0, engine::kSingleLife, "Rate Error: Rates must be between 0.0% and 100.0%"},
      {50, 45, 60, 100.5f, engine::kSingleLife,
       "Rate Error: Rates must be between 0.0% and 100.0%"},
      {0, 45, 60, 5, engine::kSingleLife, "Age Error: Ages must be greater than 0.0"},
      {50, 45, 49, 5, engine::kSingleLife, "Age Error: The End Age must be greater than the Age."},
      {50, 45, 50, 100, engine::kJointLife, nullptr},
  };
  for (const Case& c : cases) {
    platform::ScriptedPrompter prompter;
    const bool passed =
        engine::CheckRule72tCalculation(prompter, c.owner, c.beneficiary, c.end, c.rate, c.table);
    if (c.shown == nullptr) {
      EXPECT_TRUE(passed);
      EXPECT_TRUE(prompter.Lines().empty());
    } else {
      EXPECT_FALSE(passed) << c.shown;
      EXPECT_EQ(prompter.Lines(), std::vector<std::string>{c.shown});
    }
  }
}

TEST(Rule72tDialog, StoresTheFieldsAsAWholeYearsRule72tTransfer) {
  engine_test::Harness h;
  core::FinancialEvent event{};
  Rule72tFields fields = ValidFields(3, 4);
  fields.description = std::string(60, 'd');
  fields.table = engine::kJointLife;
  fields.method = engine::kMinimumMethod;
  ASSERT_TRUE(engine::StoreRule72tFields(h.platform.prompter, h.scenario, fields, event));
  EXPECT_EQ(core::TextOf(event.description), std::string(49, 'd'));
  EXPECT_EQ(event.startAge, 50.0f);
  EXPECT_EQ(event.endAge, 60.0f);
  EXPECT_EQ(event.beneficiaryAge, 45.0f);
  EXPECT_EQ(event.loanRate, 5.0f);
  EXPECT_EQ(event.lifeTable, 2);
  EXPECT_EQ(event.rule72tMethod, 2);
  EXPECT_EQ(event.fromAccountId, 3);
  EXPECT_EQ(event.accountId, 4);
  EXPECT_EQ(event.kind, core::kTransfer);
  EXPECT_EQ(event.transferVariant, core::kRule72tTransfer);
  EXPECT_TRUE(h.platform.prompter.Lines().empty());
}

TEST(Rule72tDialog, FieldRefusalsAndThePenaltyWarning) {
  engine_test::Harness h;
  const uint16_t ira = h.AddAccount("IRA", core::kRetirementSavings, 1000.0f, 0.0f);
  struct Case {
    float start, end, beneficiary, rate;
    bool stored;
    std::vector<std::string> shown;
  };
  const std::string penalty =
      "Penalty Warning: To avoid a penalty, the End Age should be 5 years greater than the Start "
      "Age or 60.\nWhichever is longer.";
  const Case cases[] = {
      {0.5f, 60, 45, 5, false, {"AGE ERROR: This age must be between 1.0 and 120.0."}},
      {50, 121, 45, 5, false, {"END AGE ERROR: This age must be between 1.0 and 120.0."}},
      {50, 53, 45, 5, true, {penalty}},  // 3 years after the start
      {55, 58, 45, 5, true, {penalty}},  // below 60
      {50, 60, 0, 5, false, {"BENEFICIARY AGE ERROR: This age must be between 1.0 and 120.0."}},
      {50, 60, 45, 20.5f, false,
       {"APPLY RATE ERROR: The Applied Rate must be between -20.0% and 20.0%"}},
      {50, 60, 45, -20, true, {}},
  };
  for (const Case& c : cases) {
    h.platform.prompter.Clear();
    Rule72tFields fields = ValidFields(ira);
    fields.startAge = c.start;
    fields.endAge = c.end;
    fields.beneficiaryAge = c.beneficiary;
    fields.ratePercent = c.rate;
    core::FinancialEvent event{};
    EXPECT_EQ(engine::StoreRule72tFields(h.platform.prompter, h.scenario, fields, event),
              c.stored);
    EXPECT_EQ(h.platform.prompter.Lines(), c.shown);
  }
  // An account of the asset allocation is refused.
  h.platform.prompter.Clear();
  h.scenario.slots.aaMember[h.SlotOf(ira)] = 1;
  core::FinancialEvent event{};
  EXPECT_FALSE(
      engine::StoreRule72tFields(h.platform.prompter, h.scenario, ValidFields(ira), event));
  EXPECT_EQ(h.platform.prompter.Lines(),
            std::vector<std::string>{"Account Warning: You cannot select an account that is "
                                     "part of an Asset Allocation!"});
}

TEST(Rule72tDialog, CalculateTakesTheBalanceAtTheStartAgeFromARun) {
  engine_test::Harness h;
  h.scenario.initial.startAge = 48.0f;
  h.scenario.initial.endAge = 60.0f;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  const uint16_t ira = h.AddAccount("IRA", core::kRetirementSavings, 380952.38f, 10.0f);
  // Two years at 10 % (ages 48 and 49): 380,952.38 × 1.21 = 460,952.38 at 50; with
  // Es(50) = 34.2 the minimum is 460,952.38 / 34.2 = 13,478.14.
  std::ifstream in(std::string(KX_SOURCE_DATA_DIR) + "/mort.dat", std::ios::binary);
  h.dir.Write("mort.dat", std::string(std::istreambuf_iterator<char>(in), {}));
  Rule72tFields fields = ValidFields(ira, cash);
  fields.method = engine::kMinimumMethod;
  const engine::Rule72tDialogEnvironment env{h.platform.prompter, h.dir.path(), h.ctx->env.today,
                                             '$'};
  const float before = h.scenario.account(1).balance;
  const auto result = engine::CalculateRule72t(env, h.scenario, fields);
  ASSERT_TRUE(result.has_value());
  EXPECT_NEAR(result->balance, 460952.38f, 0.02f);
  EXPECT_EQ(result->balanceText, "460952.38    ");
  EXPECT_NEAR(result->payments.payment, 13478.14f, 0.01f);
  EXPECT_EQ(result->annualWithdrawalText, "$13,478");
  EXPECT_EQ(result->minimumText, "$13,478");
  // The caller's scenario is not touched by the probe run.
  EXPECT_EQ(h.scenario.account(1).balance, before);
  // A failed check gives nothing.
  fields.ratePercent = 0.0f;
  EXPECT_FALSE(engine::CalculateRule72t(env, h.scenario, fields).has_value());
}

}  // namespace
