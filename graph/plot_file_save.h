// Saving the planner's working plot file as a ".KXP" copy that the plotter and the comparison
// program can open later.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_chooser.h"
#include "platform/prompter.h"

namespace graph {

// The working plot file's name in the planner's working directory.
inline constexpr const char* kWorkingPlotFile = "plotinf01.tmp";

// Copies the working plot file of `workDir` to `target` (a name as the user chose it, taken
// from `workDir` when relative). Asks before overwriting and never overwrites the working file
// itself; the target is only replaced by a complete copy.
bool SavePlotFileCopy(const std::filesystem::path& workDir, const std::string& target,
                      platform::Prompter& prompter);

// "Save Graphs": asks for the name, then copies. False when cancelled or failed.
bool SaveGraphsToFile(const std::filesystem::path& workDir, platform::FileChooser& chooser,
                      platform::Prompter& prompter);

// The copy of a working plot file's text, item by item, ending in "Done" without a newline;
// nothing when its point count is not 0..99.
std::optional<std::string> CopyPlotText(std::string_view text);

}  // namespace graph
