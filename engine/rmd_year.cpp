#include "engine/rmd_year.h"

#include <cmath>
#include <cstdint>

#include "core/accounts.h"
#include "core/rmd_tables.h"
#include "engine/withdrawals.h"

namespace engine {

namespace {

constexpr int kProportional = 1;
constexpr int kEqual = 2;
constexpr int kAccountOrder = 3;

// Any stored value other than 1 or 2 draws in account order.
int MethodOf(const core::Scenario& scenario) {
  const uint16_t method = scenario.trailer().rmdMethod;
  return method == kProportional || method == kEqual ? method : kAccountOrder;
}

bool InTable(const core::Scenario& scenario, int index, int table) {
  return core::RmdTableOfSlot(scenario.slots, scenario.account(index).slot) == table;
}

// One year's distribution of one table.
struct Distribution {
  int age;
  int eventIndex;
  core::Account* receiver;
};

// Moves `amount` from `source` to the receiving account; taxed once as a withdrawal, without
// penalty. The total of the source's own kind falls, so that the kind totals stay the sums of
// their accounts whatever kind the user assigned to the table.
void Pay(RunContext& ctx, const Distribution& d, core::Account& source, float amount) {
  source.balance -= amount;
  ctx.totals.OfKind(source.kind) -= amount;
  d.receiver->balance += amount;
  ctx.totals.OfKind(d.receiver->kind) += amount;
  const float tax = ctx.workingTaxRate * 0.01f * amount;
  ctx.flows.taxes += tax;
  ctx.owned.withdrawalTaxes += tax;
  if (ctx.options.showDetails) {
    ctx.sink.Emit(d.eventIndex, "      %s from %s", Money{amount}, Name{source.name});
  }
  RecordFiles::Amount(ctx.records.out, static_cast<float>(d.age), source.name, amount);
}

// Account order: each account of the table that holds money gives what it has until the
// distribution is complete; a rest that nobody can supply is dropped.
void DrawInAccountOrder(RunContext& ctx, const Distribution& d, int table, float amount) {
  core::Scenario& scenario = ctx.s();
  float rest = amount;
  for (int i = 0; i < scenario.accountCount() && rest > 0.0f; ++i) {
    core::Account& account = scenario.account(i);
    if (!InTable(scenario, i, table) || account.balance <= 0.0f) continue;
    const float taken = account.balance < rest ? account.balance : rest;
    Pay(ctx, d, account, taken);
    rest -= taken;
  }
}

// One account's part of a weighted distribution; returns the shortfall carried to the next
// account. Only Retirement Savings accounts with a weight pay; the share of any other account
// is carried on whole, so that what the schedule announces is drawn wherever it can be.
float SettleShare(RunContext& ctx, const Distribution& d, core::Account& account, float weight,
                  float share) {
  const bool canPay =
      weight > 0.0f && account.kind == core::kRetirementSavings && account.balance > 0.0f;
  if (!canPay) return share;
  if (account.balance < share) {
    const float paid = account.balance;
    Pay(ctx, d, account, paid);
    return share - paid;
  }
  if (share > 0.0f) Pay(ctx, d, account, share);
  return 0.0f;
}

// Proportional or equal parts: the first pass asks each account for its weighted share plus
// what the accounts before it could not pay; a second pass offers the rest once more, account
// by account. Whatever is still missing after that is dropped.
void DrawByWeights(RunContext& ctx, const Distribution& d, int table, float amount) {
  core::Scenario& scenario = ctx.s();
  const auto& weights = ctx.allocationWeights;
  float carried = 0.0f;
  for (int i = 0; i < scenario.accountCount(); ++i) {
    if (!InTable(scenario, i, table)) continue;
    const float weight = weights[static_cast<size_t>(i)];
    carried = SettleShare(ctx, d, scenario.account(i), weight, amount * weight + carried);
  }
  for (int i = 0; i < scenario.accountCount() && carried > 0.0f; ++i) {
    if (!InTable(scenario, i, table)) continue;
    carried = SettleShare(ctx, d, scenario.account(i), weights[static_cast<size_t>(i)], carried);
  }
}

void EmitDivisorProblem(RunContext& ctx, int eventIndex, int table, int index, float divisor) {
  if (table == 2) {
    ctx.sink.Emit(eventIndex,
                  "  Required Minimum Distribution - Detected a possible problem with the Life "
                  "Expectancy Values in Table 2.-%d,%f",
                  index, divisor);
    return;
  }
  ctx.sink.Emit(eventIndex,
                "  Required Minimum Distribution - Detected a possible problem with the Life "
                "Expectancy Values in Table %d.",
                table);
}

// The index of the age's divisor, or -1 when the table starts later. Ages past the table use
// its last divisor; both problems are reported.
int DivisorIndex(RunContext& ctx, int eventIndex, int age, int32_t startAge) {
  // A stored start age may be any 32-bit number: the difference is taken in 64 bits.
  const int64_t index = static_cast<int64_t>(age) - static_cast<int64_t>(startAge);
  if (index < 0) {
    ctx.sink.Emit(eventIndex,
                  "  Required Minimum Distribution - Detected a possible problem with the start "
                  "age of the distributions %d %d %d.",
                  age, startAge, 0);
    return -1;
  }
  if (index >= core::kRmdTableLength) {
    const int last = core::kRmdTableLength - 1;
    ctx.sink.Emit(eventIndex,
                  "  Required Minimum Distribution - Detected a possible problem with the end "
                  "age of the distributions %d %d %d.",
                  age, startAge, last);
    return last;
  }
  return static_cast<int>(index);
}

core::Account* ReceivingAccount(RunContext& ctx) {
  // Stored as a signed 16-bit number; -1 reads as the "no account" identifier.
  const auto id = static_cast<uint16_t>(ctx.s().slots.rmdTransferAccountId);
  const int index = ctx.AccountIndex(id);
  return index < 0 ? nullptr : &ctx.s().account(index);
}

}  // namespace

float RmdBalanceAndWeights(RunContext& ctx, int table) {
  const core::Scenario& scenario = ctx.s();
  AccountSet members{};
  for (int i = 0; i < scenario.accountCount(); ++i) {
    members[static_cast<size_t>(i)] = InTable(scenario, i, table);
  }
  const int method = MethodOf(scenario);
  return FillAllocationWeights(ctx, members, method == kAccountOrder ? 0 : method);
}

void RunRmdYear(RunContext& ctx, int eventIndex, int table) {
  if (!core::IsRmdTableNumber(table) || !ctx.InResults()) return;
  const core::SlotData& slots = ctx.s().slots;
  const int age = ctx.wholeAge;
  const int index = DivisorIndex(ctx, eventIndex, age, core::RmdStartAge(slots, table));
  if (index < 0) return;
  const float divisor = core::RmdDivisor(slots, table, index);
  if (!(divisor > 0.0f) || !std::isfinite(divisor)) {
    EmitDivisorProblem(ctx, eventIndex, table, index, divisor);
    return;
  }
  const float amount = RmdBalanceAndWeights(ctx, table) / divisor;
  const bool shown = ctx.sink.Wants();
  const std::string description = shown ? core::RmdDescription(slots, table) : std::string();
  if (amount <= 0.0f) {
    ctx.sink.Emit(eventIndex, "  %s (using RMD Table %d) - selected RMD accounts were depleted.",
                  description, table);
    ctx.results.redFlags.rmdDepleted.Raise(age);
    return;
  }
  core::Account* receiver = ReceivingAccount(ctx);
  if (receiver == nullptr) {
    // Without a receiving account the money would leave the plan: nothing is drawn.
    ctx.sink.Emit(eventIndex,
                  "  %s (using RMD Table %d) - no \"Transfer Funds To\" account is selected; "
                  "no distribution was made.",
                  description, table);
    return;
  }
  ctx.sink.Emit(eventIndex, "  %s (using RMD Table %d) -  %s Transferred to the %s account.",
                description, table, Money{amount}, Name{receiver->name});
  const float recordAge = static_cast<float>(age);
  RecordFiles::TransferAmount(ctx.records.in, recordAge, receiver->name, amount);
  const Distribution d{age, eventIndex, receiver};
  if (MethodOf(ctx.s()) == kAccountOrder) {
    DrawInAccountOrder(ctx, d, table, amount);
  } else {
    DrawByWeights(ctx, d, table, amount);
  }
}

}  // namespace engine
