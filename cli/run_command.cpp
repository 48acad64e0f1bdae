#include "cli/run_command.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_prompter.h"
#include "cli/option_values.h"
#include "core/file_io.h"
#include "core/scenario_file.h"
#include "engine/monte_carlo.h"
#include "engine/results_export.h"
#include "engine/simulation.h"
#include "platform/clock.h"

namespace cli {

namespace {

constexpr const char* kUsageText =
    "usage: kxplan-cli run FILE.RET [--workdir DIR] [--today YYYY-MM-DD] [--schedule OUT|-]\n"
    "       [--print-file] [--details] [--summary] [--accounts] [--pound]\n"
    "       [--export OUT.csv|OUT.kxe] [--yes|--no]\n"
    "       [--random-accounts|--random-groups [--seed N]]\n"
    "  --random-accounts, --random-groups: one run with random rates, as the schedule\n"
    "  window's buttons make it (the inflation rate is not drawn); --seed N repeats the draws\n";

struct RunRequest {
  std::string scenarioPath;
  std::filesystem::path workDir;
  std::optional<platform::DateTime> today;
  std::optional<std::string> schedule;  // "-" is standard output
  std::optional<std::string> exportPath;
  bool printFile = false;
  bool answerYes = false;
  engine::RunOptions options;
  std::optional<engine::RandomRateSource> random;
  std::optional<uint64_t> seed;
};

// Parses the command line; `problem` says what is wrong when it returns false.
bool Parse(const std::vector<std::string>& args, RunRequest& request, std::string& problem) {
  bool seenCommand = false;
  std::optional<std::string> workDir;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::optional<std::string> value;
    if (TakeWorkDirOrToday(args, i, workDir, request.today, problem)) {
      if (!problem.empty()) return false;
    } else if (TakeOptionValue(args, i, "--schedule", value)) {
      if (value->empty()) return problem = "--schedule needs a file name or -", false;
      request.schedule = value;
    } else if (TakeOptionValue(args, i, "--export", value)) {
      if (value->empty()) return problem = "--export needs OUT.csv or OUT.kxe", false;
      request.exportPath = value;
    } else if (arg == "--random-accounts" || arg == "--random-groups") {
      const auto source = arg == "--random-accounts" ? engine::RandomRateSource::Accounts
                                                     : engine::RandomRateSource::Groups;
      if (request.random && *request.random != source) {
        return problem = "--random-accounts and --random-groups exclude each other", false;
      }
      request.random = source;
    } else if (TakeOptionValue(args, i, "--seed", value)) {
      request.seed = ParseUnsigned(*value);
      if (!request.seed) return problem = "--seed needs a whole number", false;
    } else if (arg == "--print-file") {
      request.printFile = true;
    } else if (arg == "--details") {
      request.options.showDetails = true;
      request.options.showSummary = true;
    } else if (arg == "--summary") {
      request.options.summaryStartup = true;
    } else if (arg == "--accounts") {
      request.options.showAccounts = true;
    } else if (arg == "--pound") {
      request.options.pound = true;
    } else if (arg == "--yes" || arg == "--no") {
      request.answerYes = arg == "--yes";
    } else if (!TakeCommandOperand(arg, "run", seenCommand, request.scenarioPath, problem)) {
      return false;
    }
  }
  if (request.scenarioPath.empty()) return problem = "no scenario file given", false;
  request.workDir = WorkDirOrCurrent(workDir);
  return true;
}

bool WriteText(const std::string& target, const std::string& text, std::ostream& out,
               ConsolePrompter& prompter) {
  if (target == "-") {
    out << text;
    return static_cast<bool>(out);
  }
  if (core::WriteFileReplacing(FromCurrentDirectory(target), text)) return true;
  prompter.ShowMessage("FILE ERROR", "Cannot open " + target, platform::Icon::Error);
  return false;
}

// The schedule window's random-rate buttons run with the window open, which keeps the
// inflation rate fixed; the command does as they do.
bool RunOnce(const RunRequest& request, engine::RunContext& ctx, core::Scenario& scenario,
             engine::ScheduleMode mode) {
  if (!request.random) return engine::RunSimulation(ctx, scenario, mode);
  ctx.options.scheduleWindowOpen = true;
  return engine::RunWithRandomRates(ctx, scenario, *request.random, mode);
}

int Run(const RunRequest& request, std::ostream& out, ConsolePrompter& prompter) {
  core::Document document;
  if (!ReadScenarioReporting(document, request.workDir, request.scenarioPath, prompter)) {
    return kExitFailure;
  }
  auto ctx = std::make_unique<engine::RunContext>();
  ctx->options = request.options;
  SetUpRunEnvironment(*ctx, request.workDir, request.scenarioPath, request.today, request.seed,
                      prompter);
  engine::ExportFile exportFile;
  if (request.exportPath) {
    const auto path = FromCurrentDirectory(*request.exportPath);
    if (!exportFile.Open(path, engine::ExportModeForPath(path), prompter)) return kExitFailure;
    exportFile.WriteHeading(document.scenario);
    ctx->env.exportFile = &exportFile;
  }
  std::string text;
  const engine::ScheduleMode mode =
      request.printFile ? engine::ScheduleMode::PrintFile : engine::ScheduleMode::ResultsFile;
  if (!request.printFile) ctx->env.fileText = &text;
  if (!RunOnce(request, *ctx, document.scenario, mode)) return kExitFailure;
  if (request.printFile) {
    if (!request.schedule) return kExitOk;
    text = core::ReadWholeFile(core::ResolvePath(request.workDir, ".\\ptmpsch.dat")).value_or("");
  }
  return WriteText(request.schedule.value_or("-"), text, out, prompter) ? kExitOk : kExitFailure;
}

}  // namespace

bool IsRunCommandLine(const std::vector<std::string>& args) {
  return CommandWordOf(args) == "run";
}

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  RunRequest request;
  std::string problem;
  if (!Parse(args, request, problem)) {
    return ReportUsage(err, problem, kUsageText);
  }
  ConsolePrompter prompter(err, request.answerYes);
  return Run(request, out, prompter);
}

int RunScenarioCommand(const Invocation& invocation, Io& io) {
  return RunCommand(InvocationWords("run", invocation, true), io.out, io.err);
}

}  // namespace cli
