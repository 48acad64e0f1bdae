// The Rule 72T calculator without its window: the texts of the calculator's fields, the checks
// of a calculation with their messages, the first-year payment of each method and the schedule
// of balances and withdrawals from the owner's age to the end age.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "graph/format_money.h"
#include "platform/prompter.h"

namespace kxrule {

enum class LifeTable { Single = 0, Uniform = 1, Joint = 2 };
enum class Method { Annuity = 0, Amortization = 1, Minimum = 2 };

// The texts of the input fields as typed, with the options chosen (none chosen counts as
// Single Life and Annuity).
struct CalculatorFields {
  std::string age = "50";
  std::string beneficiaryAge = "45";
  std::string endAge = "59";  // empty: the age plus 5
  std::string rate = "4.5";   // percent
  std::string balance = "400000";
  LifeTable table = LifeTable::Single;
  Method method = Method::Annuity;
};

// The output fields' texts. A method whose payment cannot be computed keeps its last text.
struct CalculatorOutputs {
  std::string annuity = "$0.00";
  std::string amortization = "$0.00";
  std::string minimum = "$0.00";
  std::string annualWithdrawal = "$0.0";
};

struct ScheduleEntry {
  float age = 0.0f;
  float balance = 0.0f;  // after the year's withdrawal and growth
  float withdrawal = 0.0f;
};

// The schedule holds one entry per whole age; an end age further away than this is refused.
constexpr int kMostScheduleEntries = 99;

struct Rule72tCalculation {
  CalculatorOutputs outputs;
  std::vector<ScheduleEntry> schedule;
};

// Where a calculation reads its life tables and shows its messages, and the money mark.
struct CalculatorEnvironment {
  platform::Prompter& prompter;
  std::filesystem::path workDir;  // "mort.dat" and "jointtab.dat" are looked for here first
  graph::Currency currency = graph::Currency::Dollars;
};

// Reads and checks the fields, then fills the outputs and the schedule. A failed check shows
// its message and leaves `calculation` as it was; returns whether the calculation was made.
bool RecalculateRule72t(const CalculatorFields& fields, const CalculatorEnvironment& environment,
                        Rule72tCalculation& calculation);

// A payment as the output fields show it: printed "%-12.0f", then made a money text.
std::string PaymentText(float payment, graph::Currency currency);

}  // namespace kxrule
