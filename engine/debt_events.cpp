#include "engine/debt_events.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "engine/ages.h"
#include "engine/credit_card.h"
#include "engine/debt_money.h"
#include "engine/debt_payments.h"
#include "engine/debt_sale.h"

namespace engine {

namespace {

using core::FinancialEvent;

constexpr uint16_t kExtraFromPlanStart = 2;  // extra payments from the initial start age
constexpr uint16_t kExtraFromDebtStart = 3;  // extra payments from the debt's own start

bool IsMortgage(const FinancialEvent& event) { return event.kind == core::kMortgage; }

bool SameBits(float a, float b) { return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b); }

float MonthlyRate(const FinancialEvent& event) { return event.loanRate * 0.01f / 12.0f; }

int Months(const FinancialEvent& event) { return static_cast<int>(event.years) * 12; }

void StartLoan(RunContext& ctx, int eventIndex) {
  FinancialEvent& loan = ctx.s().events[eventIndex];
  core::Account* account = LoanAccount(ctx, loan);
  if (account == nullptr) {
    // The account the money was to go into is gone: nothing is borrowed.
    loan.runState = 2;
    return;
  }
  account->balance += loan.amount;
  ctx.totals.OfKind(account->kind) += loan.amount;
  ctx.totals.liabilities += loan.amount;
  if (ctx.options.trackFlows) {
    ctx.flows.incoming += loan.amount;
    ctx.flows.loanProceeds += loan.amount;
  }
  const bool holding = account->kind == core::kAsset || account->kind == core::kEquity;
  ctx.sink.Emit(eventIndex,
                holding ? "  %s - Transfer %s to %s from loan" : "  %s - Deposit %s to %s from loan",
                Name{loan.description}, Money{loan.amount}, Name{account->name});
  if (loan.downPayment <= 0.0f) return;
  ctx.sink.Emit(eventIndex, "  %s - Withdraw %s for down payment", Name{loan.description},
                Money{loan.downPayment});
  ctx.totals.liabilities -= loan.downPayment;
  if (ctx.options.trackFlows) {
    ctx.flows.incoming -= loan.downPayment;
    ctx.flows.loanProceeds -= loan.downPayment;
  }
  PayDebtMoney(ctx, eventIndex, loan.downPayment);
}

void StartMortgage(RunContext& ctx, int eventIndex) {
  FinancialEvent& mortgage = ctx.s().events[eventIndex];
  const float principal = LoanPrincipal(mortgage);
  mortgage.runMortgagePaidOff = 0;
  ctx.totals.asset += principal;
  ctx.totals.liabilities += principal;
  if (mortgage.downPayment > 0.0f) {
    ctx.totals.equity += mortgage.downPayment;
    if (mortgage.downPaymentToEquity == 1) {
      ctx.sink.Emit(eventIndex, "  %s - %s to equity.", Name{mortgage.description},
                    Money{mortgage.downPayment});
    } else {
      ctx.sink.Emit(eventIndex, "  %s - Withdraw %s for down payment",
                    Name{mortgage.description}, Money{mortgage.downPayment});
      PayDebtMoney(ctx, eventIndex, mortgage.downPayment);
    }
  }
  if (mortgage.closingCosts <= 0.0f) return;
  ctx.sink.Emit(eventIndex, "  %s - Withdraw %s for closing costs", Name{mortgage.description},
                Money{mortgage.closingCosts});
  if (ctx.options.trackFlows) ctx.owned.closingCosts += mortgage.closingCosts;
  PayDebtMoney(ctx, eventIndex, mortgage.closingCosts);
}

// The extra monthly payment of this year and the month it applies from.
struct ExtraPayment {
  float amount = 0.0f;
  int fromMonth = 0;
};

ExtraPayment ExtraOfYear(const RunContext& ctx, const FinancialEvent& event) {
  const int planStart = WholeAge(ctx.s().initial.startAge);
  const int monthsBeforePlan = (planStart - WholeAge(event.startAge)) * 12;
  ExtraPayment extra;
  if (event.extraPaymentStart == kExtraFromPlanStart) {
    extra.fromMonth = monthsBeforePlan > 0 ? monthsBeforePlan : 0;
    if (ctx.wholeAge >= planStart) extra.amount = event.extraMonthlyPayment;
  } else if (event.extraPaymentStart == kExtraFromDebtStart) {
    extra.amount = event.extraMonthlyPayment;
  }
  return extra;
}

bool SameTerms(const ScheduleTerms& a, const ScheduleTerms& b) {
  return SameBits(a.principal, b.principal) && SameBits(a.monthlyRate, b.monthlyRate) &&
         a.months == b.months && SameBits(a.payment, b.payment) && SameBits(a.extra, b.extra) &&
         a.extraFrom == b.extraFrom;
}

// Months first..first + 11 of the debt's schedule, from the memo of an earlier replay with the
// same terms when it holds the year; the debt's place is left where the replay would leave it.
AmortizedMonths AmortizeYear(RunContext& ctx, int eventIndex, const ScheduleTerms& terms,
                             int first) {
  SchedulePlace& place = ctx.debtSchedules[static_cast<size_t>(eventIndex)];
  ScheduleMemo& memo = ctx.debtYears[static_cast<size_t>(eventIndex)];
  const int yearIndex = first / 12;
  if (first % 12 != 0 || yearIndex >= ScheduleMemo::kYears) {
    return AmortizeMonthsFrom(place, terms, first, first + 11);
  }
  if (!memo.held || !SameTerms(memo.terms, terms)) {
    memo.held = true;
    memo.terms = terms;
    for (ScheduleMemo::Year& year : memo.years) year.held = false;
  }
  ScheduleMemo::Year& year = memo.years[static_cast<size_t>(yearIndex)];
  if (year.held) {
    place.terms = terms;
    place.month = year.month;
    place.balance = year.balance;
    return year.sums;
  }
  const AmortizedMonths sums = AmortizeMonthsFrom(place, terms, first, first + 11);
  year = ScheduleMemo::Year{true, sums, place.month, place.balance};
  return sums;
}

// Twelve monthly payments of a loan or mortgage. The schedule moves on by twelve months even
// in a partial first year; only the money drawn is scaled by the year fraction.
void PayYear(RunContext& ctx, int eventIndex) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  if (event.startAge + static_cast<float>(event.years) <= ctx.age) event.runPaidOff = 1;
  if (ctx.age == event.sellAge || ctx.age >= event.endAge || event.runPaidOff == 1) return;
  const ExtraPayment extra = ExtraOfYear(ctx, event);
  // The payment was worked out when the debt started; the schedule goes on from last year's
  // place instead of being replayed from its first month.
  const ScheduleTerms terms{LoanPrincipal(event), MonthlyRate(event), Months(event),
                            event.monthlyPayment, extra.amount,       extra.fromMonth};
  const int first = event.runMonthsPaid;
  const AmortizedMonths year = AmortizeYear(ctx, eventIndex, terms, first);
  event.runMonthsPaid = static_cast<uint16_t>(event.runMonthsPaid + 12);
  event.runPrincipalPaid += year.principal;
  event.runInterestPaid += year.interest;
  const float f = ctx.yearFraction;
  if (ctx.options.trackFlows) ctx.flows.interestPaid += year.interest * f;
  ctx.totals.liabilities -= year.principal;
  if (IsMortgage(event)) {
    ctx.mortgagePrincipal += year.principal;
    ctx.totals.equity += year.principal;
    ctx.totals.asset -= year.principal;
  }
  if (!ctx.InResults() || !(year.principal > 0.0f)) return;
  const float paid = (year.principal + year.interest) * f;
  ctx.sink.Emit(eventIndex, "  %s - Withdraw %s for monthly payments - principal=%s interest=%s",
                Name{event.description}, Money{paid}, Money{year.principal * f},
                Money{year.interest * f});
  PayDebtMoney(ctx, eventIndex, paid);
}

bool InflatesTaxes(const FinancialEvent& event) {
  return event.kind == core::kMortgage && event.inflateTaxes == 1;
}

// Taxes grown by `factor` once for every whole year from the purchase to this one.
float InflatedTaxes(const RunContext& ctx, const FinancialEvent& mortgage, float taxes,
                    float factor) {
  for (int year = WholeAge(mortgage.startAge); year < ctx.wholeAge; ++year) {
    taxes = taxes * factor;
  }
  return taxes;
}

// The year's inflated taxes of every mortgage that inflates them and may pay them this year
// (not sold). Mortgages with the same yearly taxes share one chain of multiplications, whose
// k-th value is what k multiplications of their own would give; each distinct amount has a
// chain as long as its oldest mortgage's.
void FillPropertyTaxYear(RunContext& ctx) {
  PropertyTaxYear& year = ctx.propertyTaxes;
  year.valid = true;
  year.wholeAge = ctx.wholeAge;
  year.inflation = ctx.workingInflation;
  year.yearFraction = ctx.yearFraction;
  year.filled.fill(false);
  const float factor = 1.0f + ctx.workingInflation * 0.01f;
  // A step count beyond any age a run reaches comes from a damaged age; such a mortgage is
  // worked out on its own when it asks.
  constexpr int kMostSteps = 256;
  struct Need {
    int16_t event;
    int steps;
    float base;
  };
  std::array<Need, core::kEventTableCapacity> needs;
  int count = 0;
  for (const int e : ctx.index.property) {
    const FinancialEvent& mortgage = ctx.s().events[e];
    if (!InflatesTaxes(mortgage) || mortgage.runState == 2) continue;
    const int steps = ctx.wholeAge - WholeAge(mortgage.startAge);
    if (steps > kMostSteps) continue;
    needs[static_cast<size_t>(count++)] =
        Need{static_cast<int16_t>(e), steps > 0 ? steps : 0,
             mortgage.propertyTaxes * ctx.yearFraction};
  }
  std::array<float, kMostSteps + 1> chain;
  for (int first = 0; first < count; ++first) {
    const Need& lead = needs[static_cast<size_t>(first)];
    if (year.filled[static_cast<size_t>(lead.event)]) continue;
    int most = 0;
    for (int j = first; j < count; ++j) {
      const Need& need = needs[static_cast<size_t>(j)];
      if (SameBits(need.base, lead.base)) most = std::max(most, need.steps);
    }
    chain[0] = lead.base;
    for (size_t k = 1; k <= static_cast<size_t>(most); ++k) chain[k] = chain[k - 1] * factor;
    for (int j = first; j < count; ++j) {
      const Need& need = needs[static_cast<size_t>(j)];
      if (!SameBits(need.base, lead.base)) continue;
      year.taxes[static_cast<size_t>(need.event)] = chain[static_cast<size_t>(need.steps)];
      year.filled[static_cast<size_t>(need.event)] = true;
    }
  }
}

// Yearly property taxes of a mortgaged property that is still owned, grown with this year's
// inflation for every whole year since the purchase when asked.
void PayPropertyTaxes(RunContext& ctx, int eventIndex) {
  FinancialEvent& mortgage = ctx.s().events[eventIndex];
  if (mortgage.runPropertySold != 0 || ctx.age == mortgage.sellAge) return;
  float taxes = mortgage.propertyTaxes * ctx.yearFraction;
  if (!(taxes >= 1.00f)) return;
  if (mortgage.inflateTaxes == 1) {
    const PropertyTaxYear& year = ctx.propertyTaxes;
    if (!year.valid || year.wholeAge != ctx.wholeAge ||
        !SameBits(year.inflation, ctx.workingInflation) ||
        !SameBits(year.yearFraction, ctx.yearFraction)) {
      FillPropertyTaxYear(ctx);
    }
    const auto index = static_cast<size_t>(eventIndex);
    taxes = year.filled[index]
                ? year.taxes[index]
                : InflatedTaxes(ctx, mortgage, taxes, 1.0f + ctx.workingInflation * 0.01f);
  }
  ctx.sink.Emit(eventIndex, "  Withdraw %s for property taxes", Money{taxes});
  ctx.owned.propertyTaxes += taxes;
  ctx.flows.taxes += taxes;
  PayDebtMoney(ctx, eventIndex, taxes);
}

// The rest of the loan is paid off at the payoff age, unless the term has already ended.
void PayOffAtPayoffAge(RunContext& ctx, int eventIndex) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  if (ctx.age < event.endAge || event.runPaidOff != 0) return;
  event.runPaidOff = 1;
  const float remaining = LoanPrincipal(event) - event.runPrincipalPaid;
  ctx.totals.liabilities -= remaining;
  if (IsMortgage(event)) {
    ctx.sink.Emit(eventIndex, "   %s - Paid off mortgage with %s", Name{event.description},
                  Money{remaining});
    ctx.totals.asset -= remaining;
    ctx.totals.equity += remaining;
    ctx.mortgagePrincipal += remaining;
    event.runMortgagePaidOff = 1;
  } else {
    ctx.sink.Emit(eventIndex, "   %s - Paid off loan with %s", Name{event.description},
                  Money{remaining});
  }
  PayDebtMoney(ctx, eventIndex, remaining);
  ctx.sink.Emit(eventIndex, "    Total Principal=%s Total Interest=%s",
                Money{event.runPrincipalPaid}, Money{event.runInterestPaid});
  if (!IsMortgage(event) && HoldingOf(ctx, event) == LoanHolding::Asset) {
    event.runPrincipalPaid = LoanPrincipal(event);
  }
}

}  // namespace

void StartDebtEvent(RunContext& ctx, int eventIndex) {
  FinancialEvent& event = ctx.s().events[eventIndex];
  if (core::IsCreditCard(event)) {
    StartCreditCard(ctx, eventIndex);
    return;
  }
  // The payment takes a multiplication per month of the term; a debt started before with the
  // same terms (the last run, the last trial) has the same payment.
  const float principal = LoanPrincipal(event);
  const float rate = MonthlyRate(event);
  const int months = Months(event);
  PaymentMemo& memo = ctx.debtPayments[static_cast<size_t>(eventIndex)];
  if (!memo.held || !SameBits(memo.principal, principal) || !SameBits(memo.monthlyRate, rate) ||
      memo.months != months) {
    memo = PaymentMemo{true, principal, rate, months, MonthlyPayment(principal, rate, months)};
  }
  event.monthlyPayment = memo.payment;
  if (IsMortgage(event)) {
    StartMortgage(ctx, eventIndex);
  } else {
    StartLoan(ctx, eventIndex);
  }
}

void ProcessDebtEvent(RunContext& ctx, int eventIndex) {
  const FinancialEvent& event = ctx.s().events[eventIndex];
  if (core::IsCreditCard(event)) {
    ProcessCreditCardYear(ctx, eventIndex);
    return;
  }
  PayYear(ctx, eventIndex);
  if (IsMortgage(event)) PayPropertyTaxes(ctx, eventIndex);
  PayOffAtPayoffAge(ctx, eventIndex);
  if (SaleIsDue(ctx, event)) SellAtSellAge(ctx, eventIndex);
}

}  // namespace engine
