// The inflation calculator, the effective yearly rate and the taxes, inflation and investment
// analysis.
#pragma once

#include <optional>
#include <string>

#include "platform/prompter.h"

namespace calc {

struct InflationInputs {
  float startAge = 0.0f;
  float endAge = 0.0f;
  float amount = 0.0f;
  float rate = 4.0f;
};

// The start-age amount grown by the rate once for each whole age from the start age to the
// one before the end age; nothing when a check failed (its message shown).
std::optional<float> InflatedAmount(const InflationInputs& inputs, platform::Prompter& prompter);

// How often interest is compounded: the choices of the dialog.
enum class Compounding { Daily, Monthly, Quarterly, Semiannually, Other, None };

// ((1 + r / 100 / n)^n - 1) * 100 with n from the choice (`other` for Other); nothing when a
// check failed.
std::optional<float> EffectiveYearlyRate(float nominalRate, Compounding compounding, int other,
                                         platform::Prompter& prompter);

struct InvestmentInputs {
  float amount = 0.0f;
  int years = 1;
  float rateOfReturn = 0.0f;
  float taxRate = 0.0f;
  float inflationRate = 0.0f;
};

struct InvestmentOutcome {
  float endValue = 0.0f;        // after taxes
  float todaysValue = 0.0f;     // in today's purchasing power
  float effectiveRate = 0.0f;   // the yearly average of the real gain, in percent
};

std::optional<InvestmentOutcome> TaxesInflationInvestment(const InvestmentInputs& inputs,
                                                           platform::Prompter& prompter);

}  // namespace calc
