// "prefinf.dat": the window placement and display options, one PageSettings record.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "core/file_io.h"
#include "core/settings.h"
#include "core/text.h"

namespace core {

namespace {

constexpr int kMaxStoredEdge = 300;  // a window stored further out may be off the screen

int EdgeOnScreen(int edge) { return edge < 0 || edge > kMaxStoredEdge ? 0 : edge; }

int32_t Distance(int from, int to) {
  const int64_t distance = std::llabs(static_cast<int64_t>(to) - from);
  return static_cast<int32_t>(std::min<int64_t>(distance, std::numeric_limits<int32_t>::max()));
}

}  // namespace

PageSettings ReadWindowPrefs(const std::filesystem::path& workDir, Scenario& scenario) {
  PageSettings prefs{};
  prefs.marginLeft = kDefaultMarginLeft;
  prefs.marginTop = kDefaultMarginTop;
  prefs.marginRight = kDefaultMarginRight;
  prefs.marginBottom = kDefaultMarginBottom;
  prefs.printOption = kDefaultPrintOption;
  CopyText(scenario.fonts[0].faceName, "Lucida");
  const std::optional<std::string> bytes =
      ReadWholeFile(ResolvePath(workDir, kWindowPrefsFile), sizeof prefs);
  // Part of a record would mix stored values with defaults: a short file counts as none.
  if (bytes && bytes->size() == sizeof prefs) {
    std::memcpy(&prefs, bytes->data(), sizeof prefs);
    prefs.windowLeft = EdgeOnScreen(prefs.windowLeft);
    prefs.windowTop = EdgeOnScreen(prefs.windowTop);
  }
  prefs.colorBanding = 1;
  return prefs;
}

bool WriteWindowPrefs(const std::filesystem::path& workDir, PageSettings prefs,
                      const WindowRect& window) {
  prefs.windowLeft = window.left;
  prefs.windowTop = window.top;
  prefs.windowWidth = Distance(window.left, window.right);
  prefs.windowHeight = Distance(window.top, window.bottom);
  const std::string bytes(reinterpret_cast<const char*>(&prefs), sizeof prefs);
  return WriteFileReplacing(ResolvePath(workDir, kWindowPrefsFile), bytes);
}

}  // namespace core
