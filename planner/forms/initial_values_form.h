// The Initial Values dialog (INITIAL): ages, birth date, tax and inflation rates, the birthday
// and purchasing-power switches, and the totals of the accounts shown read-only.
#pragma once

#include <memory>

#include "planner/forms/form.h"

namespace planner::forms {

std::unique_ptr<Form> MakeInitialValuesForm(Planner& planner);

}  // namespace planner::forms
