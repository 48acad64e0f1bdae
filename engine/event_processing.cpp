#include "engine/event_processing.h"

#include "core/accounts.h"
#include "engine/ages.h"
#include "engine/debt_events.h"
#include "engine/rmd_year.h"
#include "engine/withdrawals.h"

namespace engine {

namespace {

using core::FinancialEvent;

bool IsOneTime(const FinancialEvent& event) { return event.oneTimeOnly == 1; }

core::Budget* BudgetOf(RunContext& ctx, const FinancialEvent& event) {
  if (!core::IsBudgetWithdrawal(event)) return nullptr;
  if (event.budgetNumber < 1 || event.budgetNumber > core::kBudgetCount) return nullptr;
  return &ctx.s().budgets[static_cast<size_t>(event.budgetNumber - 1)];
}

int ItemCount(const core::Budget& budget) {
  if (budget.itemCount < 0) return 0;
  return budget.itemCount < core::kMaxBudgetItems ? budget.itemCount : core::kMaxBudgetItems;
}

float SumOfItems(const core::Budget& budget) {
  float sum = 0.0f;
  for (int i = 0; i < ItemCount(budget); ++i) sum += budget.itemCurrentAmount[i];
  return sum;
}

core::Account* AccountById(RunContext& ctx, uint16_t accountId) {
  const int index = ctx.AccountIndex(accountId);
  return index < 0 ? nullptr : &ctx.s().account(index);
}

// The inflation of a whole age already simulated.
float InflationOfAge(const RunContext& ctx, int age) {
  if (age < 0 || age >= kAgeTableSize) return 0.0f;
  return ctx.results.inflationByAge[static_cast<size_t>(age)];
}

// An amount stated in start-age money is inflated to the year the event starts.
void ApplyStartAgeMoney(RunContext& ctx, FinancialEvent& event) {
  if (ctx.wholeAge != WholeAge(event.startAge) || event.inTodaysDollars != 1) return;
  core::Budget* budget = BudgetOf(ctx, event);
  event.runAmount = event.amount;
  if (budget != nullptr) {
    for (int i = 0; i < ItemCount(*budget); ++i) {
      budget->itemCurrentAmount[i] = budget->itemYearlyAmount[i];
    }
  }
  for (int a = WholeAge(ctx.s().initial.startAge); a <= ctx.wholeAge - 1; ++a) {
    const float factor = 1.0f + InflationOfAge(ctx, a) * 0.01f;
    if (budget == nullptr) {
      event.runAmount = event.runAmount * factor;
      continue;
    }
    for (int i = 0; i < ItemCount(*budget); ++i) {
      budget->itemCurrentAmount[i] = budget->itemCurrentAmount[i] * factor;
    }
    event.runAmount = SumOfItems(*budget);
  }
}

void MarkFinished(RunContext& ctx, FinancialEvent& event) {
  const bool done = IsOneTime(event) ? event.startAge >= ctx.age : ctx.age >= event.endAge;
  if (done) event.runState = 2;
}

bool SkipsThisYear(const RunContext& ctx, const FinancialEvent& event, bool startYearException) {
  if (ctx.age <= event.endAge) return false;
  return !(startYearException && ctx.wholeAge == WholeAge(event.startAge));
}

// The amount of the next year.
void GrowAmount(const RunContext& ctx, FinancialEvent& event) {
  float growth = 0.0f;
  if (event.appliedRate != 0.0f) growth = event.appliedRate * 0.01f;
  if (event.applyInflation == 1) growth += ctx.workingInflation * 0.01f;
  if (growth != 0.0f) event.runAmount = event.runAmount * (1.0f + growth);
}

void StartEvent(RunContext& ctx, int eventIndex);

void ChangeRates(RunContext& ctx, int eventIndex) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  ScheduleSink& sink = ctx.sink;
  sink.Emit(eventIndex, "  %s - Rate Changes: ", Name{event.description});
  if (event.rateAccountId != core::kNoAccountId) {
    core::Account* account = AccountById(ctx, event.rateAccountId);
    if (account != nullptr && account->currentRate != event.newAccountRate) {
      account->currentRate = event.newAccountRate;
      // The rate texts are printed only for a line that is kept (not in a trial).
      if (sink.Wants()) {
        sink.Emit(eventIndex, "     %s = %s", Name{account->name},
                  RateText(event.newAccountRate).c_str());
      }
    }
  }
  if (ctx.workingTaxRate != event.newTaxRate) {
    ctx.workingTaxRate = event.newTaxRate;
    if (sink.Wants()) {
      sink.Emit(eventIndex, "     Tax Rate = %s", RateText(ctx.workingTaxRate).c_str());
    }
  }
  if (ctx.workingInflation != event.newInflationRate) {
    if (!ctx.RandomRates()) {
      ctx.workingInflation = event.newInflationRate;
      // The change lasts: later years start from this rate, not from the initial one.
      ctx.currentInflation = event.newInflationRate;
    }
    if (sink.Wants()) {
      sink.Emit(eventIndex, "     Inflation Rate = %s", RateText(ctx.workingInflation).c_str());
    }
  }
  event.runState = 2;
}

void StartEvent(RunContext& ctx, int eventIndex) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  if (core::Budget* budget = BudgetOf(ctx, event)) {
    for (int i = 0; i < ItemCount(*budget); ++i) {
      budget->itemCurrentAmount[i] = budget->itemYearlyAmount[i];
    }
  }
  event.runAmount = event.amount;
  event.runState = 1;
  event.runPropertySold = 0;
  if (event.kind == core::kFundamentals) ChangeRates(ctx, eventIndex);
  if (event.kind == core::kLoan || event.kind == core::kMortgage) StartDebtEvent(ctx, eventIndex);
}

void Deposit(RunContext& ctx, int eventIndex) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  ApplyStartAgeMoney(ctx, event);
  MarkFinished(ctx, event);
  if (SkipsThisYear(ctx, event, IsOneTime(event))) return;
  const bool inResults = ctx.InResults();
  if (inResults) ctx.records.Item(ctx.age, Name{event.description}, 2, event.runAmount);
  float amount = event.runAmount;
  GrowAmount(ctx, event);
  if (!IsOneTime(event)) amount = amount * ctx.yearFraction;
  core::Account* account = AccountById(ctx, event.accountId);
  if (account == nullptr) return;  // the account is gone: no money moves
  float tax = 0.0f;
  const bool taxed = event.taxDeposit == 1;
  if (taxed) {
    tax = ctx.workingTaxRate * 0.01f * amount;
    ctx.owned.depositTaxes += tax;
    ctx.flows.taxes += tax;
    amount = (1.0f - ctx.workingTaxRate * 0.01f) * amount;
  }
  if (ctx.options.trackFlows) {
    ctx.flows.incoming += amount;
    ctx.flows.deposits += amount;
  }
  if (!inResults) return;
  account->balance += amount;
  ctx.totals.OfKind(account->kind) += amount;
  if (taxed) {
    ctx.sink.Emit(eventIndex, "  %s - Deposit %s to %s. %s tax deducted from deposit.",
                  Name{event.description}, Money{amount}, Name{account->name}, Money{tax});
  } else {
    ctx.sink.Emit(eventIndex, "  %s - Deposit %s to %s", Name{event.description}, Money{amount},
                  Name{account->name});
  }
  RecordFiles::Amount(ctx.records.in, ctx.age, account->name, amount);
}

void TrackBudgetItems(RunContext& ctx, int eventIndex, const core::Budget& budget, bool oneTime) {
  bool tracking = false;
  for (int i = 0; i < ItemCount(budget); ++i) tracking = tracking || budget.itemTrack[i] == 1;
  if (!tracking || !ctx.sink.Wants()) return;
  ctx.sink.EmitText(eventIndex, "           Tracking budget item(s):");
  for (int i = 0; i < ItemCount(budget); ++i) {
    if (budget.itemTrack[i] != 1) continue;
    float amount = budget.itemCurrentAmount[i];
    if (!oneTime) amount = amount * ctx.yearFraction;
    ctx.sink.Emit(eventIndex, "                %s - %s", Name{budget.itemName[i]}, Money{amount});
  }
}

void GrowBudgetItems(RunContext& ctx, core::Budget& budget) {
  for (int i = 0; i < ItemCount(budget); ++i) {
    float rate = budget.itemRate[i];
    if (budget.itemInflation[i] == 1) rate = rate + ctx.workingInflation;
    budget.itemCurrentAmount[i] = budget.itemCurrentAmount[i] * (1.0f + rate * 0.01f);
  }
}

void Withdraw(RunContext& ctx, int eventIndex) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  ApplyStartAgeMoney(ctx, event);
  MarkFinished(ctx, event);
  if (SkipsThisYear(ctx, event, IsOneTime(event))) return;
  core::Budget* budget = BudgetOf(ctx, event);
  if (budget != nullptr) event.runAmount = SumOfItems(*budget);
  if (ctx.InResults()) ctx.records.Item(ctx.age, Name{event.description}, 6, event.runAmount);
  float amount = IsOneTime(event) ? event.runAmount : event.runAmount * ctx.yearFraction;
  if (ctx.options.trackFlows) ctx.flows.withdrawals += amount;
  ctx.sink.Emit(eventIndex,
                budget != nullptr ? "  Budget - %s - Withdraw %s" : "  %s - Withdraw %s",
                Name{event.description}, Money{amount});
  if (budget != nullptr) {
    TrackBudgetItems(ctx, eventIndex, *budget, IsOneTime(event));
    GrowBudgetItems(ctx, *budget);
  } else {
    GrowAmount(ctx, event);
  }
  if (event.accountId != core::kNoAccountId && event.accountChosen == core::kAccountChosen) {
    amount =
        WithdrawFromChosenAccount(ctx, amount, ctx.PaymentPurpose(), eventIndex, event.accountId);
  }
  if (amount > 0.0f) WithdrawFromAccounts(ctx, amount, ctx.PaymentPurpose(), eventIndex);
}

void Transfer(RunContext& ctx, int eventIndex) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  if (core::IsRule72tTransfer(event)) {
    if (ctx.age > event.endAge) return;
    TransferFunds(ctx, eventIndex, event.amount * ctx.yearFraction);
    return;
  }
  const bool all = event.transferAll == 1;
  MarkFinished(ctx, event);
  if (all && event.startAge >= ctx.age) event.runState = 2;
  if (SkipsThisYear(ctx, event, IsOneTime(event) || all)) return;
  float amount = 0.0f;
  if (!all) {
    ApplyStartAgeMoney(ctx, event);
    amount = IsOneTime(event) ? event.runAmount : event.runAmount * ctx.yearFraction;
    GrowAmount(ctx, event);
  }
  TransferFunds(ctx, eventIndex, amount);
}

bool IsRetirementKind(uint16_t kind) {
  return kind == core::kRetirementSavings || kind == core::kTaxFreeSavings;
}

}  // namespace

void TransferFunds(RunContext& ctx, int eventIndex, float wanted) {
  if (!ctx.InResults()) return;
  FinancialEvent& event = ctx.s().events[eventIndex];
  core::Account* from = AccountById(ctx, event.fromAccountId);
  core::Account* to = AccountById(ctx, event.accountId);
  if (from == nullptr || to == nullptr) return;  // a dangling reference: nothing moves
  const bool rule72t = core::IsRule72tTransfer(event);
  // An overdrawn account has nothing to give; moving a negative amount would be nonsense.
  const float available = from->balance > 0.0f ? from->balance : 0.0f;
  float amount = wanted;
  float shortfall = 0.0f;
  if (event.transferAll == 1 && !rule72t) {
    amount = available;
  } else if (wanted > available) {
    amount = available;
    shortfall = wanted - available;
  }
  if (IsRetirementKind(from->kind) && !IsRetirementKind(to->kind)) {
    const float tax = ctx.workingTaxRate * 0.01f * amount;
    ctx.flows.taxes += tax;
    ctx.owned.withdrawalTaxes += tax;
    const int slot = from->slot;
    if (slot < core::kSlotCount && ctx.s().slots.penaltyAge[slot] > ctx.age &&
        from->penaltyApplies == 1 && !rule72t) {
      ctx.flows.penalties += ctx.s().slots.penaltyRate[slot] * amount * 0.01f;
    }
  }
  from->balance -= amount;
  to->balance += amount;
  ctx.totals.OfKind(from->kind) -= amount;
  ctx.totals.OfKind(to->kind) += amount;
  RecordFiles::TransferAmount(ctx.records.out, ctx.age, from->name, amount);
  RecordFiles::TransferAmount(ctx.records.in, ctx.age, to->name, amount);
  ctx.sink.Emit(eventIndex, "  %s %s %s from %s to %s ", Name{event.description},
                rule72t ? " Rule 72T Transfer" : " Transfer", Money{amount}, Name{from->name},
                Name{to->name});
  if (shortfall > 0.0f) {
    ctx.sink.Emit(eventIndex, "  %s - %s depleted %s not transferred!", Name{event.description},
                  Name{from->name}, Money{shortfall});
    ++ctx.results.redFlags.unfinishedTransferCount;
    ctx.results.redFlags.unfinishedTransfers.Raise(ctx.wholeAge);
  }
}

void ProcessEventYear(RunContext& ctx, int eventIndex) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  if (event.runState == 0 && event.startAge <= ctx.age) StartEvent(ctx, eventIndex);
  if (event.runState != 1) return;
  switch (event.kind) {
    case core::kRmdOption:
      if (ctx.age <= event.endAge &&
          WholeAge(event.startAge) >= WholeAge(ctx.s().initial.startAge)) {
        RunRmdYear(ctx, eventIndex, event.rmdTableNumber);
      }
      break;
    case core::kDeposit:
      Deposit(ctx, eventIndex);
      break;
    case core::kLoan:
    case core::kMortgage:
      ProcessDebtEvent(ctx, eventIndex);
      break;
    case core::kTransfer:
      Transfer(ctx, eventIndex);
      break;
    case core::kWithdrawal:
      Withdraw(ctx, eventIndex);
      break;
    default:
      break;  // asset-allocation option, empty events: only marked active
  }
}

}  // namespace engine
