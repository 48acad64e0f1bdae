// Whole-file reading and safe replacing writes, and the resolution of the system's stored
// file names (".\\temp11.ret", "EXAMPLE1.RET") against the planner's working directory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// The stored name as a path below `workDir`: backslashes become separators, a leading ".\\"
// means the working directory, and relative names are taken from it. A name with backslashes
// that names an existing file as it stands is that file.
std::filesystem::path ResolvePath(const std::filesystem::path& workDir, std::string_view name);

// The file's bytes, at most `maxBytes` of them; nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path,
                                         size_t maxBytes = 16u << 20);

// For tests: make a write fail after this many bytes, as a full disk would.
struct WriteFault {
  size_t failAfterBytes = 0;
};

// Writes the bytes to a new file beside `path` and puts it in place of `path` only when the
// whole write succeeded; a failed or interrupted write leaves the old file untouched.
bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                        const WriteFault* fault = nullptr);

}  // namespace core
