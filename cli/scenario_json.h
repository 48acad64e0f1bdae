// The JSON form of a whole scenario, as "kxplan-cli dump" writes it and "kxplan-cli build" reads
// it. Blocks are objects named after their records ("initialValues", "accountTable",
// "rmdSettings", "monteCarlo", "reportTitles", "pageSettings"), tables are lists ("accounts"
// with each account's per-slot and dividend values, "events", "groups", "budgets" with their
// "items", "fonts"); keys are the records' field names. An event's "kind" is a word
// ("deposit", "creditCard", "rule72tTransfer", ...) or its stored number, and decides the names
// of its places. So that JSON and back gives the same file bytes, what is not the new-scenario
// value is carried as well: unused and reserved bytes as hexadecimal ("unused70", an event's
// "raw32"), bytes after a text's NUL in "<text>Bytes", non-finite numbers as bit patterns
// ("0x7fc00000"), account records past the live count in "storedAccounts", per-slot values of
// slots without a live account in "otherSlots", budget items past the count in "storedItems".
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
