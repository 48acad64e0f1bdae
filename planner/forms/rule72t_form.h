// The "Rule 72T Distribution" dialog (RULE): the transfer's ages, rate, accounts, life table
// and method; "Calculate" finds the account's balance at the start age and the payments.
#pragma once

#include <memory>

#include "planner/forms/form.h"

namespace planner::forms {

std::unique_ptr<Form> MakeRule72tForm(Planner& planner, int index);

}  // namespace planner::forms
