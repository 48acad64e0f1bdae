// Operations on the account table: look-up by identifier, identifiers and slots for new
// accounts, deletion with its refusals, the derived initial totals and the two orders.
#pragma once

#include <cstdint>

#include "core/scenario.h"
#include "platform/prompter.h"

namespace core {

// Index of the live account with this identifier, or -1.
int FindAccountIndex(const Scenario& scenario, uint16_t accountId);

// Gives the account at index accountCount() a fresh identifier and counts it as live.
// Identifiers wrap from 30000 back to 10, skipping those still in use.
uint16_t AllocateAccountId(Scenario& scenario);

// The slot a new account at `index` takes: the highest free slot of a deleted account, else its
// index. The slot is no longer free afterwards.
uint16_t TakeSlotForNewAccount(Scenario& scenario, int index);
// Returns a slot to the free pool with the defaults of a new account.
void FreeSlot(Scenario& scenario, int slot);

// Deletes the account at `index` unless an event needs it; each such event is named in a
// message. Returns true when the account was deleted.
bool DeleteAccount(Scenario& scenario, int index, platform::Prompter& prompter);

// Removes the account at `index` without checks: later records move up.
void RemoveAccountRecord(Scenario& scenario, int index);

// Balances and working rates from the initial values, then the totals and mean rates per kind.
void RecomputeInitialTotals(Scenario& scenario);

// Case-insensitive name order (stable). Every account list is shown in this order.
void SortAccountsByName(Scenario& scenario);
// The withdrawal order: access-order text, case-insensitive, stable ("10" before "9").
void SortAccountsByAccessOrder(Scenario& scenario);

}  // namespace core
