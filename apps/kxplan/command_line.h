// kxplan's command line: the working folder, a scenario to open, the headless words and the
// answer to questions; the start-up words are searched in the whole line by the session.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kxplan {

enum class HeadlessWord { None, ExitAfterStart, Screenshot, Shortcuts, Print };

struct CommandLine {
  HeadlessWord headless = HeadlessWord::None;
  std::string screenshotDir;             // --screenshot OUTDIR
  std::optional<std::string> workDir;    // --workdir DIR
  std::optional<std::string> scenario;   // a scenario file named on the line
  bool answerYes = false;                // --yes (questions are answered No by default)
  bool userFolder = false;               // --user-folder: the user's own planner folder
  std::string words;                     // the whole line, for the start-up words
  // --print WHAT --pdf OUT.pdf [--from N] [--to M] [--copies K] [--collate]
  std::string printWhat;
  std::string pdfPath;
  int printFrom = 0;
  int printTo = -1;
  int printCopies = 1;
  bool printCollate = false;
};

// The folder the planner keeps its files in: --workdir, else with --user-folder the user's
// planner folder ("kxplanner" in the desktop's data folder, as the menu entry starts it), else
// the current directory.
std::string WorkingFolderOf(const CommandLine& line);

// False with `problem` set when the line is wrong.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& line,
                      std::string& problem);

inline constexpr const char* kUsage =
    "usage: kxplan [--workdir DIR|--user-folder] [SCENARIO.RET] [NORET] [Pound] [SUMMARY] [LIGHTER] [GRAY]\n"
    "              [DARKYELLOW]\n"
    "       kxplan --exit-after-start [--workdir DIR] [--yes|--no] [SCENARIO.RET]\n"
    "       kxplan --screenshot OUTDIR [--workdir DIR] [--yes|--no] [SCENARIO.RET]\n"
    "       kxplan --print WHAT --pdf OUT.pdf [--from N] [--to M] [--copies K] [--collate]\n"
    "              [--workdir DIR] [SCENARIO.RET]\n"
    "       kxplan --shortcuts\n";

}  // namespace kxplan
