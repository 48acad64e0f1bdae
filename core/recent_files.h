// The six most recently used scenario files, most recent first, and the File menu entries that
// reopen them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace core {

inline constexpr int kRecentFileCount = 6;
// The longest path kept: what the file system takes (PATH_MAX less its NUL). A longer one, or
// one with a line break or a NUL in it, could only be stored cut into another file's name, so
// it is refused instead.
inline constexpr size_t kMaxPathLength = 4095;
// The command of recent entry k (1..6) is kRecentFileCommands[k - 1].
inline constexpr int kRecentFileCommands[kRecentFileCount] = {602, 603, 604, 605, 606, 609};

using RecentFiles = std::array<std::string, kRecentFileCount>;

// Whether `path` can be kept whole as one line of "finance.dat" and one menu entry.
bool IsStorablePath(std::string_view path);

// Makes `path` entry 1 (the others move down, the sixth drops off) and removes every later
// entry that names the same file in other letter case. Paths of 3 characters or fewer are
// ignored and paths that are not storable refused; both leave the list as it was and give
// false.
bool AddRecentFile(RecentFiles& recent, std::string_view path);

struct MenuEntry {
  std::string text;
  int command = 0;
};

// The entries as the File menu shows them from top to bottom: "(k) path" for the leading
// non-empty entries, the highest number first. The window puts a separator above them when
// there are any.
std::vector<MenuEntry> RecentFileMenu(const RecentFiles& recent);

}  // namespace core
