// The calculator's command line: the planner starts it with its currency word ("kxrule
// Dollars"), and "Pound" anywhere selects the pound sign; the headless words compute without a
// window for scripts and tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "apps/kxrule/rule72t_calculator.h"
#include "graph/format_money.h"

namespace kxrule {

graph::Currency CurrencyOfCommandLine(const std::vector<std::string>& args);

struct HeadlessRequest {
  enum class Word { Render, Schedule } word = Word::Render;
  std::string output;       // --render OUT.png
  CalculatorFields fields;  // an omitted field keeps its initial text; an omitted end age is empty
  graph::Currency currency = graph::Currency::Dollars;
};

// True when the arguments start with a headless word.
bool IsHeadless(const std::vector<std::string>& args);
// Nothing, with `problem` set, when the arguments do not make a headless request.
std::optional<HeadlessRequest> ParseHeadless(const std::vector<std::string>& args,
                                             std::string& problem);

extern const char* const kHeadlessUsage;

}  // namespace kxrule
