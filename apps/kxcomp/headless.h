// The comparison without a window: "--render" draws what the window would show into a PNG (or
// the printed page into a PDF), "--tabs" lists the tab titles. Read failures go to the error
// stream as "CAPTION: text".
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kxcomp {

// Needs a QGuiApplication (the offscreen platform will do). Returns the process exit code:
// 0 done, 1 a file could not be read or the output not written, 2 the command line was wrong.
int RunHeadless(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kxcomp
