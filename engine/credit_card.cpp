#include "engine/credit_card.h"

#include "engine/ages.h"
#include "engine/debt_money.h"

namespace engine {

namespace {

// A month's interest: 30 days at the yearly rate over 365 days.
float MonthInterest(const core::FinancialEvent& card) {
  return card.runAmount * card.loanRate * (1.0f / 365.0f) * 30.0f * 0.01f;
}

int MonthsOfYear(const RunContext& ctx) {
  const float months = 12.0f * ctx.yearFraction;
  if (!(months > 0.0f)) return 0;
  return months < 12.0f ? static_cast<int>(months) : 12;
}

// The year's months: purchases, interest and payments until the card is cleared. Returns the
// year's payments.
float RunCardMonths(RunContext& ctx, core::FinancialEvent& card) {
  float paid = 0.0f;
  for (int month = 0; month < MonthsOfYear(ctx); ++month) {
    card.runAmount += card.monthlyPurchases;
    // Purchases are owed like the rest of the balance.
    ctx.totals.liabilities += card.monthlyPurchases;
    const float interest = MonthInterest(card);
    ctx.flows.interestPaid += interest;
    if (card.runAmount - card.monthlyPayment < card.monthlyPayment) {
      // Less than two payments owed: the whole balance is paid this month.
      paid += card.runAmount;
      ctx.flows.withdrawals += card.runAmount;
      ctx.totals.liabilities -= card.runAmount;
      card.runAmount = 0.0f;
      break;
    }
    card.runAmount -= card.monthlyPayment - interest;
    ctx.totals.liabilities -= card.monthlyPayment - interest;
    paid += card.monthlyPayment;
    ctx.flows.withdrawals += card.monthlyPayment;
  }
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
