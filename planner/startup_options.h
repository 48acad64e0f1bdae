// The start-up words of the planner's command line ("NORET", "Pound", "SUMMARY", "LIGHTER",
// "GRAY", "DARKYELLOW"): each sets a switch for the life of the process.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace planner {

// How the Monte Carlo trial lines are coloured.
enum class TrialLineColour { Standard, Gray, DarkYellow };

struct StartupOptions {
  bool noRun = false;     // "NORET": every run returns at once
  bool pound = false;     // "Pound": the pound sign and the word "Pounds"
  bool summary = false;   // "SUMMARY": the yearly summary block always written
  bool lighter = false;   // "LIGHTER": colour lightening always applies
  TrialLineColour trialLines = TrialLineColour::Standard;

  const char* CurrencyWord() const { return pound ? "Pounds" : "Dollars"; }
};

// Searches the whole command line, case-sensitively, for each word anywhere in it (inside a
// longer word too). "DARKYELLOW" is looked at after "GRAY", so it wins when both are given.
StartupOptions ParseStartupWords(std::string_view commandLine);

// The program's arguments joined by blanks, as the search above sees them.
std::string JoinCommandLine(const std::vector<std::string>& arguments);

}  // namespace planner
