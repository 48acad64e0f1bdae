#include "cli/report_command.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_prompter.h"
#include "cli/option_values.h"
#include "core/file_io.h"
#include "core/scenario_file.h"
#include "engine/scenario_description.h"
#include "engine/simulation.h"
#include "reports/pagination.h"
#include "reports/report_pages.h"

namespace cli {

namespace {

constexpr const char* kReportUsage =
    "usage: kxplan-cli report SCENARIO.RET KIND [--print] [--detail AGE I|O] [--workdir DIR]\n"
    "       [--today YYYY-MM-DD] [--pound]\n"
    "  KIND: networth incoming outgoing accounts account-allocations groups group-allocations\n"
    "        incoming-events outgoing-events accounts-io (--detail: accounts-io only)\n";
constexpr const char* kPaginateUsage =
    "usage: kxplan-cli paginate SCENARIO.RET [--scenario] [--workdir DIR] [--today YYYY-MM-DD]\n"
    "       [--pound]\n";

struct Request {
  std::string scenarioPath;
  std::vector<std::string> words;  // operands after the scenario
  std::filesystem::path workDir;
  std::optional<platform::DateTime> today;
  bool print = false;
  bool scenarioListing = false;
  bool pound = false;
  std::optional<int> detailAge;
  bool detailIncoming = true;
};

bool Parse(const std::vector<std::string>& args, const char* word, Request& request,
           std::string& problem) {
  bool seenCommand = false;
  std::optional<std::string> workDir;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::optional<std::string> value;
    if (TakeWorkDirOrToday(args, i, workDir, request.today, problem)) {
      if (!problem.empty()) return false;
    } else if (arg == "--print") {
      request.print = true;
    } else if (arg == "--scenario") {
      request.scenarioListing = true;
    } else if (arg == "--pound") {
      request.pound = true;
    } else if (arg == "--detail") {
      if (i + 2 >= args.size()) return problem = "--detail needs AGE and I or O", false;
      const auto age = ParseUnsigned(args[i + 1]);
      const std::string& side = args[i + 2];
      if (!age || *age > 120 || (side != "I" && side != "O")) {
        return problem = "--detail needs a whole age and I or O", false;
      }
      request.detailAge = static_cast<int>(*age);
      request.detailIncoming = side == "I";
      i += 2;
    } else if (!arg.empty() && arg[0] == '-') {
      return problem = "unknown option " + arg, false;
    } else if (!seenCommand) {
      if (arg != word) return problem = std::string("expected ") + word, false;
      seenCommand = true;
    } else if (request.scenarioPath.empty()) {
      request.scenarioPath = arg;
    } else {
      request.words.push_back(arg);
    }
  }
  if (request.scenarioPath.empty()) return problem = "no scenario file given", false;
  request.workDir = WorkDirOrCurrent(workDir);
  return true;
}

// Reads and runs the scenario as the planner runs it after every change.
struct LoadedRun {
  core::Document document;
  std::unique_ptr<engine::RunContext> ctx = std::make_unique<engine::RunContext>();
};

bool LoadAndRun(const Request& request, ConsolePrompter& prompter, engine::ScheduleMode mode,
                LoadedRun& run) {
  if (!ReadScenarioReporting(run.document, request.workDir, request.scenarioPath, prompter)) {
    return false;
  }
  run.ctx->options.pound = request.pound;
  SetUpRunEnvironment(*run.ctx, request.workDir, request.scenarioPath, request.today, std::nullopt,
                      prompter);
  return engine::RunSimulation(*run.ctx, run.document.scenario, mode);
}

}  // namespace

bool IsReportCommandLine(const std::vector<std::string>& args) {
  return CommandWordOf(args) == "report";
}
bool IsPaginateCommandLine(const std::vector<std::string>& args) {
  return CommandWordOf(args) == "paginate";
}

int ReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Request request;
  std::string problem;
  if (!Parse(args, "report", request, problem)) return ReportUsage(err, problem, kReportUsage);
  if (request.words.size() != 1) return ReportUsage(err, "one report KIND is needed", kReportUsage);
  const auto kind = reports::ReportKindFromWord(request.words[0]);
  if (!kind) return ReportUsage(err, "unknown report " + request.words[0], kReportUsage);
  if (request.detailAge && *kind != reports::ReportKind::AccountsIo) {
    return ReportUsage(err, "--detail belongs to accounts-io", kReportUsage);
  }
  ConsolePrompter prompter(err, false);
  LoadedRun run;
  if (!LoadAndRun(request, prompter, engine::ScheduleMode::List, run)) return kExitFailure;
  reports::ReportSource source;
  source.results = &run.ctx->results;
  source.scenario = &run.document.scenario;
  source.currentAge = run.ctx->currentAge;
  source.currencyWord = run.ctx->CurrencyWord();
  source.workDir = request.workDir;
  source.prompter = &prompter;
  const int pages = request.detailAge ? reports::BuildAccountsIoDetail(source, *request.detailAge,
                                                                       request.detailIncoming)
                                      : reports::BuildReport(source, *kind, !request.print);
  out << pages << "\n";
  return pages > 0 ? kExitOk : kExitFailure;
}

int PaginateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Request request;
  std::string problem;
  if (!Parse(args, "paginate", request, problem)) {
    return ReportUsage(err, problem, kPaginateUsage);
  }
  if (!request.words.empty()) return ReportUsage(err, "too many operands", kPaginateUsage);
  ConsolePrompter prompter(err, false);
  LoadedRun run;
  if (request.scenarioListing) {
    if (!LoadAndRun(request, prompter, engine::ScheduleMode::List, run)) return kExitFailure;
    std::string text;
    engine::WriteScenarioDescription(run.document.scenario, run.ctx->currentAge, request.pound,
                                     [&](std::string_view line, int) {
                                       text.append(line);
                                       text += '\n';
                                     });
    if (!core::WriteFileReplacing(core::ResolvePath(request.workDir, reports::kPrintFile), text)) {
      prompter.ShowMessage("FILE ERROR", "Cannot open temporary print file", platform::Icon::Error);
      return kExitFailure;
    }
  } else if (!LoadAndRun(request, prompter, engine::ScheduleMode::PrintFile, run)) {
    return kExitFailure;
  }
  const int pages =
      reports::Paginate(request.workDir,
                        request.scenarioListing ? reports::PaginationVariant::Scenario
                                                : reports::PaginationVariant::Schedule,
                        &prompter);
  out << pages << "\n";
  return pages > 0 ? kExitOk : kExitFailure;
}

int RunReportCommand(const Invocation& invocation, Io& io) {
  return ReportCommand(InvocationWords("report", invocation, false), io.out, io.err);
}

int RunPaginateCommand(const Invocation& invocation, Io& io) {
  return PaginateCommand(InvocationWords("paginate", invocation, false), io.out, io.err);
}

}  // namespace cli
