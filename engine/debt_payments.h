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

// A payment schedule: `principal` at `monthlyRate` over `months`, with `extra` paid on top of
// every payment from month `extraFrom` on.
struct ScheduleTerms {
  float principal = 0.0f;
  float monthlyRate = 0.0f;
  int months = 0;
  float payment = 0.0f;  // MonthlyPayment(principal, monthlyRate, months)
  float extra = 0.0f;
  int extraFrom = 0;
};

// How far a schedule has been replayed: the balance owed before month `month`, and the terms
// it was replayed with. A debt keeps one from year to year, so that each year replays only its
// own twelve months.
struct SchedulePlace {
  ScheduleTerms terms;
  float balance = 0.0f;
  int month = -1;  // -1: nothing replayed yet
};

// Sums months first..last of the schedule of `terms`. Months before `first` are replayed without
// being counted, from `place` when it was reached with the same balances (same terms, or an
// extra payment that had not started yet), from month 0 otherwise; `place` is left where the
// replay stopped. The sums are those of a replay from month 0, float for float. The last
// payment repays only what is left.
AmortizedMonths AmortizeMonthsFrom(SchedulePlace& place, const ScheduleTerms& terms, int first,
                                   int last);

// Replays the schedule of `principal` at `monthlyRate` over `months` from month 0 and sums
// months first..last; `extra` is paid on top of every payment from month `extraFrom` on.
AmortizedMonths AmortizeMonths(float principal, float monthlyRate, int months, int first, int last,
                               float extra, int extraFrom);

}  // namespace engine
