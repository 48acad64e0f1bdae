// The example scenarios hold what the editing dialogs would have stored: existing accounts
// behind every chosen account, payments and payoffs computed from their inputs, budget events
// matching their budgets, and the derived totals and the name order of the account list.
#include <cmath>
#include <memory>
#include <set>

#include "core/events.h"
#include "core/text.h"
#include "tests/cli/example_scenarios.h"

namespace {

using cli_testing::AccountWithId;
using cli_testing::LoadExample;
using core::FinancialEvent;
using core::Scenario;

constexpr float kCent = 0.005f;

// The annuity payment P * r / (1 - 1/(1 + r)^n), the power by repeated multiplication in
// single precision as the loan dialogs compute it.
float AnnuityPayment(float principal, float monthlyRate, int months) {
  float power = 1.0f + monthlyRate;
  for (int m = 1; m < months; ++m) power *= 1.0f + monthlyRate;
  return principal * monthlyRate / (1.0f - 1.0f / power);
}

struct CardPayoff {
  int months = 0;
  float interest = 0.0f;
};

// The credit-card dialog's payoff, month by month: purchases added, a month's interest of
// rate/365*30 percent, the last month clearing the balance when less than two payments remain.
CardPayoff PayOffCard(const FinancialEvent& card) {
  CardPayoff payoff;
  float balance = card.amount;
  while (balance > 0.0f && payoff.months < 1200) {
    balance += card.monthlyPurchases;
    const float interest = balance * card.loanRate * (1.0f / 365) * 30 * 0.01f;
    payoff.interest += interest;
    if (balance - card.monthlyPayment <= card.monthlyPayment) {
      balance = 0.0f;
    } else {
      balance -= card.monthlyPayment - interest;
      if (balance <= 0.0f) break;
    }
    ++payoff.months;
  }
  return payoff;
}

class ExampleConsistency : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    example_ = LoadExample(GetParam());
    ASSERT_TRUE(example_->read);
  }
  const Scenario& s() const { return example_->scenario(); }
  bool Exists(uint16_t id) const { return AccountWithId(s(), id) != nullptr; }
  // A chosen account (marker 438) exists; no choice (marker 0) goes with account 65535.
  void ExpectChoice(uint16_t marker, uint16_t id) const {
    if (marker == core::kAccountChosen) {
      EXPECT_TRUE(Exists(id)) << "account " << id;
    } else {
      EXPECT_EQ(marker, 0);
      EXPECT_EQ(id, core::kNoAccountId);
    }
  }
  std::unique_ptr<cli_testing::LoadedExample> example_;
};

TEST_P(ExampleConsistency, AccountListIsAsTheAccountDialogsLeaveIt) {
  auto copy = std::make_unique<Scenario>(s());
  core::SortAccountsByName(*copy);
  core::RecomputeInitialTotals(*copy);
  // Name order, balance = initial amount, working rate = rate, and the derived totals.
  EXPECT_TRUE(core::ScenarioFileBytes(*copy) == example_->fileBytes);
  std::set<uint16_t> ids;
  for (int i = 0; i < s().accountCount(); ++i) {
    const core::Account& account = s().account(i);
    SCOPED_TRACE(core::TextOf(account.name));
    EXPECT_TRUE(ids.insert(account.accountId).second);
    EXPECT_LT(account.accountId, s().trailer().nextAccountId);
    EXPECT_LT(account.kind, core::kAccountKindCount);
    const uint16_t dividendTo = s().dividends.dividendAccountId[account.slot];
    if (dividendTo != core::kNoAccountId) {
      EXPECT_TRUE(Exists(dividendTo));
    }
    if (account.penaltyApplies == 1) {
      EXPECT_TRUE(account.kind == core::kRetirementSavings ||
                  account.kind == core::kTaxFreeSavings);
    }
  }
}

TEST_P(ExampleConsistency, EventsReferToExistingAccounts) {
  for (int i = 0; i < s().eventCount(); ++i) {
    const FinancialEvent& e = s().events[i];
    SCOPED_TRACE(core::TextOf(e.description));
    switch (e.kind) {
      case core::kFundamentals:
        EXPECT_EQ(e.endAge, e.startAge);
        if (e.rateAccountId != core::kNoAccountId) {
          EXPECT_TRUE(Exists(e.rateAccountId));
        }
        break;
      case core::kDeposit:
        EXPECT_TRUE(Exists(e.accountId));
        break;
      case core::kLoan:
        if (core::IsCreditCard(e)) {
          ExpectChoice(e.accountChosen, e.accountId);
        } else {
          ASSERT_TRUE(Exists(e.accountId));
          EXPECT_EQ(e.depositAccountRate, AccountWithId(s(), e.accountId)->rate);
          ExpectChoice(e.paymentAccountChosen, e.paymentAccountId);
        }
        break;
      case core::kMortgage:
        ExpectChoice(e.paymentAccountChosen, e.paymentAccountId);
        break;
      case core::kTransfer:
        EXPECT_TRUE(Exists(e.fromAccountId));
        EXPECT_TRUE(Exists(e.accountId));
        break;
      case core::kWithdrawal: {
        ExpectChoice(e.accountChosen, e.accountId);
        // An account of the asset allocation is refused as a withdrawal account.
        if (const core::Account* account = AccountWithId(s(), e.accountId)) {
          EXPECT_NE(s().slots.aaMember[account->slot], 1);
        }
        break;
      }
      case core::kAssetAllocationOption:
        EXPECT_NE(s().trailer().aaMethod, 0);
        EXPECT_EQ(e.startAge, s().trailer().aaStartAge);
        EXPECT_EQ(e.endAge, 120.0f);
        EXPECT_EQ(e.amount, s().trailer().aaMinimumWithdrawal);
        break;
      default:
        ADD_FAILURE() << "an example holds an event of kind " << e.kind;
    }
  }
}

TEST_P(ExampleConsistency, PaymentsAndPayoffsFollowFromTheirInputs) {
  for (int i = 0; i < s().eventCount(); ++i) {
    const FinancialEvent& e = s().events[i];
    SCOPED_TRACE(core::TextOf(e.description));
    if (core::IsCreditCard(e)) {
      const CardPayoff payoff = PayOffCard(e);
      EXPECT_EQ(e.payoffMonths, static_cast<float>(payoff.months));
      EXPECT_NEAR(e.payoffYears, static_cast<float>(payoff.months) / 12.0f, 1e-5f);
      EXPECT_NEAR(e.totalInterest, payoff.interest, kCent);
    } else if (e.kind == core::kLoan || e.kind == core::kMortgage) {
      const float expected =
          AnnuityPayment(e.amount - e.downPayment, e.loanRate / 100.0f / 12.0f, e.years * 12);
      EXPECT_NEAR(e.monthlyPayment, expected, kCent)
          << "amount " << e.amount << " down " << e.downPayment << " rate " << e.loanRate
          << " years " << e.years;
    }
  }
}

TEST_P(ExampleConsistency, BudgetsAndTheirWithdrawalEventsAgree) {
  for (int b = 0; b < core::kBudgetCount; ++b) {
    const core::Budget& budget = s().budgets[b];
    SCOPED_TRACE(core::TextOf(budget.budgetName));
    float total = 0.0f;
    for (int item = 0; item < budget.itemCount; ++item) {
      const float yearly =
          budget.itemMonthly[item] == 1 ? budget.itemAmount[item] * 12.0f : budget.itemAmount[item];
      EXPECT_EQ(budget.itemYearlyAmount[item], yearly);
      EXPECT_EQ(budget.itemCurrentAmount[item], yearly);
      total += yearly;
    }
    EXPECT_NEAR(budget.yearlyTotal, total, kCent);
    const FinancialEvent* event = nullptr;
    int events = 0;
    for (int i = 0; i < s().eventCount(); ++i) {
      if (core::IsBudgetWithdrawal(s().events[i]) && s().events[i].budgetNumber == b + 1) {
        event = &s().events[i];
        ++events;
      }
    }
    EXPECT_EQ(events, budget.budgetActive == 1 ? 1 : 0);
    if (event == nullptr) continue;
    EXPECT_EQ(core::TextOf(event->description), core::TextOf(budget.budgetName));
    EXPECT_EQ(event->startAge, budget.budgetStartAge);
    EXPECT_EQ(event->endAge, budget.budgetEndAge);
    EXPECT_EQ(event->amount, budget.yearlyTotal);
    EXPECT_EQ(event->runAmount, budget.yearlyTotal);
    EXPECT_EQ(event->inTodaysDollars, budget.budgetInTodaysDollars);
    if (budget.budgetAccountId == core::kNoAccountId32) {
      EXPECT_EQ(event->accountId, core::kNoAccountId);
      EXPECT_EQ(event->accountChosen, 0);
    } else {
      EXPECT_EQ(event->accountId, budget.budgetAccountId);
      EXPECT_EQ(event->accountChosen, core::kAccountChosen);
    }
  }
}

TEST_P(ExampleConsistency, RmdTablesInUseHaveDivisorsAndATransferAccount) {
  std::set<int> tablesInUse;
  for (int i = 0; i < s().accountCount(); ++i) {
    const uint16_t table = s().slots.rmdTable[s().account(i).slot];
    if (table != 0) tablesInUse.insert(table / 10);
  }
  if (tablesInUse.empty()) return;
  EXPECT_TRUE(Exists(static_cast<uint16_t>(s().slots.rmdTransferAccountId)));
  const float* values[] = {s().slots.rmdTable1Values, s().slots.rmdTable2Values,
                           s().slots.rmdTable3Values};
  for (const int table : tablesInUse) {
    SCOPED_TRACE(table);
    // Life-expectancy divisors shrink with age and stay positive.
    for (int age = 1; age < core::kRmdTableLength; ++age) {
      EXPECT_GT(values[table - 1][age], 0.0f);
      EXPECT_LT(values[table - 1][age], values[table - 1][age - 1]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleConsistency,
                         ::testing::Range(1, cli_testing::kExampleCount + 1));

}  // namespace
