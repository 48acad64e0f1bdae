// kxplan-cli rule72t: the Rule 72T payments of the three methods for given ages, balance, rate
// and life table, after the checks of the planner's "Rule 72T Distribution" dialog.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// `args` is the whole command line after the program name ("rule72t --age A ..."). Prints
// "annuity", "amortization", "minimum" and "payment" lines; returns the process exit code.
int Rule72tCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// True when the command word of `args` is "rule72t".
bool IsRule72tCommandLine(const std::vector<std::string>& args);

struct Invocation;
struct Io;
// The command table's entry (reached only through Rule72tCommand, which takes the options).
int RunRule72tCommand(const Invocation& invocation, Io& io);

}  // namespace cli
