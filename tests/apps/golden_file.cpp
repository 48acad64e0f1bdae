#include "tests/apps/golden_file.h"

#include <QtGlobal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace apps_testing {

bool MatchesGolden(const std::string& relativePath, const std::string& actual) {
  std::filesystem::path approved =
      std::filesystem::path(__FILE__).parent_path() / "../golden" / relativePath;
  std::filesystem::path fresh = approved.string() + ".new";
  std::filesystem::create_directories(approved.parent_path());
  const char* update = std::getenv("KX_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::ofstream(approved, std::ios::binary) << actual;
    return true;
  }
  std::ifstream in(approved, std::ios::binary);
  std::stringstream expected;
  expected << in.rdbuf();
  if (in && expected.str() == actual) {
    std::filesystem::remove(fresh);
    return true;
  }
  std::ofstream(fresh, std::ios::binary) << actual;
  qWarning("%s differs from its approved picture; see %s", relativePath.c_str(),
           fresh.string().c_str());
  return false;
}

}  // namespace apps_testing
