#include "cli/command_support.h"

#include "core/scenario_file.h"
#include "engine/random_source.h"

namespace cli {

std::filesystem::path WorkDirOrCurrent(const std::optional<std::string>& workDir) {
  std::error_code error;
  return workDir ? std::filesystem::path(*workDir) : std::filesystem::current_path(error);
}

std::filesystem::path FromCurrentDirectory(const std::string& name) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(name, error);
  return error ? std::filesystem::path(name) : absolute;
}

std::string UnknownOption(const std::string& arg) {
  if (arg.rfind("--", 0) == 0) return "unknown option " + arg;
  return "unknown option " + arg + " (a file whose name begins with \"-\" is written ./" + arg +
         ")";
}

bool TakeCommandOperand(const std::string& arg, const char* word, bool& seenCommand,
                        std::string& scenarioPath, std::string& problem) {
  if (arg.size() > 1 && arg[0] == '-') return problem = UnknownOption(arg), false;
  if (!seenCommand) {
    if (arg != word) return problem = std::string("not a ") + word + " command", false;
    seenCommand = true;
  } else if (scenarioPath.empty()) {
    scenarioPath = arg;
  } else {
    return problem = "one scenario file only", false;
  }
  return true;
}

int ReportUsage(std::ostream& err, const std::string& problem, const char* usageText) {
  err << "kxplan-cli: " << problem << '\n' << usageText;
  return kExitUsage;
}

bool ReadScenarioReporting(core::Document& document, const std::filesystem::path& workDir,
                           const std::string& scenarioPath, ConsolePrompter& prompter) {
  const std::string scenarioFile = FromCurrentDirectory(scenarioPath).string();
  if (core::ReadScenarioFile(document, workDir, scenarioFile, prompter)) return true;
  if (prompter.shownCount() == 0) {
    prompter.ShowMessage("FILE OPEN ERROR", "Cannot open " + scenarioPath + ".",
                         platform::Icon::Error);
  }
  return false;
}

void SetUpRunEnvironment(engine::RunContext& ctx, const std::filesystem::path& workDir,
                         const std::string& scenarioPath,
                         const std::optional<platform::DateTime>& today,
                         const std::optional<uint64_t>& seed, ConsolePrompter& prompter) {
  ctx.env.workDir = workDir;
  ctx.env.prompter = &prompter;
  ctx.env.today = today ? *today : platform::SystemClock().Now();
  ctx.env.scenarioName = scenarioPath;
  ctx.random.source.Seed(seed ? *seed
                              : engine::RandomSource::SeedFromClock(platform::SystemClock()));
}

std::vector<std::string> InvocationWords(const char* word, const Invocation& invocation,
                                         bool passAnswer) {
  std::vector<std::string> args = {word};
  args.insert(args.end(), invocation.operands.begin(), invocation.operands.end());
  args.push_back("--workdir");
  args.push_back(invocation.workDir.string());
  if (passAnswer && invocation.answerYes) args.push_back("--yes");
  return args;
}

}  // namespace cli
