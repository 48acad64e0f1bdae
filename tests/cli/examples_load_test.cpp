// The example scenarios load as they are stored, and each shows the part of the planner it was
// written for.
#include <functional>

#include "tests/cli/example_scenarios.h"

namespace {

using cli_testing::LoadExample;
using core::FinancialEvent;
using core::Scenario;

TEST(ExampleScenarios, LoadWithoutAMessageAndWithoutARepair) {
  for (int n = 1; n <= cli_testing::kExampleCount; ++n) {
    SCOPED_TRACE("EXAMPLE" + std::to_string(n));
    const auto example = LoadExample(n);
    EXPECT_TRUE(example->read);
    EXPECT_TRUE(example->prompter.Lines().empty());
    // Nothing the reader repairs: the planner holds exactly the stored bytes.
    EXPECT_TRUE(core::ScenarioFileBytes(example->scenario()) == example->fileBytes);
  }
}

int CountEvents(const Scenario& s, const std::function<bool(const FinancialEvent&)>& test) {
  int count = 0;
  for (int i = 0; i < s.eventCount(); ++i) count += test(s.events[i]) ? 1 : 0;
  return count;
}

std::function<bool(const FinancialEvent&)> OfKind(uint16_t kind) {
  return [kind](const FinancialEvent& e) { return e.kind == kind; };
}

int AccountsWith(const Scenario& s, const std::function<bool(int slot)>& test) {
  int count = 0;
  for (int i = 0; i < s.accountCount(); ++i) count += test(s.account(i).slot) ? 1 : 0;
  return count;
}

TEST(ExampleScenarios, EachExercisesItsPartOfThePlanner) {
  const auto saver = LoadExample(1);
  EXPECT_GE(CountEvents(saver->scenario(), OfKind(core::kDeposit)), 3);
  EXPECT_EQ(CountEvents(saver->scenario(),
                        [](const FinancialEvent& e) {
                          return e.kind == core::kLoan && !core::IsCreditCard(e);
                        }),
            1);

  const auto couple = LoadExample(2);
  EXPECT_EQ(CountEvents(couple->scenario(),
                        [](const FinancialEvent& e) {
                          return e.kind == core::kMortgage && e.propertyTaxes > 0 &&
                                 e.sellAge > e.startAge;
                        }),
            1);
  EXPECT_EQ(CountEvents(couple->scenario(), core::IsBudgetWithdrawal), 2);

  const auto retiree = LoadExample(3);
  const Scenario& r = retiree->scenario();
  EXPECT_GE(AccountsWith(r, [&](int slot) { return r.slots.rmdTable[slot] == 10; }), 2);
  EXPECT_GE(AccountsWith(r, [&](int slot) { return r.slots.rmdTable[slot] == 20; }), 1);
  EXPECT_GE(AccountsWith(r, [&](int slot) { return r.slots.aaMember[slot] == 1; }), 2);
  EXPECT_NE(r.trailer().aaMethod, 0);
  EXPECT_EQ(CountEvents(r, OfKind(core::kAssetAllocationOption)), 1);

  const auto early = LoadExample(4);
  EXPECT_EQ(CountEvents(early->scenario(), core::IsRule72tTransfer), 1);

  const auto debts = LoadExample(5);
  EXPECT_GE(CountEvents(debts->scenario(), core::IsCreditCard), 2);
  EXPECT_GE(CountEvents(debts->scenario(), OfKind(core::kFundamentals)), 2);

  const auto wide = LoadExample(6);
  const Scenario& w = wide->scenario();
  EXPECT_GE(w.accountCount(), 30);
  int rangedGroups = 0;
  for (int g = 0; g < core::kMaxGroups; ++g) {
    if (w.groups.groupName[g][0] != '\0' &&
        w.groups.groupRandomMinRate[g] < w.groups.groupRandomMaxRate[g]) {
      ++rangedGroups;
    }
  }
  EXPECT_GE(rangedGroups, 5);
  EXPECT_GT(w.groups.mcTrials, 100);
  EXPECT_EQ(w.groups.mcRateSource, 1);  // the group rates
  EXPECT_GT(w.groups.mcGoalAmount, 0.0f);
}

}  // namespace
