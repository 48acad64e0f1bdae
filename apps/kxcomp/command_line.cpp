#include "apps/kxcomp/command_line.h"

namespace kxcomp {
namespace {

std::string JoinedCommandLine(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& arg : args) {
    if (!text.empty()) text += ' ';
    text += arg;
  }
  return text;
}

bool IsCurrencyWord(const std::string& word) { return word == "Dollars" || word == "Pounds"; }

bool ParseOption(const std::vector<std::string>& args, size_t& i, HeadlessRequest& request,
                 std::string& problem) {
  const std::string& option = args[i];
  if (i + 1 >= args.size()) return problem = option + " needs a value", false;
  const std::string& value = args[++i];
  if (std::optional<bool> taken =
          graph::TakePictureOption(option, value, request.style, request.size, problem)) {
    return *taken;
  }
  if (option == "--tab") {
    request.tab = value;
  } else {
    return problem = "unknown option " + option, false;
  }
  return true;
}

}  // namespace

const char* const kHeadlessUsage =
    "usage: kxcomp [PLOTFILE [Dollars|Pounds]]\n"
    "       kxcomp --render OUT.png|OUT.pdf [--tab TITLE] [--style lines|bars|3d] [--size WxH]\n"
    "              PLOTFILE... [Dollars|Pounds]\n"
    "       kxcomp --tabs PLOTFILE... [Dollars|Pounds]\n";

WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& args) {
  WindowCommandLine line;
  if (!args.empty() && !IsCurrencyWord(args[0])) line.plotFile = args[0];
  line.currency = graph::CurrencyFromCommandLine(JoinedCommandLine(args));
  return line;
}

bool IsHeadless(const std::vector<std::string>& args) {
  return !args.empty() && (args[0] == "--render" || args[0] == "--tabs");
}

std::optional<HeadlessRequest> ParseHeadless(const std::vector<std::string>& args,
                                             std::string& problem) {
  HeadlessRequest request;
  if (args.empty()) return problem = "no command", std::nullopt;
  size_t i = 0;
  if (args[0] == "--tabs") {
    request.word = HeadlessRequest::Word::Tabs;
  } else {
    if (args.size() < 2 || args[1].empty())
      return problem = "--render needs a file name", std::nullopt;
    request.output = args[++i];
  }
  std::vector<std::string> operands;
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
  request.currency = graph::CurrencyFromCommandLine(JoinedCommandLine(operands));
  if (!operands.empty() && IsCurrencyWord(operands.back())) operands.pop_back();
  if (operands.empty()) {
    return problem = "give one or more plot files, optionally followed by Dollars or Pounds",
           std::nullopt;
  }
  request.files = operands;
  return request;
}

}  // namespace kxcomp
