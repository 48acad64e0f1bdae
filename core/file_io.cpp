#include "core/file_io.h"

#include <cstdio>
#include <system_error>

#include <unistd.h>

namespace core {

std::filesystem::path ResolvePath(const std::filesystem::path& workDir, std::string_view name) {
  // A backslash is a separator in the stored names, but a letter of a file name here: an
  // existing file whose name has one is that file, not another one in a folder.
  if (name.find('\\') != std::string_view::npos) {
    std::filesystem::path asGiven{std::string(name)};
    if (!asGiven.is_absolute() && !workDir.empty()) asGiven = workDir / asGiven;
    std::error_code error;
    if (std::filesystem::exists(asGiven, error)) return asGiven;
  }
  std::string text(name);
  for (char& c : text) {
    if (c == '\\') c = '/';
  }
  while (text.rfind("./", 0) == 0) text.erase(0, 2);
  std::filesystem::path path(text);
  if (path.is_absolute() || workDir.empty()) return path;
  return workDir / path;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, size_t maxBytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string bytes;
  char buffer[8192];
  while (bytes.size() < maxBytes) {
    const size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
    const size_t got = std::fread(buffer, 1, want, file);
    bytes.append(buffer, got);
    if (got < want) break;
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return bytes;
}

bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                        const WriteFault* fault) {
  std::filesystem::path temporary = path;
  temporary += ".saving";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  size_t allowed = fault != nullptr ? std::min(fault->failAfterBytes, bytes.size()) : bytes.size();
  bool ok = std::fwrite(bytes.data(), 1, allowed, file) == allowed && allowed == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  ok = ok && fsync(fileno(file)) == 0;
  ok = std::fclose(file) == 0 && ok;
  std::error_code error;
  if (ok) {
    std::filesystem::rename(temporary, path, error);
    ok = !error;
  }
  if (!ok) std::filesystem::remove(temporary, error);
  return ok;
}

}  // namespace core
