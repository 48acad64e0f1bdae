// The viewer without a display: "--render OUT.png [FILE]" draws the window as it first shows
// FILE ("stats.dat" in the working directory when none is given). A file that cannot be read
// goes to the error stream as "CAPTION: text".
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kxviewer {

bool IsViewerHeadless(const std::vector<std::string>& args);
// Needs a QApplication (the offscreen platform will do). Returns the exit code: 0 done, 1 the
// file could not be read or the image not written, 2 the command line was wrong.
int RunViewerHeadless(const std::vector<std::string>& args, std::ostream& err);

}  // namespace kxviewer
