// Reading a plot file (the planner's working file or a saved ".KXP" copy) into PlotData. Any
// text reads without harm: a file cut short ends at its last complete item, and more accounts
// or points than the tables hold are read past, not stored.
#pragma once

#include <filesystem>
#include <string_view>

#include "graph/plot_data.h"
#include "platform/prompter.h"

namespace graph {

enum class PlotParse { Ok, NotValid };

// Fills `data` from the text of a plot file; on NotValid `data` is left as it was.
PlotParse ParsePlotText(std::string_view text, PlotData& data);

// Reads the named file. On failure the message is shown and `data` keeps what it held.
bool ReadPlotFile(const std::filesystem::path& path, PlotData& data,
                  platform::Prompter& prompter);

}  // namespace graph
