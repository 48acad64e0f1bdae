// The calculator without a window: "--schedule" prints the schedule, one line per year
// ("%.1f %.2f %.2f": age, balance, withdrawal); "--render" draws the two graphs into a PNG.
// Messages go to the error stream as "CAPTION: text".
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "graph/graph_names.h"

namespace kxrule {

// The size of a rendered picture: the graph half of the window as it opens.
constexpr graph::ImageSize kRenderSize{360, 420};

// Life tables are read from `workDir` first. "--render" needs a QGuiApplication (the offscreen
// platform will do). Returns the process exit code: 0 done, 1 a check failed, a life table was
// missing or the picture could not be written, 2 the command line was wrong.
int RunHeadless(const std::vector<std::string>& args, const std::filesystem::path& workDir,
                std::ostream& out, std::ostream& err);

}  // namespace kxrule
