// The legend box: one row per series with a colour swatch and the series' text.
#pragma once

#include <vector>

#include "graph/draw_context.h"
#include "graph/graph_kind.h"
#include "graph/graph_layout.h"

namespace graph {

enum class LegendMode { UnderSeries, OverSeries, Hidden };

// The legend mode after the "L" key: shown, and toggled between under and over the series.
LegendMode LegendAfterShowKey(LegendMode mode);

void DrawLegend(DrawContext& context, const GraphLayout& layout,
                const std::vector<const Series*>& rows);

}  // namespace graph
