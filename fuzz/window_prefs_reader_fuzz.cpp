// Fuzz target of the window-preferences reader: any bytes as "prefinf.dat". Only a whole
// record is taken (a shorter file gives the defaults); its left and top edges come out within
// 0..300, colour banding on, the first font named "Lucida", and every other field as stored.
// Writing the preferences back and reading them again changes nothing more.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>

#include "core/settings.h"
#include "core/text.h"
#include "fuzz/fuzz_scratch.h"

namespace {

using fuzz_support::ScratchDir;
using fuzz_support::WriteInput;

void Require(bool holds) {
  if (!holds) std::abort();
}

// Equal apart from the three fields the reader sets itself.
bool SameApartFromLiveFields(core::PageSettings a, core::PageSettings b) {
  a.windowLeft = b.windowLeft = 0;
  a.windowTop = b.windowTop = 0;
  a.colorBanding = b.colorBanding = 0;
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckRead(const core::PageSettings& prefs, const core::Scenario& scenario) {
  Require(prefs.windowLeft >= 0 && prefs.windowLeft <= 300);
  Require(prefs.windowTop >= 0 && prefs.windowTop <= 300);
  Require(prefs.colorBanding == 1);
  Require(core::TextOf(scenario.fonts[0].faceName) == "Lucida");
}

// The far edge of a window of the stored size, held to what an int can say.
int FarEdge(int32_t edge, int32_t size) {
  const int64_t far = static_cast<int64_t>(edge) + size;
  return static_cast<int>(
      std::clamp<int64_t>(far, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = ScratchDir();
  WriteInput(dir / core::kWindowPrefsFile, data, size);

  core::Scenario scenario = core::MakeNewScenario();
  const core::PageSettings prefs = core::ReadWindowPrefs(dir, scenario);
  CheckRead(prefs, scenario);
  core::PageSettings stored{};
  if (size >= sizeof stored) {  // the record is the file's first 152 bytes
    std::memcpy(&stored, data, sizeof stored);
    Require(SameApartFromLiveFields(prefs, stored));
    if (stored.windowLeft >= 0 && stored.windowLeft <= 300) {
      Require(prefs.windowLeft == stored.windowLeft);
    }
  } else {
    Require(prefs.marginLeft == core::kDefaultMarginLeft && prefs.windowWidth == 0);
  }

  // The window as the preferences place it, written at close and read at the next start.
  const core::WindowRect window{prefs.windowLeft, prefs.windowTop,
                                FarEdge(prefs.windowLeft, prefs.windowWidth),
                                FarEdge(prefs.windowTop, prefs.windowHeight)};
  Require(core::WriteWindowPrefs(dir, prefs, window));
  core::Scenario next = core::MakeNewScenario();
  const core::PageSettings reread = core::ReadWindowPrefs(dir, next);
  CheckRead(reread, next);
  Require(reread.windowLeft == prefs.windowLeft && reread.windowTop == prefs.windowTop);
  Require(reread.marginLeft == prefs.marginLeft && reread.printOption == prefs.printOption);
  return 0;
}
