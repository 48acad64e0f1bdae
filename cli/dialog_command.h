// kxplan-cli dialog: an editing dialog's form without a display. The actions are applied in
// order, as a user types and presses; then every field is printed as the dialog shows it, and
// on OK the scenario is written.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// `args` is the whole command line after the program name ("dialog NAME ..."); returns the
// process exit code: 0 when the last press did its work, 1 when a check kept the dialog open,
// 2 for a usage error.
int DialogCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// True when the command word of `args` is "dialog".
bool IsDialogCommandLine(const std::vector<std::string>& args);

struct Invocation;
struct Io;
// The command table's entry (reached only through DialogCommand, which takes the options).
int RunDialogCommand(const Invocation& invocation, Io& io);

}  // namespace cli
