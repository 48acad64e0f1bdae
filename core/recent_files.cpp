#include "core/recent_files.h"

#include "core/text.h"

namespace core {

namespace {

// Removes entry `index`: the entries behind it move up and the last becomes empty.
void RemoveEntry(RecentFiles& recent, int index) {
  for (int i = index; i + 1 < kRecentFileCount; ++i) recent[i] = std::move(recent[i + 1]);
  recent[kRecentFileCount - 1].clear();
}

}  // namespace

bool IsStorablePath(std::string_view path) {
  return path.size() <= kMaxPathLength &&
         path.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool AddRecentFile(RecentFiles& recent, std::string_view path) {
  if (path.size() <= 3 || !IsStorablePath(path)) return false;
  for (int i = kRecentFileCount - 1; i > 0; --i) recent[i] = std::move(recent[i - 1]);
  recent[0] = std::string(path);
  for (int i = 0; i + 1 < kRecentFileCount; ++i) {
    if (recent[i].empty()) continue;
    for (int later = i + 1; later < kRecentFileCount;) {
      if (EqualsNoCase(recent[later], recent[i])) {
        RemoveEntry(recent, later);  // the entry now at `later` is checked next
      } else {
        ++later;
      }
    }
  }
  return true;
}

std::vector<MenuEntry> RecentFileMenu(const RecentFiles& recent) {
  int leading = 0;
  while (leading < kRecentFileCount && !recent[leading].empty()) ++leading;
  std::vector<MenuEntry> menu;
  for (int k = leading; k >= 1; --k) {
    menu.push_back(MenuEntry{Format("(%d) ", k) + recent[k - 1], kRecentFileCommands[k - 1]});
  }
  return menu;
}

}  // namespace core
