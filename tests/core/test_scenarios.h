// Small scenarios built in code for the core's tests.
#pragma once

#include <string_view>

#include "core/accounts.h"
#include "core/events.h"
#include "core/scenario.h"
#include "core/text.h"

namespace core::testing {

// Adds a live account as its dialog would save it; returns its index.
inline int AddAccount(Scenario& s, std::string_view name, AccountKind kind, float amount,
                      float rate, std::string_view accessOrder = " ") {
  const int index = s.accountCount();
  Account& a = s.account(index);
  CopyText(a.name, name);
  CopyText(a.accessOrder, accessOrder);
  a.kind = kind;
  a.initialAmount = amount;
  a.rate = rate;
  a.balance = amount;
  a.currentRate = rate;
  a.slot = TakeSlotForNewAccount(s, index);
  AllocateAccountId(s);
  return index;
}

// Appends an event of the kind with a description and start age; returns it.
inline FinancialEvent& AddEvent(Scenario& s, EventKind kind, std::string_view description,
                                float startAge) {
  const int index = AppendEvent(s);
  FinancialEvent& e = s.events[index];
  e.kind = kind;
  e.startAge = startAge;
  e.endAge = startAge;
  CopyText(e.description, description);
  return e;
}

}  // namespace core::testing
