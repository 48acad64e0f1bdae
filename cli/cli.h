// kxplan-cli, the headless planner: its command line and the dispatch to its words.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// Runs one command line (without the program name); returns the process exit code: 0 done,
// 1 failed (the reason is on `err`), 2 the command line itself was wrong.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
