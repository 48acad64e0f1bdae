#include "planner/startup_options.h"

namespace planner {

StartupOptions ParseStartupWords(std::string_view commandLine) {
  const auto has = [commandLine](std::string_view word) {
    return commandLine.find(word) != std::string_view::npos;
  };
  StartupOptions options;
  options.noRun = has("NORET");
  options.pound = has("Pound");
  options.summary = has("SUMMARY");
  options.lighter = has("LIGHTER");
  if (has("GRAY")) options.trialLines = TrialLineColour::Gray;
  if (has("DARKYELLOW")) options.trialLines = TrialLineColour::DarkYellow;
  return options;
}

std::string JoinCommandLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    line += argument;
  }
  return line;
}

}  // namespace planner
