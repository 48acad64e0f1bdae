#include "cli/cli.h"

#include <map>

namespace cli {

namespace {

void PrintUsage(std::ostream& err) {
  err << "usage: kxplan-cli COMMAND [ARGS...]\n";
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  if (args.empty()) {
    PrintUsage(err);
    return 2;
  }
  err << "kxplan-cli: unknown command " << args[0] << "\n";
  PrintUsage(err);
  return 2;
}

}  // namespace cli
