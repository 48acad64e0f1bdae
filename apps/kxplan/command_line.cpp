#include "apps/kxplan/command_line.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "planner/startup_options.h"

namespace kxplan {

namespace {

bool EndsWithScenarioExtension(const std::string& arg) {
  if (arg.size() < 4) return false;
  std::string tail = arg.substr(arg.size() - 4);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".ret";
}

bool IsScenarioOperand(const std::string& arg) {
  std::error_code error;
  return EndsWithScenarioExtension(arg) || std::filesystem::is_regular_file(arg, error);
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& line,
                      std::string& problem) {
  line.words = planner::JoinCommandLine(args);
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](const char* option) -> const std::string* {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        problem = std::string(option) + " needs a value";
        return nullptr;
      }
      return &args[++i];
    };
    if (arg == "--workdir") {
      const std::string* dir = value("--workdir");
      if (dir == nullptr) return false;
      line.workDir = *dir;
    } else if (arg == "--screenshot") {
      const std::string* dir = value("--screenshot");
      if (dir == nullptr) return false;
      line.headless = HeadlessWord::Screenshot;
      line.screenshotDir = *dir;
    } else if (arg == "--print") {
      const std::string* what = value("--print");
      if (what == nullptr) return false;
      line.headless = HeadlessWord::Print;
      line.printWhat = *what;
    } else if (arg == "--pdf") {
      const std::string* path = value("--pdf");
      if (path == nullptr) return false;
      line.pdfPath = *path;
    } else if (arg == "--from" || arg == "--to" || arg == "--copies") {
      const std::string* text = value(arg.c_str());
      if (text == nullptr) return false;
      char* end = nullptr;
      const long number = std::strtol(text->c_str(), &end, 10);
      if (*end != '\0' || number < 0 || number > 9999) {
        problem = arg + " needs a whole number";
        return false;
      }
      (arg == "--from" ? line.printFrom : arg == "--to" ? line.printTo : line.printCopies) =
          static_cast<int>(number);
    } else if (arg == "--collate") {
      line.printCollate = true;
    } else if (arg == "--exit-after-start") {
      line.headless = HeadlessWord::ExitAfterStart;
    } else if (arg == "--shortcuts") {
      line.headless = HeadlessWord::Shortcuts;
    } else if (arg == "--user-folder") {
      line.userFolder = true;
    } else if (arg == "--yes" || arg == "--no") {
      line.answerYes = arg == "--yes";
    } else if (arg.rfind("--", 0) == 0) {
      problem = "unknown option " + arg;
      return false;
    } else if (!line.scenario && IsScenarioOperand(arg)) {
      line.scenario = arg;
    }
    // Any other word may be a start-up word; the session looks for those in `words`.
  }
  if (line.headless == HeadlessWord::Print && line.pdfPath.empty()) {
    problem = "--print needs --pdf OUT.pdf";
    return false;
  }
  if (line.printCopies < 1) {
    problem = "--copies needs 1 or more";
    return false;
  }
  return true;
}

std::string WorkingFolderOf(const CommandLine& line) {
  if (line.workDir) return *line.workDir;
  if (line.userFolder) {
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (data != nullptr && *data != '\0') return (std::filesystem::path(data) / "kxplanner").string();
    if (home != nullptr && *home != '\0') {
      return (std::filesystem::path(home) / ".local/share/kxplanner").string();
    }
  }
  std::error_code error;
  return std::filesystem::current_path(error).string();
}

}  // namespace kxplan
