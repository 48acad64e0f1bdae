#include "cli/cli.h"

#include <filesystem>
#include <system_error>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/dialog_command.h"
#include "cli/graph_command.h"
#include "cli/montecarlo_command.h"
#include "cli/report_command.h"
#include "cli/rule72t_command.h"
#include "cli/run_command.h"

namespace cli {

namespace {

void PrintUsage(std::ostream& stream) {
  stream << "usage: kxplan-cli [--workdir DIR] [--yes|--no] COMMAND ...\n";
  for (const Command& command : CommandTable()) {
    stream << "  kxplan-cli " << command.word << ' ' << command.usage << '\n';
  }
}

int UsageError(std::ostream& err, const std::string& problem) {
  err << "kxplan-cli: " << problem << '\n';
  PrintUsage(err);
  return kExitUsage;
}

// The value of an option written "--name VALUE" or "--name=VALUE".
bool TakeValue(const std::vector<std::string>& args, size_t& i, const std::string& name,
               std::optional<std::string>& value) {
  const std::string& arg = args[i];
  if (arg == name) {
    if (i + 1 >= args.size()) return false;
    value = args[++i];
    return true;
  }
  value = arg.substr(name.size() + 1);
  return true;
}

bool IsOption(const std::string& arg, const std::string& name) {
  return arg == name || arg.rfind(name + "=", 0) == 0;
}

// Splits the arguments into options and words; false with `problem` on a usage error.
bool Parse(const std::vector<std::string>& args, Invocation& invocation, std::string& problem,
           bool& help) {
  std::optional<std::string> workDir;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--yes" || arg == "--no") {
      invocation.answerYes = arg == "--yes";
    } else if (arg == "--changed") {
      invocation.changedOnly = true;
    } else if (IsOption(arg, "--workdir")) {
      if (!TakeValue(args, i, "--workdir", workDir) || workDir->empty()) {
        problem = "--workdir needs a directory";
        return false;
      }
    } else if (IsOption(arg, "-o") || IsOption(arg, "--output")) {
      const std::string name = arg.rfind("--", 0) == 0 ? "--output" : "-o";
      if (!TakeValue(args, i, name, invocation.output) || invocation.output->empty()) {
        problem = name + " needs a file name";
        return false;
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      problem = UnknownOption(arg);
      return false;
    } else if (invocation.command.empty()) {
      invocation.command = arg;
    } else {
      invocation.operands.push_back(arg);
    }
  }
  invocation.workDir = WorkDirOrCurrent(workDir);
  return true;
}

const Command* FindCommand(const std::string& word) {
  for (const Command& command : CommandTable()) {
    if (word == command.word) return &command;
  }
  return nullptr;
}

// The options and operands the command takes; `problem` names the first mismatch.
bool FitsCommand(const Command& command, const Invocation& invocation, std::string& problem) {
  const std::string usage = std::string(command.word) + " " + command.usage;
  if (invocation.operands.size() != command.operands) {
    problem = "usage: kxplan-cli " + usage;
  } else if (command.takesOutput != invocation.output.has_value()) {
    problem = command.takesOutput ? std::string(command.word) + " needs -o OUT.RET"
                                  : std::string(command.word) + " takes no -o";
  } else if (invocation.changedOnly && !command.takesChanged) {
    problem = std::string(command.word) + " takes no --changed";
  }
  return problem.empty();
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (IsRunCommandLine(args)) return RunCommand(args, out, err);  // run has options of its own
  if (IsGraphCommandLine(args)) return GraphCommand(args, out, err);  // and so has graph
  if (IsMonteCarloCommandLine(args)) return MonteCarloCommand(args, out, err);  // and montecarlo
  if (IsRule72tCommandLine(args)) return Rule72tCommand(args, out, err);  // and rule72t
  if (IsReportCommandLine(args)) return ReportCommand(args, out, err);    // and report
  if (IsPaginateCommandLine(args)) return PaginateCommand(args, out, err);  // and paginate
  if (IsDialogCommandLine(args)) return DialogCommand(args, out, err);  // and dialog
  Invocation invocation;
  std::string problem;
  bool help = false;
  if (!Parse(args, invocation, problem, help)) return UsageError(err, problem);
  if (help) {
    PrintUsage(out);
    return kExitOk;
  }
  if (invocation.command.empty()) return UsageError(err, "no command given");
  const Command* command = FindCommand(invocation.command);
  if (command == nullptr) return UsageError(err, "unknown command " + invocation.command);
  if (!FitsCommand(*command, invocation, problem)) return UsageError(err, problem);
  ConsolePrompter prompter(err, invocation.answerYes);
  Io io{out, err, prompter};
  return command->run(invocation, io);
}

}  // namespace cli
