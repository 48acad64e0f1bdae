#include "engine/debt_payments.h"

#include <cmath>

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

AmortizedMonths AmortizeMonths(float principal, float monthlyRate, int months, int first,
                               int last, float extra, int extraFrom) {
  AmortizedMonths sums;
  if (last < 0) return sums;
  const float payment = MonthlyPayment(principal, monthlyRate, months);
  float balance = principal;
  for (int m = 0; m <= last; ++m) {
    const float interest = balance * monthlyRate;
    float principalPart = payment - interest;
    if (m >= extraFrom) principalPart += extra;
    if (m >= first) {
      sums.interest += interest;
      ++sums.payments;
      if (balance < principalPart) {
        sums.principal += balance;
        return sums;
      }
      sums.principal += principalPart;
    }
    balance -= principalPart;
    if (balance <= 0.0f) {
      const float repaid = sums.principal + balance;
      sums.principal = repaid > 0.0f ? repaid : 0.0f;
      return sums;
    }
  }
  return sums;
}

}  // namespace engine
