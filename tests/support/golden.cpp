#include "tests/support/golden.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace testing_support {
namespace {

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace

testing::AssertionResult MatchesGolden(const std::string& relativePath, const std::string& actual) {
  const std::filesystem::path approved = std::filesystem::path(KX_GOLDEN_DIR) / relativePath;
  const std::filesystem::path fresh = approved.string() + ".new";
  const char* update = std::getenv("KX_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    WriteBytes(approved, actual);
    std::filesystem::remove(fresh);
    return testing::AssertionSuccess() << "approved " << approved;
  }
  std::ifstream in(approved, std::ios::binary);
  std::stringstream expected;
  expected << in.rdbuf();
  if (in && expected.str() == actual) {
    std::filesystem::remove(fresh);
    return testing::AssertionSuccess();
  }
  WriteBytes(fresh, actual);
  return testing::AssertionFailure()
         << (in ? "differs from " : "no approved file ") << approved << "; new output in " << fresh
         << " (KX_UPDATE_GOLDEN=1 approves it)";
}

}  // namespace testing_support
