// kxplan-cli montecarlo: the Monte Carlo analysis of a scenario file with its own settings,
// leaving "stats.dat" and the files of the final plain run in the working directory and
// printing the texts the Monte Carlo graph shows when all trials are done.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// `args` is the whole command line after the program name ("montecarlo FILE.RET [options]",
// global options such as --workdir may come first). Returns the process exit code.
int MonteCarloCommand(const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err);

// True when the command word of `args` is "montecarlo".
bool IsMonteCarloCommandLine(const std::vector<std::string>& args);

struct Invocation;
struct Io;
// The command table's entry: "montecarlo FILE.RET" with the global options only.
int RunMonteCarloCommand(const Invocation& invocation, Io& io);

}  // namespace cli
