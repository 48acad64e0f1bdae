#include "planner/example_scenarios.h"

#include <system_error>

#include "core/settings.h"
#include "platform/data_directory.h"

namespace planner {

int CopyMissingExamples(const std::filesystem::path& workDir,
                        const std::filesystem::path& dataDir) {
  const std::filesystem::path from = dataDir.empty() ? platform::SuiteDataDirectory() : dataDir;
  if (from.empty()) return 0;
  int copied = 0;
  for (const char* name : core::kExampleScenarios) {
    std::error_code error;
    if (std::filesystem::exists(workDir / name, error)) continue;
    if (std::filesystem::copy_file(from / name, workDir / name, error)) ++copied;
  }
  return copied;
}

}  // namespace planner
