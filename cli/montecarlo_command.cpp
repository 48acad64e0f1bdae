#include "cli/montecarlo_command.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_prompter.h"
#include "cli/option_values.h"
#include "core/scenario_file.h"
#include "core/text.h"
#include "engine/monte_carlo.h"
#include "platform/clock.h"

namespace cli {

namespace {

constexpr const char* kUsageText =
    "usage: kxplan-cli montecarlo FILE.RET [--seed N] [--trials N] [--workdir DIR]\n"
    "       [--today YYYY-MM-DD] [--yes|--no]\n"
    "  --trials N: instead of the scenario's number of trials (below 0 gives 10, at most 1000)\n";

struct MonteCarloRequest {
  std::string scenarioPath;
  std::filesystem::path workDir;
  std::optional<platform::DateTime> today;
  std::optional<uint64_t> seed;
  std::optional<int> trials;
  bool answerYes = false;
};

// The trial count as the "Monte Carlo Analysis" dialog stores an entry.
int TrialsAsEntered(int64_t entry) {
  if (entry < 0) return 10;
  return entry > 1000 ? 1000 : static_cast<int>(entry);
}

bool TakeOption(const std::vector<std::string>& args, size_t& i, MonteCarloRequest& request,
                std::optional<std::string>& workDir, std::string& problem, bool& taken) {
  std::optional<std::string> value;
  taken = true;
  if (TakeOptionValue(args, i, "--workdir", workDir)) {
    if (workDir->empty()) return problem = "--workdir needs a directory", false;
  } else if (TakeOptionValue(args, i, "--today", value)) {
    request.today = ParseDateOption(*value);
    if (!request.today) return problem = "--today needs a date YYYY-MM-DD", false;
  } else if (TakeOptionValue(args, i, "--seed", value)) {
    request.seed = ParseUnsigned(*value);
    if (!request.seed) return problem = "--seed needs a whole number", false;
  } else if (TakeOptionValue(args, i, "--trials", value)) {
    const auto entry = ParseWholeNumber(*value, INT64_MIN, INT64_MAX);
    if (!entry) return problem = "--trials needs a whole number", false;
    request.trials = TrialsAsEntered(*entry);
  } else if (args[i] == "--yes" || args[i] == "--no") {
    request.answerYes = args[i] == "--yes";
  } else {
    taken = false;
  }
  return true;
}

bool Parse(const std::vector<std::string>& args, MonteCarloRequest& request,
           std::string& problem) {
  bool seenCommand = false;
  std::optional<std::string> workDir;
  for (size_t i = 0; i < args.size(); ++i) {
    bool taken = false;
    if (!TakeOption(args, i, request, workDir, problem, taken)) return false;
    if (taken) continue;
    const std::string& arg = args[i];
    if (!TakeCommandOperand(arg, "montecarlo", seenCommand, request.scenarioPath, problem)) {
      return false;
    }
  }
  if (request.scenarioPath.empty()) return problem = "no scenario file given", false;
  request.workDir = WorkDirOrCurrent(workDir);
  return true;
}

int Analyse(const MonteCarloRequest& request, std::ostream& out, ConsolePrompter& prompter) {
  core::Document document;
  if (!ReadScenarioReporting(document, request.workDir, request.scenarioPath, prompter)) {
    return kExitFailure;
  }
  core::Scenario& scenario = document.scenario;
  if (request.trials) scenario.groups.mcTrials = static_cast<int16_t>(*request.trials);
  auto ctx = std::make_unique<engine::RunContext>();
  SetUpRunEnvironment(*ctx, request.workDir, request.scenarioPath, request.today, request.seed,
                      prompter);
  const engine::MonteCarloResult result = engine::RunMonteCarlo(*ctx, scenario);
  if (!result.completed) return kExitFailure;
  out << core::Format("  Monte Carlo Analysis - Number of Trials = %d  \n", result.trials)
      << core::Format("Scenario Success = %5.2f%%\n", static_cast<double>(result.SuccessShare()));
  if (!result.statsWritten) {
    prompter.ShowMessage("FILE ERROR", "Cannot open stats.dat", platform::Icon::Error);
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

bool IsMonteCarloCommandLine(const std::vector<std::string>& args) {
  return CommandWordOf(args) == "montecarlo";
}

int MonteCarloCommand(const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err) {
  MonteCarloRequest request;
  std::string problem;
  if (!Parse(args, request, problem)) {
    return ReportUsage(err, problem, kUsageText);
  }
  ConsolePrompter prompter(err, request.answerYes);
  return Analyse(request, out, prompter);
}

int RunMonteCarloCommand(const Invocation& invocation, Io& io) {
  return MonteCarloCommand(InvocationWords("montecarlo", invocation, true), io.out, io.err);
}

}  // namespace cli
