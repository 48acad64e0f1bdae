// The raised frame drawn round the graph, its legend, its lists and its value labels.
#pragma once

#include "graph/draw_context.h"

namespace graph {

// A frame of `width` x `height` at (x, y): an optional 4-pixel grey shadow right and below,
// white outside the top and left, grey inside them, a black outline, white inside the right
// and bottom.
void DrawRaisedFrame(DrawContext& context, int x, int y, int width, int height, bool shadow);

}  // namespace graph
