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

void AddRecentFile(RecentFiles& recent, std::string_view path) {
  if (path.size() <= 3) return;
  for (int i = kRecentFileCount - 1; i > 0; --i) recent[i] = std::move(recent[i - 1]);
  recent[0] = std::string(path.substr(0, kMaxPathLength));
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
