// The dialogs of the scenario's options: account groups (GROUPS), the asset-allocation
// withdrawal options (AA), the Monte Carlo settings (MONTE1), and the "Add Event" palette
// (EVENTS) that opens the dialog of the kind chosen.
#pragma once

#include <memory>

#include "planner/forms/form.h"

namespace planner::forms {

std::unique_ptr<Form> MakeGroupsForm(Planner& planner);
std::unique_ptr<Form> MakeAssetAllocationForm(Planner& planner);
std::unique_ptr<Form> MakeMonteCarloForm(Planner& planner);
std::unique_ptr<Form> MakeAddEventForm(Planner& planner);

}  // namespace planner::forms
