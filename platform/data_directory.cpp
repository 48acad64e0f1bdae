#include "platform/data_directory.h"

#include <system_error>

namespace platform {
namespace {

bool IsDirectory(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_directory(path, error);
}

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// The folder of the running program; empty where the system does not say.
std::filesystem::path ProgramDirectory() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return program.parent_path();
}

}  // namespace

std::filesystem::path SuiteDataDirectory() {
  const std::filesystem::path program = ProgramDirectory();
  if (!program.empty() && IsDirectory(program / "data")) return program / "data";
  // An installed suite: the programs in PREFIX/bin, their data in PREFIX/share/kxplanner.
  const std::filesystem::path installed = program.parent_path() / kInstalledDataFolder;
  if (!program.empty() && IsDirectory(installed)) return installed;
#ifdef KX_BUILD_DATA_DIR
  if (IsDirectory(KX_BUILD_DATA_DIR)) return KX_BUILD_DATA_DIR;
#endif
  return {};
}

std::filesystem::path FindDataFile(const std::filesystem::path& workDir, std::string_view name,
                                   const std::filesystem::path& dataDir) {
  const std::filesystem::path own = workDir / name;
  if (IsFile(own)) return own;
  if (!dataDir.empty() && IsFile(dataDir / name)) return dataDir / name;
  return own;
}

std::filesystem::path FindDataFile(const std::filesystem::path& workDir, std::string_view name) {
  return FindDataFile(workDir, name, SuiteDataDirectory());
}

}  // namespace platform
