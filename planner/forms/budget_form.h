// The Budget dialog (BUDGET) of one of the five budgets: its name, ages, switches and account,
// the item list with the "Add / Edit Budget Item" fields, and the item and file buttons. The
// work is the core's budget operations; the form shows their results.
#pragma once

#include <memory>

#include "planner/forms/form.h"

namespace planner::forms {

// `budget` 0..4 (anything else: 0).
std::unique_ptr<Form> MakeBudgetForm(Planner& planner, int budget);

}  // namespace planner::forms
