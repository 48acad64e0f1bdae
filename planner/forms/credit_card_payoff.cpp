#include "planner/forms/credit_card_payoff.h"

namespace planner::forms {

namespace {

constexpr int kMostMonths = 100 * 12;

float MonthsInterest(float balance, float ratePercent) {
  return balance * ratePercent * (1.0f / 365.0f) * 30.0f * 0.01f;
}

}  // namespace

CardPayoff ComputeCardPayoff(float balance, float ratePercent, float monthlyPayment,
                             float monthlyPurchases) {
  CardPayoff payoff;
  float b = balance;
  while (b > 0.0f && payoff.months < kMostMonths) {
    b += monthlyPurchases;
    const float interest = MonthsInterest(b, ratePercent);
    if (b - monthlyPayment <= monthlyPayment) {
      payoff.totalInterest += interest;
      b = 0.0f;
    } else {
      b -= monthlyPayment - interest;
      payoff.totalInterest += interest;
      if (b <= 0.0f) break;  // paid off within the month: that month is not counted
    }
    ++payoff.months;
  }
  payoff.years = static_cast<float>(payoff.months) * (1.0f / 12.0f);
  return payoff;
}

}  // namespace planner::forms
