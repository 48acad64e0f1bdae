// kxplan without a display, under the offscreen platform: the whole start-up and Exit as the
// user would choose it, or a picture of every folder and dialog on the way. Messages go to the
// error stream as "CAPTION: text"; questions are answered No, or Yes with --yes.
#pragma once

#include <ostream>

#include "apps/kxplan/command_line.h"

namespace kxplan {

// Needs a QApplication. Returns the exit code: 0 done, 1 the window did not close or a picture
// was not written.
int RunHeadless(const CommandLine& line, std::ostream& err);

}  // namespace kxplan
