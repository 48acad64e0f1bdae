#include "engine/debt_payments.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace engine {

namespace {

// (1 + r)^n by n - 1 multiplications. Once the power is so large that 1 / power no longer
// changes 1 - 1 / power, or has fallen to 0, further factors change nothing and are skipped.
float CompoundFactor(float growth, int months) {
  float power = growth;
  for (int m = 1; m < months; ++m) {
    if (std::fabs(power) > 1.0e9f || power == 0.0f) break;
    power = power * growth;
  }
  return power;
}

// Bit for bit: a replay from the same bits gives the same bits, -0 and not-a-number included.
bool Same(float a, float b) { return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b); }

// True when the balances replayed before `place.month` are those `terms` would give.
bool ContinuesFrom(const SchedulePlace& place, const ScheduleTerms& terms, int first) {
  if (place.month < 0 || place.month > first) return false;
  const ScheduleTerms& held = place.terms;
  if (!Same(held.principal, terms.principal) || !Same(held.monthlyRate, terms.monthlyRate) ||
      held.months != terms.months || !Same(held.payment, terms.payment) ||
      held.extraFrom != terms.extraFrom) {
    return false;
  }
  // An extra payment that had not started by the place changed none of its balances.
  return Same(held.extra, terms.extra) || terms.extraFrom >= place.month;
}

}  // namespace

float MonthlyPayment(float principal, float monthlyRate, int months) {
  const int n = months < 1 ? 1 : months;
  const float equalParts = principal / static_cast<float>(n);
  if (monthlyRate == 0.0f) return equalParts;
  const float denominator = 1.0f - 1.0f / CompoundFactor(1.0f + monthlyRate, n);
  // A rate that makes the formula meaningless (below -100 % a month) falls back to equal parts.
  if (denominator == 0.0f || !std::isfinite(denominator)) return equalParts;
  return principal * monthlyRate / denominator;
}

AmortizedMonths AmortizeMonthsFrom(SchedulePlace& place, const ScheduleTerms& terms, int first,
                                   int last) {
  AmortizedMonths sums;
  if (last < 0) return sums;
  if (!ContinuesFrom(place, terms, first)) {
    place.balance = terms.principal;
    place.month = 0;
  }
  place.terms = terms;
  float balance = place.balance;
  int m = place.month;
  // The place is the balance before the month that ends the replay, so that a later call
  // replays that month again exactly as a replay from month 0 would.
  auto stopAt = [&](int month, float before) {
    place.month = month;
    place.balance = before;
    return sums;
  };
  for (; m <= last; ++m) {
    const float before = balance;
    const float interest = balance * terms.monthlyRate;
    float principalPart = terms.payment - interest;
    if (m >= terms.extraFrom) principalPart += terms.extra;
    if (m >= first) {
      sums.interest += interest;
      ++sums.payments;
      if (balance < principalPart) {
        sums.principal += balance;
        return stopAt(m, before);
      }
      sums.principal += principalPart;
    }
    balance -= principalPart;
    if (balance <= 0.0f) {
      const float repaid = sums.principal + balance;
      sums.principal = repaid > 0.0f ? repaid : 0.0f;
      return stopAt(m, before);
    }
  }
  return stopAt(m, balance);
}

AmortizedMonths AmortizeMonths(float principal, float monthlyRate, int months, int first, int last,
                               float extra, int extraFrom) {
  SchedulePlace fresh;
  const float payment = MonthlyPayment(principal, monthlyRate, months);
  const ScheduleTerms terms{principal, monthlyRate, months, payment, extra, extraFrom};
  return AmortizeMonthsFrom(fresh, terms, first, last);
}

}  // namespace engine
