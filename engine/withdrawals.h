// Paying money out of the accounts: from the one account an event names, or from the liquid
// accounts in withdrawal order, spread by asset allocation when chosen, with taxes and
// penalties on retirement money and the depletion lines and red flags.
#pragma once

#include <array>

#include "engine/run_context.h"

namespace engine {

// Takes `amount` from the liquid accounts; the last resort overdraws the first Investment
// Savings account. `purpose`: the schedule mode, kPurposeTaxes or kPurposePenalties.
void WithdrawFromAccounts(RunContext& ctx, float amount, int purpose, int eventIndex);

// Takes `amount` from the account `accountId`; returns what it could not supply.
float WithdrawFromChosenAccount(RunContext& ctx, float amount, int purpose, int eventIndex,
                                uint16_t accountId);

// Spreads `amount` over the asset-allocation accounts; returns what was not taken (0 when
// the rest is at most 1.00).
float WithdrawByAssetAllocation(RunContext& ctx, float amount, int purpose, int eventIndex);

// The asset-allocation weights of the accounts, by table index; the members are those of the
// run's index (a run in progress).
void ComputeAllocationWeights(RunContext& ctx);

// Accounts picked by table index.
using AccountSet = std::array<bool, core::kMaxAccounts>;

// Weights of the `members` that hold money, into ctx.allocationWeights: by balance (method 1),
// equal (2) or the complement of the balance share (3); any other method, and every other
// account, gets 0. Returns the sum of the members' positive balances.
float FillAllocationWeights(RunContext& ctx, const AccountSet& members, int method);

}  // namespace engine
