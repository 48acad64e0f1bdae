#include "planner/desktop_calculator.h"

#include <unistd.h>

#include <string>
#include <system_error>
#include <vector>

namespace planner {

namespace {

constexpr const char* kCalculators[] = {"gnome-calculator", "kcalc",    "qalculate-gtk",
                                        "galculator",       "mate-calc", "xcalc"};

std::vector<std::string> Folders(std::string_view searchPath) {
  std::vector<std::string> folders;
  size_t start = 0;
  while (start <= searchPath.size()) {
    size_t colon = searchPath.find(':', start);
    if (colon == std::string_view::npos) colon = searchPath.size();
    // An empty entry is the current folder, which a program of ours never searches.
    if (colon > start) folders.emplace_back(searchPath.substr(start, colon - start));
    start = colon + 1;
  }
  return folders;
}

bool IsExecutableFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::span<const char* const> DesktopCalculatorNames() { return kCalculators; }

std::optional<std::filesystem::path> FindDesktopCalculator(std::string_view searchPath) {
  const std::vector<std::string> folders = Folders(searchPath);
  for (const char* name : kCalculators) {
    for (const std::string& folder : folders) {
      std::filesystem::path candidate = std::filesystem::path(folder) / name;
      if (IsExecutableFile(candidate)) return candidate;
    }
  }
  return std::nullopt;
}

}  // namespace planner
