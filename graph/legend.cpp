#include "graph/legend.h"

#include <algorithm>

#include "graph/frame.h"

namespace graph {

LegendMode LegendAfterShowKey(LegendMode mode) {
  return mode == LegendMode::UnderSeries ? LegendMode::OverSeries : LegendMode::UnderSeries;
}

void DrawLegend(DrawContext& context, const GraphLayout& layout,
                const std::vector<const Series*>& rows) {
  if (rows.empty()) return;
  Canvas& canvas = context.canvas;
  int widest = 0;
  for (const Series* series : rows) widest = std::max(widest, canvas.TextWidth(series->legend));
  const int x = layout.legendX;
  const int top = layout.legendTop;
  const int space = std::max(1, canvas.TextWidth(" "));
  const std::string blank(static_cast<size_t>((2 * layout.cw + widest + space - 1) / space), ' ');
  for (size_t r = 0; r < rows.size(); ++r) {
    const int i = static_cast<int>(r);
    const int rowY = top + (i + 1) * layout.lh;
    canvas.DrawText({x, rowY}, blank, kBlack, context.Blank());
    Rect swatch{x, rowY, x + 3 * layout.cw / 2, top + (i + 2) * layout.th - 1};
    canvas.DrawRectangle(swatch, {kBlack, 1}, {context.palette[rows[r]->paletteEntry], false});
    canvas.DrawText({x + 2 * layout.cw, rowY}, rows[r]->legend, kBlack, kTransparentText);
  }
  // The frame starts 4 pixels left of the swatches; it is 8 pixels wider than swatch, gap and
  // text so that it ends 4 pixels past the widest text instead of drawing through its last letter.
  const int height = static_cast<int>(rows.size()) * layout.lh + 6;
  DrawRaisedFrame(context, x - 4, top + layout.lh - 3, 2 * layout.cw + widest + 8, height, true);
}

}  // namespace graph
