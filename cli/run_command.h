// kxplan-cli run: runs a scenario file once in a working directory and leaves there what a run
// leaves (the temporary results files and "plotinf01.tmp"), writing the schedule text and,
// when asked, the results export.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// `args` is the whole command line after the program name ("run FILE.RET [options]", global
// options such as --workdir may come first). Returns the process exit code.
int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct Invocation;
struct Io;
// The command table's entry: "run FILE.RET" with the global options only.
int RunScenarioCommand(const Invocation& invocation, Io& io);

// True when the command word of `args` is "run".
bool IsRunCommandLine(const std::vector<std::string>& args);

}  // namespace cli
