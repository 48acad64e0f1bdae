// The Loan, Mortgage and Credit Card Debt dialogs (LOAN, MORTGAGE, CCARD): their checks, the
// monthly payment or payoff they compute, and the accounts they pay from. CCARD also serves as
// the credit-card payoff calculator, which stores nothing.
#pragma once

#include <memory>

#include "planner/forms/form.h"

namespace planner::forms {

std::unique_ptr<Form> MakeLoanForm(Planner& planner, int index);
std::unique_ptr<Form> MakeMortgageForm(Planner& planner, int index);
std::unique_ptr<Form> MakeCreditCardForm(Planner& planner, int index, bool calculator);

}  // namespace planner::forms
