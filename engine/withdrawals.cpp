#include "engine/withdrawals.h"

#include "core/accounts.h"
#include "core/text.h"
#include "engine/ages.h"

namespace engine {

namespace {

enum class DetailIndent { Six, Nine };

bool IsLiquid(uint16_t kind) {
  return kind == core::kInvestmentSavings || kind == core::kRetirementSavings ||
         kind == core::kTaxFreeSavings;
}

// What taking `taken` out of an account of kind 3 or 4 costs in penalties and taxes.
void ChargeWithdrawal(RunContext& ctx, core::Account& account, float taken, int purpose,
                      bool emptied) {
  const core::SlotData& slots = ctx.s().slots;
  const int slot = account.slot < core::kSlotCount ? account.slot : -1;
  if (account.kind != core::kRetirementSavings && account.kind != core::kTaxFreeSavings) return;
  if (slot < 0) return;
  if (purpose < kPurposePenalties && ctx.age < slots.penaltyAge[slot] &&
      account.penaltyApplies == 1) {
    ctx.flows.penalties += slots.penaltyRate[slot] * taken * 0.01f;
  }
  if (account.kind != core::kRetirementSavings) return;
  if (purpose < kPurposePenalties && (emptied || purpose != kPurposeTaxes)) {
    const float tax = ctx.workingTaxRate * 0.01f * taken;
    ctx.flows.taxes += tax;
    ctx.owned.withdrawalTaxes += tax;
  }
  if (!emptied && account.penaltyApplies == 1 && ctx.s().slots.penaltyStartAge[slot] == 0) {
    ctx.s().slots.penaltyStartAge[slot] = static_cast<uint16_t>(ctx.wholeAge);
  }
}

struct Taken {
  float taken;
  float rest;  // the amount still wanted
  bool emptied;
};

// The rule shared by every way of withdrawing: take the amount when the account keeps money,
// else take the whole balance. Inlined: returning the result through memory stalled each call.
[[gnu::always_inline]] inline Taken TakeFromAccount(RunContext& ctx, core::Account& account,
                                                    float wanted, int purpose, int eventIndex,
                                                    DetailIndent indent) {
  const float balance = account.balance;
  const bool keepsMoney = balance - wanted > 0.0f;
  const float taken = keepsMoney ? wanted : balance;
  if (keepsMoney) {
    account.balance -= taken;
  } else {
    account.balance = 0.0f;
  }
  ctx.totals.OfKind(account.kind) -= taken;
  RecordFiles::Amount(ctx.records.out, ctx.age, account.name, taken);
  if (ctx.options.showDetails) {
    ctx.sink.Emit(
        eventIndex,
        indent == DetailIndent::Nine && keepsMoney ? "         %s from %s" : "      %s from %s",
        Money{taken}, Name{account.name});
  }
  ChargeWithdrawal(ctx, account, taken, purpose, !keepsMoney);
  return Taken{taken, keepsMoney ? 0.0f : wanted - balance, !keepsMoney};
}

bool AllocationApplies(RunContext& ctx, const core::Account& account, float wanted) {
  const core::AccountTrailer& trailer = ctx.s().trailer();
  return trailer.aaMethod >= 1 && trailer.aaMethod <= 3 && ctx.age >= trailer.aaStartAge &&
         wanted >= trailer.aaMinimumWithdrawal && account.slot < core::kSlotCount &&
         ctx.s().slots.aaMember[account.slot] == 1;
}

void Overdraw(RunContext& ctx, float rest, int eventIndex) {
  core::Scenario& scenario = ctx.s();
  ctx.results.redFlags.liquidDepleted.Raise(ctx.wholeAge);
  for (int i = 0; i < scenario.accountCount(); ++i) {
    core::Account& account = scenario.account(i);
    if (account.kind != core::kInvestmentSavings) continue;
    account.balance -= rest;
    ctx.totals.investment -= rest;
    if (ctx.options.showDetails) {
      ctx.sink.Emit(eventIndex, "      Savings depleted -- %s withdrawn from %s.", Money{rest},
                    Name{account.name});
    }
    RecordFiles::Amount(ctx.records.out, ctx.age, account.name, rest);
    return;
  }
}

}  // namespace

void WithdrawFromAccounts(RunContext& ctx, float amount, int purpose, int eventIndex) {
  if (!ctx.InResults()) return;
  core::Scenario& scenario = ctx.s();
  float rest = amount;
  for (int i = 0; i < scenario.accountCount(); ++i) {
    core::Account& account = scenario.account(i);
    if (!IsLiquid(account.kind) || account.balance <= 0.0f) continue;
    if (AllocationApplies(ctx, account, rest)) {
      rest = WithdrawByAssetAllocation(ctx, rest, purpose, eventIndex);
      if (rest <= 0.0f) return;
      if (account.balance <= 0.0f) continue;
    }
    const Taken taken =
        TakeFromAccount(ctx, account, rest, purpose, eventIndex, DetailIndent::Nine);
    rest = taken.rest;
    if (!taken.emptied) return;
  }
  if (rest > 0.0f) Overdraw(ctx, rest, eventIndex);
}

float WithdrawFromChosenAccount(RunContext& ctx, float amount, int purpose, int eventIndex,
                                uint16_t accountId) {
  // Before the first results year the balances are not yet the plan's and nothing is paid;
  // drawing here would charge taxes and raise flags for money that never moved.
  if (!ctx.InResults()) return amount;
  const int index = ctx.AccountIndex(accountId);
  if (index < 0) return amount;  // a dangling reference supplies nothing
  core::Account& account = ctx.s().account(index);
  float rest = amount;
  if (IsLiquid(account.kind) && account.balance > 0.0f) {
    rest = TakeFromAccount(ctx, account, amount, purpose, eventIndex, DetailIndent::Six).rest;
  }
  if (rest > 0.0f) {
    ctx.sink.Emit(eventIndex,
                  "      Withdrawal account %s depleted %s withdrawn from other accounts!",
                  Name{account.name}, Money{rest});
    if (ctx.wholeAge > WholeAge(ctx.s().initial.startAge)) {
      ctx.results.redFlags.withdrawalAccountDepleted.Raise(ctx.wholeAge);
    }
  }
  return rest;
}

float FillAllocationWeights(RunContext& ctx, const AccountSet& members, int method) {
  core::Scenario& scenario = ctx.s();
  auto& weights = ctx.allocationWeights;
  weights.fill(0.0f);
  float sum = 0.0f;
  int counted = 0;
  auto counts = [&](int i) {
    return members[static_cast<size_t>(i)] && scenario.account(i).balance > 0.0f;
  };
  for (int i = 0; i < scenario.accountCount(); ++i) {
    if (!counts(i)) continue;
    sum += scenario.account(i).balance;
    ++counted;
  }
  if (sum == 0.0f) return 0.0f;
  for (int i = 0; i < scenario.accountCount(); ++i) {
    if (!counts(i)) continue;
    const float balance = scenario.account(i).balance;
    float weight = 0.0f;
    if (method == 1) weight = balance / sum;
    if (method == 2) weight = (100.0f / static_cast<float>(counted)) * 0.01f;
    if (method == 3) weight = 1.0f - balance / sum;
    weights[static_cast<size_t>(i)] = weight;
  }
  return sum;
}

void ComputeAllocationWeights(RunContext& ctx) {
  // The members of the run's index, the accounts whose slot is in the allocation, in table
  // order: the same accounts FillAllocationWeights would find, without going through the rest.
  core::Scenario& scenario = ctx.s();
  auto& weights = ctx.allocationWeights;
  weights.fill(0.0f);
  float sum = 0.0f;
  int counted = 0;
  for (const int i : ctx.index.allocationMembers) {
    const float balance = scenario.account(i).balance;
    if (!(balance > 0.0f)) continue;
    sum += balance;
    ++counted;
  }
  if (sum == 0.0f) return;
  const int method = scenario.trailer().aaMethod;
  for (const int i : ctx.index.allocationMembers) {
    const float balance = scenario.account(i).balance;
    if (!(balance > 0.0f)) continue;
    float weight = 0.0f;
    if (method == 1) weight = balance / sum;
    if (method == 2) weight = (100.0f / static_cast<float>(counted)) * 0.01f;
    if (method == 3) weight = 1.0f - balance / sum;
    weights[static_cast<size_t>(i)] = weight;
  }
}

float WithdrawByAssetAllocation(RunContext& ctx, float amount, int purpose, int eventIndex) {
  ComputeAllocationWeights(ctx);
  core::Scenario& scenario = ctx.s();
  float withdrawn = 0.0f;
  float carried = 0.0f;
  for (const int i : ctx.index.allocationMembers) {
    core::Account& account = scenario.account(i);
    const float weight = ctx.allocationWeights[static_cast<size_t>(i)];
    if (weight <= 0.0f) continue;
    const float share = amount * weight + carried;
    carried = 0.0f;
    if (IsLiquid(account.kind) && account.balance > 0.0f) {
      const Taken taken =
          TakeFromAccount(ctx, account, share, purpose, eventIndex, DetailIndent::Six);
      withdrawn += taken.taken;
      carried = taken.rest;
    }
    if (withdrawn >= amount) return 0.0f;
  }
  const float rest = amount - withdrawn;
  return rest > 1.00f ? rest : 0.0f;
}

}  // namespace engine
