#include "cli/option_values.h"

#include <charconv>
#include <cstdio>

namespace cli {

bool TakeOptionValue(const std::vector<std::string>& args, size_t& i, const char* name,
                     std::optional<std::string>& value) {
  const std::string& arg = args[i];
  const std::string prefix = std::string(name) + "=";
  if (arg.rfind(prefix, 0) == 0) {
    value = arg.substr(prefix.size());
    return true;
  }
  if (arg != name) return false;
  if (i + 1 < args.size()) value = args[++i];
  else value = std::string();
  return true;
}

bool TakeWorkDirOrToday(const std::vector<std::string>& args, size_t& i,
                        std::optional<std::string>& workDir,
                        std::optional<platform::DateTime>& today, std::string& problem) {
  std::optional<std::string> date;
  if (TakeOptionValue(args, i, "--workdir", workDir)) {
    if (workDir->empty()) problem = "--workdir needs a directory";
    return true;
  }
  if (!TakeOptionValue(args, i, "--today", date)) return false;
  today = ParseDateOption(*date);
  if (!today) problem = "--today needs a date YYYY-MM-DD";
  return true;
}

std::optional<platform::DateTime> ParseDateOption(const std::string& text) {
  int year = 0, month = 0, day = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &tail) != 3) {
    return std::nullopt;
  }
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
  return platform::DateTime{year, month, day, 12, 0, 0};
}

std::optional<int64_t> ParseWholeNumber(const std::string& text, int64_t low, int64_t high) {
  int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

std::optional<uint64_t> ParseUnsigned(const std::string& text) {
  uint64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string CommandWordOf(const std::vector<std::string>& args) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--workdir") {
      ++i;
      continue;
    }
    if (!arg.empty() && arg[0] == '-') continue;
    return arg;
  }
  return std::string();
}

}  // namespace cli
