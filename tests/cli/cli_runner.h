// Runs kxplan-cli in-process, as a test would from a shell, and keeps what it wrote.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace cli_testing {

struct CliResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the words with "--workdir DIR" in front, so that every file lives in the test's directory.
inline CliResult RunIn(const std::filesystem::path& workDir, std::vector<std::string> words) {
  words.insert(words.begin(), {"--workdir", workDir.string()});
  std::ostringstream out;
  std::ostringstream err;
  CliResult result;
  result.exitCode = cli::RunCli(words, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

// The JSON source of example scenario n, as checked in.
inline std::string ExampleSource(int n) {
  return std::string(KX_SOURCE_DATA_DIR) + "/examples/EXAMPLE" + std::to_string(n) + ".json";
}

inline constexpr int kExampleCount = 6;

}  // namespace cli_testing
