#include "engine/debt_sale.h"

#include "engine/debt_money.h"

namespace engine {

namespace {

using core::FinancialEvent;

float Remaining(const FinancialEvent& event) {
  return LoanPrincipal(event) - event.runPrincipalPaid;
}

void SellEquity(RunContext& ctx, int eventIndex, float value) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  ctx.sink.Emit(eventIndex, "  %s - Sold equity for %s", Name{event.description}, Money{value});
  ctx.totals.equity -= value;
  DepositSaleProceeds(ctx, eventIndex, value);
  if (core::Account* account = LoanAccount(ctx, event)) account->balance -= value;
  event.runAmount = 0.0f;
}

void SellAsset(RunContext& ctx, int eventIndex, float value) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  ctx.sink.Emit(eventIndex, "  %s - Sold asset for %s", Name{event.description}, Money{value});
  ctx.totals.asset -= value;
  ctx.totals.liabilities -= Remaining(event);
  DepositSaleProceeds(ctx, eventIndex, value);
  if (core::Account* account = LoanAccount(ctx, event)) account->balance -= value;
  event.runAmount = 0.0f;
}

void SellProperty(RunContext& ctx, int eventIndex, float value) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  const float expenses = event.sellingCostPercent * 0.01f * value;
  const float remaining = Remaining(event);
  event.runPropertySold = 1;
  if (event.runMortgagePaidOff == 1) {
    // Paid off at the payoff age: nothing is owed any more and the whole value is equity.
    ctx.totals.equity -= value;
  } else {
    ctx.totals.liabilities -= remaining;
    ctx.totals.equity -= (event.runPrincipalPaid + event.downPayment) + (value - event.amount);
    ctx.totals.asset -= remaining;
  }
  ctx.sink.Emit(eventIndex, "  %s - Sold property for %s", Name{event.description},
                Money{value});
  ctx.sink.Emit(eventIndex, "     Selling expenses = %s", Money{expenses});
  DepositSaleProceeds(ctx, eventIndex, value - expenses);
  event.runAmount = 0.0f;
}

// Closing steps of every sale: what is still owed is paid off from the accounts.
// `stillOwed` is true when the sale itself has not taken the rest off the liabilities.
void CloseAfterSale(RunContext& ctx, int eventIndex, bool stillOwed, bool assetLoan) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  const bool mortgage = event.kind == core::kMortgage;
  if (event.runPaidOff == 0) {
    const float remaining = Remaining(event);
    ctx.sink.Emit(eventIndex, mortgage ? "   Paid off mortgage with %s" : "   Paid off loan with %s",
                  Money{remaining});
    if (stillOwed) ctx.totals.liabilities -= remaining;
    if (mortgage) ctx.mortgagePrincipal += remaining;
    PayDebtMoney(ctx, eventIndex, remaining);
    event.runPaidOff = 1;
  }
  if (LoanPrincipal(event) > event.runPrincipalPaid) {
    ctx.sink.Emit(eventIndex, "    Total Principal=%s Total Interest=%s",
                  Money{event.runPrincipalPaid}, Money{event.runInterestPaid});
  }
  if (assetLoan) event.runPrincipalPaid = LoanPrincipal(event);
}

}  // namespace

bool SaleIsDue(const RunContext& ctx, const FinancialEvent& event) {
  return event.sellAge > 0.0f && event.sellAge > event.startAge && ctx.age >= event.sellAge;
}

void SellAtSellAge(RunContext& ctx, int eventIndex) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  event.runState = 2;
  const float value = event.runAmount;
  if (event.kind == core::kMortgage) {
    SellProperty(ctx, eventIndex, value);
    CloseAfterSale(ctx, eventIndex, false, false);
    return;
  }
  switch (HoldingOf(ctx, event)) {
    case LoanHolding::Asset:
      SellAsset(ctx, eventIndex, value);
      CloseAfterSale(ctx, eventIndex, false, true);
      return;
    case LoanHolding::Equity:
      SellEquity(ctx, eventIndex, value);
      break;
    default:
      break;  // money put into savings: nothing to sell
  }
  // Equity and savings loans: the sale has not lowered the liabilities, the payoff does.
  CloseAfterSale(ctx, eventIndex, true, false);
}

}  // namespace engine
