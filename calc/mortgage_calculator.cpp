#include "calc/mortgage_calculator.h"

#include "calc/checks.h"
#include "engine/debt_payments.h"

namespace calc {

namespace {

constexpr const char* kAmountMessage =
    "This amount must be greater than 0.00 and less than 99999999.00.";

// The existing and the accelerated balance month by month, as the analysis compares them.
void RunBothSchedules(const AcceleratedInputs& in, float monthlyRate, int months, float payment,
                      AcceleratedOutcome& out, int& monthsPaid) {
  const int acceleratedFrom = (in.years - in.yearsLeft) * 12;
  float b1 = in.amount;
  float b2 = in.amount;
  float t1 = 0.0f;
  float t2 = 0.0f;
  monthsPaid = 0;
  for (int m = 1; m <= months; ++m) {
    // A month that starts with a balance is a month of payments, the one that ends it too.
    if (b2 != 0.0f) monthsPaid = m;
    const float i1 = monthlyRate * b1;
    const float i2 = monthlyRate * b2;
    float p2 = 0.0f;
    if (b1 != 0.0f) {
      const float p1 = payment - i1;
      p2 = m > acceleratedFrom ? payment + in.extra - i2 : payment - i2;
      if (m > acceleratedFrom && b2 - p2 < 0.0f) {
        p2 = b2;
        b2 = 0.0f;
      }
      if (b1 > 0.0f) b1 = b1 - p1;
    }
    if (b2 != 0.0f) {
      if (b2 >= 0.0f) b2 = b2 - p2;
      if (b1 < 0.0f) b1 = 0.0f;
      if (b2 < 0.0f) {
        p2 = p2 + b2;
        b2 = 0.0f;
      }
    }
    t1 = t1 + i1;
    t2 = t2 + i2;
  }
  out.totalInterest = t1;
  out.acceleratedTotalInterest = t2;
}

}  // namespace

std::optional<float> MortgagePayment(const MortgageInputs& in, platform::Prompter& prompter) {
  if (!PassesChecks(
          {{in.rate, 1.0f, 1000.0f,
            "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.", "RATE ERROR"},
           {in.amount, 1.0f, 100000000.0f, kAmountMessage, "AMOUNT ERROR"},
           {in.downPayment, 0.0f, 100000000.0f, kAmountMessage, "DOWN PAYMENT ERROR"},
           {static_cast<float>(in.years), 1.0f, 100.0f,
            "The number of years must be between 1 and 100.", "NO OF YEARS ERROR"}},
          prompter)) {
    return std::nullopt;
  }
  return engine::MonthlyPayment(in.amount - in.downPayment, in.rate * 0.01f / 12.0f,
                                in.years * 12);
}

std::optional<AcceleratedOutcome> AcceleratedPayments(const AcceleratedInputs& in,
                                                      platform::Prompter& prompter) {
  if (!PassesChecks(
          {{in.amount, 0.0f, 10000000.0f,
            "The mortgage amount must be greater than 0.00 and less than 10,000,000.00.",
            "Amount Error!", true},
           {static_cast<float>(in.years), 1.0f, 50.0f,
            "The number of years must be greater than 0 and less than 50.",
            "Number of Years Error!"},
           {static_cast<float>(in.yearsLeft), 1.0f, static_cast<float>(in.years),
            "The number of years left must be greater than 0 and less than the life of the "
            "mortgage.",
            "Number of Years Left Error!"},
           {in.rate, 0.0f, 50.0f, "The mortgage rate must be greater than 0.0% and less than 50.0%",
            "Rate Error!", true},
           {in.extra, 0.0f, 100000.0f,
            "The addition monthly payment must be greater than 0.00 and less than 100,000.00",
            "Additional Amount Error!"},
           {in.investmentRate, 0.0f, 50.0f,
            "The investment rate must be greater than 0.0% and less than 50.0%", "Rate Error!"},
           {in.taxRate, 0.0f, 50.0f, "The tax rate must be greater than 0.0% and less than 50.0%",
            "Rate Error!"},
           {in.inflationRate, 0.0f, 50.0f,
            "The inflation rate must be greater than 0.0% and less than 50.0%", "Rate Error!"}},
          prompter)) {
    return std::nullopt;
  }
  const float monthlyRate = in.rate * 0.01f / 12.0f;
  const int months = in.years * 12;
  AcceleratedOutcome out;
  out.payment = engine::MonthlyPayment(in.amount, monthlyRate, months);
  int monthsPaid = 0;
  RunBothSchedules(in, monthlyRate, months, out.payment, out, monthsPaid);
  out.totalPayments = out.totalInterest + in.amount;
  out.paymentYears = static_cast<float>(monthsPaid) / 12.0f;
  out.acceleratedPayment = out.payment + in.extra;
  out.acceleratedTotalPayments = out.acceleratedTotalInterest + in.amount;
  out.savings = out.totalPayments - out.acceleratedTotalPayments;

  // The extra payment invested instead, taxed and deflated year by year.
  out.investedYears = monthsPaid / 12;
  float value = 12.0f * in.extra;
  for (int y = 0; y < out.investedYears; ++y) {
    const float gain = in.investmentRate * 0.01f * value;
    value = value - gain * in.taxRate * 0.01f;
    value = value - value * in.inflationRate * 0.01f;
    value = value + gain + 12.0f * in.extra;
  }
  out.investedValue = value;
  return out;
}

}  // namespace calc
