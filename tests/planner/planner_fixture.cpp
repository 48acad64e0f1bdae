#include "tests/planner/planner_fixture.h"

#include <filesystem>

namespace planner_testing {

std::string PlannerTest::CopyExample(int n, const std::string& as) {
  const std::string name = "EXAMPLE" + std::to_string(n) + ".RET";
  const std::string target = as.empty() ? name : as;
  std::filesystem::copy_file(std::filesystem::path(KX_BUILD_DATA_DIR) / name, dir / target,
                             std::filesystem::copy_options::overwrite_existing);
  return target;
}

}  // namespace planner_testing
