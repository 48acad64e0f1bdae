// Plot file text in the planner's layout, written here from PlotData so that the reader can be
// tested against files of known content (the planner's own writer lives with the engine).
#pragma once

#include <string>

#include "graph/plot_data.h"

namespace graph_testing {

// `savedCopy`: end with "Done" without a newline, as saved ".KXP" files do.
std::string PlotFileText(const graph::PlotData& data, bool savedCopy = false);

// The byte offset just after the row line of point `point` (0-based) in `text`.
size_t OffsetAfterRow(const std::string& text, const graph::PlotData& data, int point);

}  // namespace graph_testing
