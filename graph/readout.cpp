#include "graph/readout.h"

#include "graph/label_box.h"

namespace graph {

std::optional<Readout> ReadoutAt(const DrawnGraph& drawn, PlotStyle style, int x, int y,
                                 Currency currency) {
  if (drawn.pie) {
    const PieGeometry& pie = drawn.pieGeometry;
    int row = PieListRowAt(pie, x, y);
    if (row >= 0) {
      return Readout{Readout::Kind::ListRow,
                     {x, y},
                     SignedMoney(pie.slices[static_cast<size_t>(row)].value, currency),
                     {}};
    }
    int slice = PieSliceAt(pie, x, y);
    if (slice < 0) return std::nullopt;
    const PieSlice& part = pie.slices[static_cast<size_t>(slice)];
    return Readout{Readout::Kind::Slice, {x, y}, part.name, SignedMoney(part.value, currency)};
  }
  if (style == PlotStyle::Bars3D) return std::nullopt;
  if (!InPlotArea(drawn.layout, x, y)) return std::nullopt;
  float value = ValueAtPixel(drawn.layout, drawn.scale, y);
  return Readout{Readout::Kind::Value, {x, y}, SignedMoney(value, currency), {}};
}

bool OverSomethingReadable(const DrawnGraph& drawn, int x, int y) {
  if (drawn.pie) {
    return PieListRowAt(drawn.pieGeometry, x, y) >= 0 || InPieCircle(drawn.pieGeometry, x, y);
  }
  return InPlotArea(drawn.layout, x, y);
}

void DrawReadout(Canvas& canvas, const Readout& readout, int fontHeight) {
  FontScope font(canvas, GraphFont(fontHeight));
  int size = canvas.Metrics().height;
  DrawContext context(canvas, Program::Companion, false);
  switch (readout.kind) {
    case Readout::Kind::Value:
      DrawReadoutRightAligned(context, size, readout.at.x, readout.at.y, readout.first);
      break;
    case Readout::Kind::Slice:
      DrawTwoLineReadoutRightAligned(context, size, readout.at.x, readout.at.y, readout.first,
                                     readout.second);
      break;
    case Readout::Kind::ListRow:
      DrawReadoutLeftAligned(context, size, readout.at.x, readout.at.y, readout.first);
      break;
  }
}

}  // namespace graph
