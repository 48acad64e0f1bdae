// Money moved by loans, mortgages and credit cards: the principal owed, paying from the
// accounts (the event's chosen account first) and the deposit of sale proceeds.
#pragma once

#include "engine/run_context.h"

namespace engine {

// The borrowed principal P: the amount less the down payment.
inline float LoanPrincipal(const core::FinancialEvent& event) {
  return event.amount - event.downPayment;
}

// What a loan's money was put into: an Asset or Equity account (something that can be sold
// later), a savings account, or an account that no longer exists.
enum class LoanHolding { Asset, Equity, Savings, Missing };
LoanHolding HoldingOf(RunContext& ctx, const core::FinancialEvent& event);

// The account of a loan (the one its money went into), or null.
core::Account* LoanAccount(RunContext& ctx, const core::FinancialEvent& event);

// Pays `amount` for debt event `eventIndex`: from its chosen payment account first (a card's
// chosen account), the rest from the liquid accounts.
void PayDebtMoney(RunContext& ctx, int eventIndex, float amount);

// Puts sale proceeds into the first Investment Savings account in table order, or only into
// the investment total when there is none.
void DepositSaleProceeds(RunContext& ctx, int eventIndex, float amount);

}  // namespace engine
