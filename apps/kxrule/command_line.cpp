#include "apps/kxrule/command_line.h"

namespace kxrule {
namespace {

std::string Joined(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& arg : args) {
    if (!text.empty()) text += ' ';
    text += arg;
  }
  return text;
}

std::optional<LifeTable> TableNamed(const std::string& name) {
  if (name == "single") return LifeTable::Single;
  if (name == "uniform") return LifeTable::Uniform;
  if (name == "joint") return LifeTable::Joint;
  return std::nullopt;
}

std::optional<Method> MethodNamed(const std::string& name) {
  if (name == "annuity") return Method::Annuity;
  if (name == "amortization") return Method::Amortization;
  if (name == "minimum") return Method::Minimum;
  return std::nullopt;
}

// The text field an option fills, or nothing for the options that choose.
std::string* TextFieldOf(const std::string& option, CalculatorFields& fields) {
  if (option == "--age") return &fields.age;
  if (option == "--beneficiary") return &fields.beneficiaryAge;
  if (option == "--end") return &fields.endAge;
  if (option == "--rate") return &fields.rate;
  if (option == "--balance") return &fields.balance;
  return nullptr;
}

bool ParseOption(const std::string& option, const std::string& value, CalculatorFields& fields,
                 std::string& problem) {
  if (std::string* field = TextFieldOf(option, fields)) {
    *field = value;
  } else if (option == "--table") {
    std::optional<LifeTable> table = TableNamed(value);
    if (!table) return problem = "unknown life table " + value, false;
    fields.table = *table;
  } else if (option == "--method") {
    std::optional<Method> method = MethodNamed(value);
    if (!method) return problem = "unknown method " + value, false;
    fields.method = *method;
  } else {
    return problem = "unknown option " + option, false;
  }
  return true;
}

bool IsCurrencyWord(const std::string& word) { return word == "Dollars" || word == "Pounds"; }

}  // namespace

const char* const kHeadlessUsage =
    "usage: kxrule [Dollars|Pounds]\n"
    "       kxrule --render OUT.png [fields] [Dollars|Pounds]\n"
    "       kxrule --schedule [fields] [Dollars|Pounds]\n"
    "fields: --age A --beneficiary B --end E --rate R --balance X\n"
    "        --table single|uniform|joint --method annuity|amortization|minimum\n";

graph::Currency CurrencyOfCommandLine(const std::vector<std::string>& args) {
  return graph::CurrencyFromCommandLine(Joined(args));
}

bool IsHeadless(const std::vector<std::string>& args) {
  return !args.empty() && (args[0] == "--render" || args[0] == "--schedule");
}

std::optional<HeadlessRequest> ParseHeadless(const std::vector<std::string>& args,
                                             std::string& problem) {
  if (!IsHeadless(args)) return problem = "no command", std::nullopt;
  HeadlessRequest request;
  request.fields.endAge.clear();
  size_t i = 1;
  if (args[0] == "--schedule") {
    request.word = HeadlessRequest::Word::Schedule;
  } else {
    if (i >= args.size() || args[i].empty() || args[i].rfind("--", 0) == 0) {
      return problem = "--render needs a file name", std::nullopt;
    }
    request.output = args[i++];
  }
  std::vector<std::string> words;
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (IsCurrencyWord(arg)) {
      words.push_back(arg);
    } else if (arg.rfind("--", 0) != 0) {
      return problem = "unexpected " + arg, std::nullopt;
    } else if (i + 1 >= args.size()) {
      return problem = arg + " needs a value", std::nullopt;
    } else if (!ParseOption(arg, args[i + 1], request.fields, problem)) {
      return std::nullopt;
    } else {
      ++i;
    }
  }
  request.currency = CurrencyOfCommandLine(words);
  return request;
}

}  // namespace kxrule
