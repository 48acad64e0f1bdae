// The words of kxplan-cli: what each takes and the function that carries it out. A command
// returns the process exit code.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "cli/console_prompter.h"

namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// One command line, parsed.
struct Invocation {
  std::string command;
  std::vector<std::string> operands;
  std::filesystem::path workDir;      // where stored names and temporary files live
  bool answerYes = false;             // the answer to every question
  std::optional<std::string> output;  // -o
  bool changedOnly = false;           // --changed
};

struct Io {
  std::ostream& out;
  std::ostream& err;
  ConsolePrompter& prompter;
};

struct Command {
  const char* word;
  const char* usage;  // the operands and options after the word
  size_t operands;
  bool takesOutput;  // -o OUT is required
  bool takesChanged;
  int (*run)(const Invocation& invocation, Io& io);
};

std::span<const Command> CommandTable();

// Scenario commands (scenario_commands.cpp).
int RunDump(const Invocation& invocation, Io& io);
int RunBuild(const Invocation& invocation, Io& io);
// Account commands (account_commands.cpp).
int RunAccountsFrom(const Invocation& invocation, Io& io);
int RunAccountsUpdate(const Invocation& invocation, Io& io);

// Reports a file that could not be read at all, which the core leaves to its caller.
void ReportUnreadable(Io& io, const std::string& path);

}  // namespace cli
