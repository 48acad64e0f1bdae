// The exit codes of the programs' headless words, the same as the planner's command line: done,
// failed, and a command line that does not parse.
#pragma once

#include <ostream>
#include <string>

namespace kxqt {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Says what is wrong with the command line and how it goes; the answer is kExitUsage.
inline int ReportUsage(std::ostream& err, const std::string& program, const std::string& problem,
                       const std::string& usage) {
  err << program << ": " << problem << '\n' << usage;
  return kExitUsage;
}

}  // namespace kxqt
