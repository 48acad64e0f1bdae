// The scenario description: the initial rates and one heading with detail lines per event,
// as the event list and the head of a results or print file show them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/scenario.h"

namespace engine {

// Hands every line of the description to `emit` with the index in the event table of the
// event that wrote it, -1 for the first line. `startAge` is the run's current age; `pound`
// picks the pound sign and the word "Pounds".
void WriteScenarioDescription(const core::Scenario& scenario, float startAge, bool pound,
                              const std::function<void(std::string_view, int)>& emit);

// The event list window's rows: the description lines, each with the event it describes.
class EventListing {
 public:
  void Clear();
  void Add(std::string_view text, int event);

  const std::vector<std::string>& lines() const { return lines_; }
  // The event whose heading or detail line `line` is, or -1 (the initial rates, no line).
  int EventAtLine(int line) const;

 private:
  std::vector<std::string> lines_;
  std::vector<int> eventOfLine_;
};

// The event listing: fills `listing` with the description and gives every event the line of
// its heading as `listRow`; an event that writes no heading keeps the mark 1000.
void WriteScenarioDescription(core::Scenario& scenario, float startAge, bool pound,
                              EventListing& listing);

}  // namespace engine
