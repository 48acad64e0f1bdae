#include "cli/rule72t_command.h"

#include <array>
#include <filesystem>
#include <optional>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_prompter.h"
#include "cli/option_values.h"
#include "core/text.h"
#include "core/text_reading.h"
#include "engine/rule72t.h"
#include "engine/rule72t_dialog.h"

namespace cli {
namespace {

constexpr const char* kUsageText =
    "usage: kxplan-cli rule72t --age A --beneficiary B --balance X --rate R\n"
    "       --table single|uniform|joint --method annuity|amortization|minimum\n"
    "       [--end-age E] [--workdir DIR]\n"
    "  --end-age E: the end age the checks compare with the age (the age when not given)\n"
    "  mort.dat and jointtab.dat are read from DIR, else from the suite's data folder\n";

constexpr std::array<const char*, 3> kTableNames = {"single", "uniform", "joint"};
constexpr std::array<const char*, 3> kMethodNames = {"annuity", "amortization", "minimum"};

struct Rule72tCommandRequest {
  std::optional<float> age, beneficiary, balance, rate, endAge;
  std::optional<int> table, method;
  std::filesystem::path workDir;
};

// A number that is the whole of the text.
std::optional<float> WholeNumber(const std::string& text) {
  size_t used = 0;
  const float value = core::LeadingFloat(text, &used);
  if (used == 0 || used != text.size()) return std::nullopt;
  return value;
}

template <size_t N>
std::optional<int> NameIndex(const std::array<const char*, N>& names, const std::string& text) {
  for (size_t i = 0; i < N; ++i) {
    if (text == names[i]) return static_cast<int>(i);
  }
  return std::nullopt;
}

struct NumberOption {
  const char* name;
  std::optional<float> Rule72tCommandRequest::*field;
};
constexpr NumberOption kNumberOptions[] = {
    {"--age", &Rule72tCommandRequest::age},
    {"--beneficiary", &Rule72tCommandRequest::beneficiary},
    {"--balance", &Rule72tCommandRequest::balance},
    {"--rate", &Rule72tCommandRequest::rate},
    {"--end-age", &Rule72tCommandRequest::endAge},
};

template <size_t N>
bool TakeName(const std::string& option, const std::string& value,
              const std::array<const char*, N>& names, std::optional<int>& index,
              std::string& problem) {
  index = NameIndex(names, value);
  if (!index) return problem = "unknown " + option.substr(2) + " " + value, false;
  return true;
}

// An option of the word at args[i]; `taken` tells whether it was one.
bool TakeOption(const std::vector<std::string>& args, size_t& i, Rule72tCommandRequest& request,
                std::optional<std::string>& workDir, std::string& problem, bool& taken) {
  taken = true;
  std::optional<std::string> value;
  if (TakeOptionValue(args, i, "--workdir", workDir)) {
    if (workDir->empty()) return problem = "--workdir needs a directory", false;
    return true;
  }
  for (const NumberOption& option : kNumberOptions) {
    if (!TakeOptionValue(args, i, option.name, value)) continue;
    request.*option.field = WholeNumber(*value);
    if (!(request.*option.field)) return problem = std::string(option.name) + " needs a number", false;
    return true;
  }
  if (TakeOptionValue(args, i, "--table", value)) {
    return TakeName("--table", *value, kTableNames, request.table, problem);
  }
  if (TakeOptionValue(args, i, "--method", value)) {
    return TakeName("--method", *value, kMethodNames, request.method, problem);
  }
  taken = false;
  return true;
}

std::string MissingOption(const Rule72tCommandRequest& request) {
  if (!request.age) return "--age";
  if (!request.beneficiary) return "--beneficiary";
  if (!request.balance) return "--balance";
  if (!request.rate) return "--rate";
  if (!request.table) return "--table";
  if (!request.method) return "--method";
  return {};
}

bool Parse(const std::vector<std::string>& args, Rule72tCommandRequest& request,
           std::string& problem) {
  bool seenCommand = false;
  std::optional<std::string> workDir;
  for (size_t i = 0; i < args.size(); ++i) {
    bool taken = false;
    if (!TakeOption(args, i, request, workDir, problem, taken)) return false;
    if (taken) continue;
    const std::string& arg = args[i];
    if (arg.size() > 1 && arg[0] == '-') return problem = "unknown option " + arg, false;
    if (seenCommand || arg != "rule72t") return problem = "unexpected word " + arg, false;
    seenCommand = true;
  }
  const std::string missing = MissingOption(request);
  if (!missing.empty()) return problem = "rule72t needs " + missing, false;
  request.workDir = WorkDirOrCurrent(workDir);
  return true;
}

int Calculate(const Rule72tCommandRequest& request, std::ostream& out, ConsolePrompter& prompter) {
  const float endAge = request.endAge ? *request.endAge : *request.age;
  if (!engine::CheckRule72tCalculation(prompter, *request.age, *request.beneficiary, endAge,
                                       *request.rate, *request.table)) {
    return kExitFailure;
  }
  const engine::Rule72tPayments payments =
      engine::Rule72tPayment(prompter, request.workDir, *request.age, *request.beneficiary,
                             *request.balance, *request.rate, *request.table, *request.method);
  // A life table that could not be read has been reported; its zeros are no answer.
  if (prompter.shownCount() > 0) return kExitFailure;
  out << core::Format("annuity %.2f\n", static_cast<double>(payments.annuity))
      << core::Format("amortization %.2f\n", static_cast<double>(payments.amortization))
      << core::Format("minimum %.2f\n", static_cast<double>(payments.minimum))
      << core::Format("payment %.2f\n", static_cast<double>(payments.payment));
  return kExitOk;
}

}  // namespace

bool IsRule72tCommandLine(const std::vector<std::string>& args) {
  return CommandWordOf(args) == "rule72t";
}

int Rule72tCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Rule72tCommandRequest request;
  std::string problem;
  if (!Parse(args, request, problem)) {
    return ReportUsage(err, problem, kUsageText);
  }
  ConsolePrompter prompter(err, false);
  return Calculate(request, out, prompter);
}

int RunRule72tCommand(const Invocation& invocation, Io& io) {
  return Rule72tCommand(InvocationWords("rule72t", invocation, false), io.out, io.err);
}

}  // namespace cli
