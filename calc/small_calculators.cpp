#include "calc/small_calculators.h"

#include "calc/checks.h"

namespace calc {

std::optional<float> InflatedAmount(const InflationInputs& in, platform::Prompter& prompter) {
  if (!PassesChecks({{in.startAge, 0.0f, 120.0f, "Start age must be a value from 1 - 120.",
                      "Start Age Error!"},
                     {in.endAge, 0.0f, 120.0f, "End Age must be a value from 1 - 120.",
                      "End Age Error!"},
                     {in.endAge, in.startAge, 120.0f, "End Age must be greater the Start Age.",
                      "End Age Error!", true},
                     {in.rate, -100.0f, 100.0f, "Inflation Rate must be a value from -100 - 100.",
                      "Rate Error!"},
                     {in.amount, 1.0f, 99999999.0f,
                      "This amount must be a value from 1.0 - 99999999.00", "Amount Error!"}},
                    prompter)) {
    return std::nullopt;
  }
  float amount = in.amount;
  for (int age = static_cast<int>(in.startAge); age < static_cast<int>(in.endAge); ++age) {
    amount = amount * in.rate * 0.01f + amount;
  }
  return amount;
}

std::optional<float> EffectiveYearlyRate(float nominalRate, Compounding compounding, int other,
                                         platform::Prompter& prompter) {
  if (!PassesChecks({{nominalRate, -200.0f, 2000.0f,
                      "The Nominal Rate must be a value greater than -200 and less than 200.00",
                      "Rate Error!", true}},
                    prompter)) {
    return std::nullopt;
  }
  int n = 1;
  switch (compounding) {
    case Compounding::Daily: n = 365; break;
    case Compounding::Monthly: n = 12; break;
    case Compounding::Quarterly: n = 4; break;
    case Compounding::Semiannually: n = 2; break;
    case Compounding::Other:
      if (other < 1 || other >= 366) {
        prompter.ShowMessage("Period Error!",
                             "The number of compounding periods per year must be greater than or "
                             "equal to 1 and less than 365",
                             platform::Icon::Warning);
        return std::nullopt;
      }
      n = other;
      break;
    case Compounding::None: break;
  }
  return (RepeatedPower(1.0f + nominalRate * 0.01f / static_cast<float>(n), n) - 1.0f) * 100.0f;
}

std::optional<InvestmentOutcome> TaxesInflationInvestment(const InvestmentInputs& in,
                                                           platform::Prompter& prompter) {
  if (!(in.amount > 0.0f)) {
    prompter.ShowMessage("Amount Error!", "The investment amount must be greater than 0.00.",
                         platform::Icon::Warning);
    return std::nullopt;
  }
  if (in.years < 1) {
    prompter.ShowMessage("Number of Years Error!", "The number of years be greater than 0.",
                         platform::Icon::Warning);
    return std::nullopt;
  }
  const float a = in.rateOfReturn - in.taxRate * 0.01f * in.rateOfReturn;
  InvestmentOutcome outcome;
  outcome.endValue = (RepeatedPower(1.0f + a * 0.01f, in.years) - 1.0f) * in.amount + in.amount;
  const float q = (a * 0.01f + 1.0f) / (in.inflationRate * 0.01f + 1.0f) - 1.0f;
  outcome.todaysValue = (RepeatedPower(1.0f + q, in.years) - 1.0f) * in.amount + in.amount;
  outcome.effectiveRate =
      (outcome.todaysValue - in.amount) / in.amount * 100.0f / static_cast<float>(in.years);
  return outcome;
}

}  // namespace calc
