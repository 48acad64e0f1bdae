// The data of a graph drawn over its grid: line series, overlapped bars and 3-D bars.
#pragma once

#include <vector>

#include "graph/axis_scale.h"
#include "graph/draw_context.h"
#include "graph/graph_kind.h"
#include "graph/graph_layout.h"

namespace graph {

// One line per series over the first `set.drawnPoints` points.
void DrawLineSeries(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                    const SeriesSet& set);

// The series at each point, largest absolute value first; equal values keep their order.
std::vector<int> BarOrderAt(const SeriesSet& set, int point);

void DrawOverlappedBars(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                        const SeriesSet& set);
void Draw3DBars(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                const SeriesSet& set);

}  // namespace graph
