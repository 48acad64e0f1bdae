// The mortgage calculator and the accelerated mortgage payment analysis: a mortgage's monthly
// payment, and the same mortgage paid down faster by an extra monthly amount, compared with
// investing that amount instead.
#pragma once

#include <optional>

#include "platform/prompter.h"

namespace calc {

struct MortgageInputs {
  float amount = 0.0f;
  float downPayment = 0.0f;
  float rate = 0.0f;  // percent a year
  int years = 0;
};

// PMT(amount - down payment, rate / 100 / 12, years * 12) after the calculator's checks.
std::optional<float> MortgagePayment(const MortgageInputs& inputs, platform::Prompter& prompter);

struct AcceleratedInputs {
  float amount = 0.0f;
  int years = 30;
  int yearsLeft = 30;
  float rate = 0.0f;
  float extra = 0.0f;  // the additional monthly payment
  float investmentRate = 5.0f;
  float taxRate = 0.0f;
  float inflationRate = 0.0f;
};

struct AcceleratedOutcome {
  float payment = 0.0f;  // the existing monthly payment
  float totalPayments = 0.0f;
  float totalInterest = 0.0f;
  float paymentYears = 0.0f;  // of the accelerated mortgage
  float acceleratedPayment = 0.0f;
  float acceleratedTotalPayments = 0.0f;
  float acceleratedTotalInterest = 0.0f;
  float savings = 0.0f;
  int investedYears = 0;       // whole years of the accelerated mortgage
  float investedValue = 0.0f;  // the extra amount invested for those years instead
};

std::optional<AcceleratedOutcome> AcceleratedPayments(const AcceleratedInputs& inputs,
                                                      platform::Prompter& prompter);

}  // namespace calc
