// The grid of a graph (flat, or with the back wall of the 3-D style) and its axis labels:
// money down the left, ages along the bottom.
#pragma once

#include <vector>

#include "graph/axis_scale.h"
#include "graph/draw_context.h"
#include "graph/graph_layout.h"
#include "graph/plot_data.h"

namespace graph {

void DrawFlatGrid(DrawContext& context, const GraphLayout& layout);
// Returns the y of the top line of the back wall.
int Draw3DGrid(DrawContext& context, const GraphLayout& layout);

// Every how many divisions a money label stands, so that labels do not overlap.
int LabelStepOf(const GraphLayout& layout);

void DrawFlatAxisLabels(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                        const PlotData& data, Currency currency);
void Draw3DAxisLabels(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                      const PlotData& data, Currency currency);

// The same with the x axis counting something other than ages (months, periods): `xValues`
// holds the number of every point.
void DrawFlatAxisLabels(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                        const std::vector<float>& xValues, Currency currency);
void Draw3DAxisLabels(DrawContext& context, const GraphLayout& layout, const AxisScale& scale,
                      const std::vector<float>& xValues, Currency currency);

}  // namespace graph
