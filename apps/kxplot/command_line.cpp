#include "apps/kxplot/command_line.h"

#include <charconv>

#include "graph/format_money.h"

namespace kxplot {
namespace {

std::string JoinedCommandLine(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& arg : args) {
    if (!text.empty()) text += ' ';
    text += arg;
  }
  return text;
}

std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || stop != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

// The value after an option, or nothing when the option ends the line.
std::optional<std::string> ValueAfter(const std::vector<std::string>& args, size_t& i) {
  if (i + 1 >= args.size()) return std::nullopt;
  return args[++i];
}

bool ParseOption(const std::vector<std::string>& args, size_t& i, HeadlessRequest& request,
                 std::string& problem) {
  const std::string& option = args[i];
  std::optional<std::string> value = ValueAfter(args, i);
  if (!value) return problem = option + " needs a value", false;
  if (std::optional<bool> taken =
          graph::TakePictureOption(option, *value, request.style, request.size, problem)) {
    return *taken;
  }
  if (option == "--kind") {
    std::optional<graph::GraphKind> kind = graph::GraphKindFromName(*value);
    if (!kind) return problem = "unknown graph kind " + *value, false;
    request.kind = *kind;
  } else if (option == "--first") {
    std::optional<int> first = WholeNumber(*value);
    if (!first) return problem = "--first needs an account number from 0", false;
    request.firstAccount = *first;
  } else {
    return problem = "unknown option " + option, false;
  }
  return true;
}

}  // namespace

const char* const kHeadlessUsage =
    "usage: kxplot [PLOTFILE [Dollars|Pounds]]\n"
    "       kxplot --render OUT.png|OUT.pdf [--kind networth|incoming-outgoing|incoming|"
    "outgoing|accounts|groups]\n"
    "              [--first N] [--style lines|bars|3d] [--size WxH] PLOTFILE [Dollars|Pounds]\n"
    "       kxplot --tabs PLOTFILE\n";

WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& args) {
  WindowCommandLine line;
  if (!args.empty()) line.plotFile = graph::DataFileFromArguments(args, args[0]);
  line.currency = graph::CurrencyFromCommandLine(JoinedCommandLine(args));
  return line;
}

bool IsHeadless(const std::vector<std::string>& args) {
  return !args.empty() && (args[0] == "--render" || args[0] == "--tabs");
}

std::optional<HeadlessRequest> ParseHeadless(const std::vector<std::string>& args,
                                             std::string& problem) {
  HeadlessRequest request;
  std::vector<std::string> operands;
  size_t i = 0;
  if (args.empty()) return problem = "no command", std::nullopt;
  if (args[0] == "--tabs") {
    request.word = HeadlessRequest::Word::Tabs;
  } else {
    std::optional<std::string> output = ValueAfter(args, i);
    if (!output || output->empty()) return problem = "--render needs a file name", std::nullopt;
    request.output = *output;
  }
  for (++i; i < args.size(); ++i) {
    if (args[i].size() > 1 && args[i].rfind("--", 0) == 0) {
      if (request.word == HeadlessRequest::Word::Tabs) {
        return problem = "--tabs takes no options", std::nullopt;
      }
      if (!ParseOption(args, i, request, problem)) return std::nullopt;
    } else {
      operands.push_back(args[i]);
    }
  }
  if (operands.empty() || operands.size() > 2) {
    return problem = "give one plot file, optionally followed by Dollars or Pounds", std::nullopt;
  }
  request.plotFile = operands[0];
  request.currency = graph::CurrencyFromCommandLine(JoinedCommandLine(operands));
  return request;
}

}  // namespace kxplot
