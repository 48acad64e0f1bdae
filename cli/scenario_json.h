// The JSON form of a whole scenario: blocks as objects named after their records, the live
// accounts and events as lists, and every other stored byte (unused and reserved areas, records
// past the live counts, working values) carried where it is not the new-scenario value, so that
// a scenario turned into JSON and back has the same file bytes.
#pragma once

#include <string>

#include "cli/field_codec.h"
#include "core/scenario.h"

namespace cli {

Json ScenarioToJson(const core::Scenario& scenario, Detail detail);

// A scenario from its JSON form: what the JSON does not give keeps the new-scenario value.
// Unknown keys, values that do not fit their fields and tables over their capacity fail with
// `problem`.
bool ScenarioFromJson(const Json& json, core::Scenario& scenario, std::string& problem);

}  // namespace cli
