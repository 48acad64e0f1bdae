// Every editing dialog by its template name: the form that stands for it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "planner/forms/form.h"
#include "planner/planner_view.h"

namespace planner::forms {

// The form of `place` (its name, and the event, account, budget or table it edits); nothing for
// a name that has no form.
std::unique_ptr<Form> MakeForm(Planner& planner, const Place& place);
// The template names that have a form, in menu order.
const std::vector<std::string>& FormNames();

}  // namespace planner::forms
