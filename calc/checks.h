// The range checks of the calculators: each field in its order, the first one out of range
// shown with its own message and caption.
#pragma once

#include <initializer_list>
#include <string>

#include "platform/prompter.h"

namespace calc {

struct RangeCheck {
  float value;
  float minimum;
  float maximum;
  const char* message;
  const char* caption;
  bool aboveMinimum = false;  // the minimum itself is refused too
};

// True when every value lies in its range; else the first failure is shown and false returned.
bool PassesChecks(std::initializer_list<RangeCheck> checks, platform::Prompter& prompter);

// The calculators' powers: x to the power n as n - 1 multiplications of x; x itself for n < 1.
float RepeatedPower(float x, int n);

// Reads a field's text as the dialogs do: at most `maxLength` characters, a decimal number.
float ReadNumber(const std::string& text, size_t maxLength = 10);
// The same as a whole number.
int ReadWhole(const std::string& text, size_t maxLength = 10);

}  // namespace calc
