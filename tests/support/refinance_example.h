// The refinance worked example the tests share: 200,000 at 7 % for 30 years from 40, refinanced
// at 50 for 10 years at 5 %, a 25 % tax rate and savings at 3 %.
#pragma once

#include "calc/refinance.h"

namespace testing_support {

inline calc::RefinanceInputs TenYearRefinance() {
  calc::RefinanceInputs in;
  in.startAge = 40;
  in.amount = 200000.0f;
  in.rate = 7.0f;
  in.years = 30;
  in.refinanceAge = 50.0f;
  in.refinancedRate = 5.0f;
  in.refinancedYears = 10;
  in.taxRate = 25.0f;
  in.savingsRate = 3.0f;
  return in;
}

}  // namespace testing_support
