// A fresh temporary directory per test, removed afterwards; tests never change the process's
// current directory.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testing_support {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
  // Writes bytes to a file in the directory and returns its path.
  std::filesystem::path Write(std::string_view name, std::string_view bytes) const;
  // The bytes of a file in the directory ("" when missing).
  std::string Read(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace testing_support
