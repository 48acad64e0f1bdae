// What a held mouse button reads off a drawn graph: a value off the plot, a pie slice with its
// value, or the value of a row of the pie's list; and the framed label that shows it.
#pragma once

#include <optional>
#include <string>

#include "graph/draw_graph.h"

namespace graph {

struct Readout {
  enum class Kind { Value, Slice, ListRow } kind = Kind::Value;
  Point at;
  std::string first;   // Latin-1
  std::string second;  // the slice's value under its name
};

// Nothing where no value can be read; 3-D bars show none, as a value read off them would not
// be the value of any bar face.
std::optional<Readout> ReadoutAt(const DrawnGraph& drawn, PlotStyle style, int x, int y,
                                 Currency currency);
// Whether the pointer stands where a click reads something (the cursor is a cross there).
bool OverSomethingReadable(const DrawnGraph& drawn, int x, int y);
// The label of a read-out in bold "Tms Rmn" sized to the graph text of `fontHeight`.
void DrawReadout(Canvas& canvas, const Readout& readout, int fontHeight);

}  // namespace graph
