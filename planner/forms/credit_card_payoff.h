// The payoff of a credit-card balance month by month, as the Credit Card Debt dialog and its
// calculator compute it.
#pragma once

namespace planner::forms {

struct CardPayoff {
  int months = 0;
  float years = 0.0f;  // months x (1/12)
  float totalInterest = 0.0f;
};

// Each month the balance grows by the purchases, then pays a month's interest (30 days of the
// yearly rate) and the rest of the payment; at most 100 years.
CardPayoff ComputeCardPayoff(float balance, float ratePercent, float monthlyPayment,
                             float monthlyPurchases);

}  // namespace planner::forms
