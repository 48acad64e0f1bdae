// A short hand-written JSON is a whole scenario: what it leaves out keeps the new-scenario value.
#include <gtest/gtest.h>

#include <cstring>

#include "core/file_io.h"
#include "core/scenario_file.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::RunIn;
using testing_support::TempDir;

core::Scenario BuiltScenario(const TempDir& dir) {
  core::Scenario scenario = core::MakeNewScenario();
  const std::string bytes = dir.Read("OUT.RET");
  // The file holds the initial values, then eventCount events, then the account table.
  EXPECT_GE(bytes.size(), sizeof scenario.initial);
  std::memcpy(&scenario.initial, bytes.data(), sizeof scenario.initial);
  const size_t events = static_cast<size_t>(scenario.initial.eventCount);
  std::memcpy(scenario.events.data(), bytes.data() + sizeof scenario.initial,
              events * sizeof(core::FinancialEvent));
  std::memcpy(&scenario.accountTable,
              bytes.data() + sizeof scenario.initial + events * sizeof(core::FinancialEvent),
              sizeof scenario.accountTable);
  return scenario;
}

TEST(BuildDefaults, EmptyObjectIsTheNewScenarioFile) {
  TempDir dir;
  dir.Write("empty.json", "{}");
  ASSERT_EQ(RunIn(dir.path(), {"build", "empty.json", "-o", "OUT.RET"}).exitCode, 0);
  EXPECT_EQ(dir.Read("OUT.RET"), core::ScenarioFileBytes(core::MakeNewScenario()));
}

TEST(BuildDefaults, ShortJsonFillsTheRestFromTheNewScenario) {
  TempDir dir;
  dir.Write("short.json", R"({
    "initialValues": {"startAge": 40, "taxRate": 28.5},
    "accounts": [{"name": "Caf\u00e9 Fund", "kind": "equity", "initialAmount": 1234.5,
                  "penaltyAge": 62}],
    "events": [{"kind": "creditCard", "description": "Visa", "amount": 900}]
  })");
  const auto result = RunIn(dir.path(), {"build", "short.json", "-o", "OUT.RET"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const core::Scenario s = BuiltScenario(dir);
  EXPECT_FLOAT_EQ(s.initial.startAge, 40.0f);
  EXPECT_FLOAT_EQ(s.initial.taxRate, 28.5f);
  EXPECT_FLOAT_EQ(s.initial.endAge, 84.0f);  // not given: the new scenario's end age
  EXPECT_FLOAT_EQ(s.initial.inflationRate, 4.0f);
  ASSERT_EQ(s.accountCount(), 1);
  // "é" is U+00E9 in the JSON and the one byte 233 in the record.
  EXPECT_STREQ(s.account(0).name, "Caf\xe9 Fund");
  EXPECT_EQ(s.account(0).kind, core::kEquity);
  EXPECT_EQ(s.account(0).slot, 0);
  EXPECT_STREQ(s.account(0).accessOrder, " ");
  ASSERT_EQ(s.initial.eventCount, 1);
  // The word "creditCard" is a Loan record carrying the credit-card mark.
  EXPECT_EQ(s.events[0].kind, core::kLoan);
  EXPECT_EQ(s.events[0].cardMarker, core::kCardMarker);
  EXPECT_FLOAT_EQ(s.events[0].amount, 900.0f);
}

TEST(BuildDefaults, NumericKindsWithTheirMarksChooseTheVariant) {
  TempDir dir;
  dir.Write("numbers.json", R"({"events": [
    {"kind": 3, "cardMarker": 64536, "monthlyPurchases": 50},
    {"kind": 5, "transferVariant": 72, "beneficiaryAge": 48},
    {"kind": 6, "withdrawalVariant": 1, "budgetNumber": 2},
    {"kind": 3, "years": 5}
  ]})");
  const auto result = RunIn(dir.path(), {"build", "numbers.json", "-o", "OUT.RET"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const core::Scenario s = BuiltScenario(dir);
  EXPECT_TRUE(core::IsCreditCard(s.events[0]));
  EXPECT_FLOAT_EQ(s.events[0].monthlyPurchases, 50.0f);
  EXPECT_TRUE(core::IsRule72tTransfer(s.events[1]));
  EXPECT_FLOAT_EQ(s.events[1].beneficiaryAge, 48.0f);
  EXPECT_TRUE(core::IsBudgetWithdrawal(s.events[2]));
  EXPECT_EQ(s.events[2].budgetNumber, 2);
  EXPECT_EQ(s.events[3].kind, core::kLoan);
  EXPECT_FALSE(core::IsCreditCard(s.events[3]));
  EXPECT_EQ(s.events[3].years, 5);
}

}  // namespace
