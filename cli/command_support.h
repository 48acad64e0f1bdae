// What the command words with options of their own share around their parsing: the working
// folder, the command word and its scenario file, the usage answer, the scenario read with its
// message, and the run environment of a scenario command.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/console_prompter.h"
#include "core/scenario.h"
#include "engine/run_context.h"
#include "platform/clock.h"

namespace cli {

// --workdir's value, else the current directory.
std::filesystem::path WorkDirOrCurrent(const std::optional<std::string>& workDir);

// Paths named on the command line are taken from the current directory.
std::filesystem::path FromCurrentDirectory(const std::string& name);

// "unknown option -x", and for a word with a single dash how to give a file of that name
// instead ("./-x", or its full path).
std::string UnknownOption(const std::string& arg);

// A word that is no option: first the command word `word`, then the one scenario file.
bool TakeCommandOperand(const std::string& arg, const char* word, bool& seenCommand,
                        std::string& scenarioPath, std::string& problem);

// The answer to a line that does not parse: the problem and the command's usage.
int ReportUsage(std::ostream& err, const std::string& problem, const char* usageText);

// Reads the scenario named on the command line; a file that cannot be read and has not been
// reported by the reader is reported here.
bool ReadScenarioReporting(core::Document& document, const std::filesystem::path& workDir,
                           const std::string& scenarioPath, ConsolePrompter& prompter);

// The run environment of a scenario command; without a date or a seed the clock gives them.
void SetUpRunEnvironment(engine::RunContext& ctx, const std::filesystem::path& workDir,
                         const std::string& scenarioPath,
                         const std::optional<platform::DateTime>& today,
                         const std::optional<uint64_t>& seed, ConsolePrompter& prompter);

// The words of `word`'s own command line for an invocation of the command table.
std::vector<std::string> InvocationWords(const char* word, const Invocation& invocation,
                                         bool passAnswer);

}  // namespace cli
