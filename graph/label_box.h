// Small framed value labels: the mouse read-outs of the graphs and of the pie.
#pragma once

#include <string>

#include "graph/draw_context.h"

namespace graph {

// Each returns the rectangle the box covers, frame and shadow included, so that a window can
// put back what was under it.
Rect DrawLabelRightAligned(DrawContext& context, int x, int y, const std::string& text);
Rect DrawLabelLeftAligned(DrawContext& context, int x, int y, const std::string& text);
Rect DrawTwoLineLabelRightAligned(DrawContext& context, int x, int y, const std::string& first,
                                  const std::string& second);

// The same in bold "Tms Rmn" of `size` - 4 pixels, the read-out font.
Font ReadoutFont(int size);
Rect DrawReadoutRightAligned(DrawContext& context, int size, int x, int y,
                             const std::string& text);
Rect DrawReadoutLeftAligned(DrawContext& context, int size, int x, int y,
                            const std::string& text);
Rect DrawTwoLineReadoutRightAligned(DrawContext& context, int size, int x, int y,
                                    const std::string& first, const std::string& second);

}  // namespace graph
