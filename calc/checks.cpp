#include "calc/checks.h"

#include <cstdlib>

namespace calc {

bool PassesChecks(std::initializer_list<RangeCheck> checks, platform::Prompter& prompter) {
  for (const RangeCheck& check : checks) {
    const bool low = check.aboveMinimum ? !(check.value > check.minimum)
                                        : !(check.value >= check.minimum);
    if (low || !(check.value <= check.maximum)) {
      prompter.ShowMessage(check.caption, check.message, platform::Icon::Warning);
      return false;
    }
  }
  return true;
}

float RepeatedPower(float x, int n) {
  float power = x;
  for (int k = 1; k < n; ++k) power *= x;
  return power;
}

float ReadNumber(const std::string& text, size_t maxLength) {
  return std::strtof(text.substr(0, maxLength).c_str(), nullptr);
}

int ReadWhole(const std::string& text, size_t maxLength) {
  const long value = std::strtol(text.substr(0, maxLength).c_str(), nullptr, 10);
  if (value > 1000000000L) return 1000000000;
  if (value < -1000000000L) return -1000000000;
  return static_cast<int>(value);
}

}  // namespace calc
