#include "engine/credit_card.h"

#include "engine/ages.h"
#include "engine/debt_money.h"

namespace engine {

namespace {

// A month's interest: 30 days at the yearly rate over 365 days.
float MonthInterest(float owed, float loanRate) {
  return owed * loanRate * (1.0f / 365.0f) * 30.0f * 0.01f;
}

int MonthsOfYear(const RunContext& ctx) {
  const float months = 12.0f * ctx.yearFraction;
  if (!(months > 0.0f)) return 0;
  return months < 12.0f ? static_cast<int>(months) : 12;
}

// The year's months: purchases, interest and payments until the card is cleared. Returns the
// year's payments.
float RunCardMonths(RunContext& ctx, core::FinancialEvent& card) {
  // The running values are kept in locals and stored once: the same additions in the same
  // order, without storing and reloading each of them every month.
  float paid = 0.0f;
  float owed = card.runAmount;
  float liabilities = ctx.totals.liabilities;
  float interestPaid = ctx.flows.interestPaid;
  float withdrawals = ctx.flows.withdrawals;
  const float purchases = card.monthlyPurchases;
  const float payment = card.monthlyPayment;
  const int months = MonthsOfYear(ctx);
  for (int month = 0; month < months; ++month) {
    owed += purchases;
    // Purchases are owed like the rest of the balance.
    liabilities += purchases;
    const float interest = MonthInterest(owed, card.loanRate);
    interestPaid += interest;
    if (owed - payment < payment) {
      // Less than two payments owed: the whole balance is paid this month.
      paid += owed;
      withdrawals += owed;
      liabilities -= owed;
      owed = 0.0f;
      break;
    }
    owed -= payment - interest;
    liabilities -= payment - interest;
    paid += payment;
    withdrawals += payment;
  }
  card.runAmount = owed;
  ctx.totals.liabilities = liabilities;
  ctx.flows.interestPaid = interestPaid;
  ctx.flows.withdrawals = withdrawals;
  return paid;
}

void PayOffCard(RunContext& ctx, int eventIndex) {
  core::FinancialEvent& card = ctx.s().events[eventIndex];
  card.runPaidOff = 1;
  if (card.runAmount <= 0.0f) return;
  const float rest = card.runAmount;
  ctx.sink.Emit(eventIndex, "   %s - Paid off credit card with %s", Name{card.description},
                Money{rest});
  ctx.totals.liabilities -= rest;
  ctx.flows.withdrawals += rest;
  PayDebtMoney(ctx, eventIndex, rest);
  card.runAmount = 0.0f;
}

}  // namespace

void StartCreditCard(RunContext& ctx, int eventIndex) {
  const core::FinancialEvent& card = ctx.s().events[eventIndex];
  if (WholeAge(card.startAge) < ctx.resultsStartAge) ctx.totals.liabilities += card.runAmount;
}

// Offset 10 of a card holds the months to pay it off, not a sell age: a card is never sold.
void ProcessCreditCardYear(RunContext& ctx, int eventIndex) {
  core::FinancialEvent& card = ctx.s().events[eventIndex];
  if (ctx.age < card.endAge) {
    if (card.runAmount <= 0.0f) return;
    const float paid = RunCardMonths(ctx, card);
    ctx.sink.Emit(eventIndex, "  %s - Withdraw %s to pay off credit card.",
                  Name{card.description}, Money{paid});
    PayDebtMoney(ctx, eventIndex, paid);
    return;
  }
  if (card.runPaidOff == 0) PayOffCard(ctx, eventIndex);
}

}  // namespace engine
