// What every file-reading fuzz target needs: a scratch folder of its own, removed at exit, and
// a way to put the fuzzer's bytes into a file there.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace fuzz_support {

// Where scratch folders go: memory when the system has it (/dev/shm), since the readers'
// writes end in fsync and a disk would make each input take milliseconds; else the usual
// temporary folder.
inline std::filesystem::path ScratchParent() {
  std::error_code error;
  if (std::filesystem::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0) {
    return "/dev/shm";
  }
  return std::filesystem::temp_directory_path();
}

// One scratch folder per process. The path is never destroyed, so that the exit handler can
// still use it.
inline const std::filesystem::path& ScratchDir() {
  static const std::filesystem::path* const dir = [] {
    std::string pattern = (ScratchParent() / "kx-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    return new std::filesystem::path(pattern);
  }();
  static const bool cleanupRegistered = std::atexit([] {
    std::error_code error;
    std::filesystem::remove_all(*dir, error);
  }) == 0;
  (void)cleanupRegistered;
  return *dir;
}

inline void WriteInput(const std::filesystem::path& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace fuzz_support
