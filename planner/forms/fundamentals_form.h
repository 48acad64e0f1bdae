// The Fundamentals dialog (FUNDAMENTALS): new tax and inflation rates from a start age, and a
// new rate for one account, chosen in the "Account Rate" dialog it opens.
#pragma once

#include <memory>

#include "planner/forms/form.h"

namespace planner::forms {

std::unique_ptr<Form> MakeFundamentalsForm(Planner& planner, int index);

}  // namespace planner::forms
