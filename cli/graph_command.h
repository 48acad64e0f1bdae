// kxplan-cli graph: draws one graph of a plot file as the planner's graph panel does (the
// planner's scale rule), or the pie of one of its points, into an SVG file.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// `args` is the whole command line after the program name ("graph PLOTFILE [options] -o OUT",
// global options such as --workdir may come first). Returns the process exit code.
int GraphCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// True when the command word of `args` is "graph".
bool IsGraphCommandLine(const std::vector<std::string>& args);

struct Invocation;
struct Io;
// The command table's entry: "graph PLOTFILE -o OUT.svg" with the global options only.
int RunGraphCommand(const Invocation& invocation, Io& io);

}  // namespace cli
