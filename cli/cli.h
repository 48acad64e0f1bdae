// kxplan-cli, the headless planner: its words and the dispatch to them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// Runs one command line (without the program name); returns the process exit code.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
