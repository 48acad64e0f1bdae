// The Account Information dialog (ACCOUNTINFO) with its "Dividend Information" dialog: a new or
// existing account, or in import mode an imported account that the user completes.
#pragma once

#include <memory>

#include "planner/forms/form.h"

namespace planner::forms {

// `index` -1: a new account. `importing`: the record at `index` (== the account count) is filled
// in and has its slot; OK gives it its identifier and counts it.
std::unique_ptr<Form> MakeAccountForm(Planner& planner, int index, bool importing = false);

}  // namespace planner::forms
