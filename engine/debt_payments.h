// The arithmetic of loans and mortgages: the monthly annuity payment and the replay of a
// stretch of the payment schedule, in single precision as the calculators do it.
#pragma once

namespace engine {

// The annuity payment P * r / (1 - 1 / (1 + r)^n), the power by repeated multiplication. A rate
// of 0 (where the formula divides by 0) pays the principal in n equal parts; fewer than one
// month counts as one.
float MonthlyPayment(float principal, float monthlyRate, int months);

// What months first..last of a schedule repaid.
struct AmortizedMonths {
  float principal = 0.0f;  // principal repaid in those months
  float interest = 0.0f;   // interest paid in those months
  int payments = 0;        // payments made in those months
};

// Replays the schedule of `principal` at `monthlyRate` over `months` from month 0 and sums
// months first..last; `extra` is paid on top of every payment from month `extraFrom` on. The
// last payment repays only what is left.
AmortizedMonths AmortizeMonths(float principal, float monthlyRate, int months, int first,
                               int last, float extra, int extraFrom);

}  // namespace engine
