// The scenario description: the initial rates and one heading with detail lines per event,
// as the event list and the head of a results or print file show them.
#pragma once

#include <functional>
#include <string_view>

#include "core/scenario.h"

namespace engine {

// Hands every line of the description to `emit` with the index (display order) of the event
// that wrote it, -1 for the first line. `startAge` is the run's current age; `pound` picks
// the pound sign and the word "Pounds".
void WriteScenarioDescription(const core::Scenario& scenario, float startAge, bool pound,
                              const std::function<void(std::string_view, int)>& emit);

}  // namespace engine
