#include "graph/frame.h"

namespace graph {

void DrawRaisedFrame(DrawContext& context, int x, int y, int width, int height, bool shadow) {
  Canvas& canvas = context.canvas;
  const Color grey = context.palette[SeriesPalette::kGrey];
  const Pen noOutline{grey, 0};
  const Pen white{kWhite, 1};
  const Pen greyPen{grey, 1};
  int right = x + width;
  int bottom = y + height;
  if (shadow) {
    canvas.DrawRectangle({right, y + 4, right + 4, bottom + 4}, noOutline, {grey, false});
    canvas.DrawRectangle({x + 4, bottom, right + 4, bottom + 4}, noOutline, {grey, false});
  }
  canvas.DrawLine({x - 1, y - 1}, {right, y - 1}, white);
  canvas.DrawLine({x - 1, y - 1}, {x - 1, bottom}, white);
  canvas.DrawLine({x + 1, y + 1}, {right - 1, y + 1}, greyPen);
  canvas.DrawLine({x + 1, y + 1}, {x + 1, bottom - 1}, greyPen);
  canvas.DrawRectangle({x, y, right, bottom}, {kBlack, 1}, kHollowBrush);
  canvas.DrawLine({right - 2, y + 1}, {right - 2, bottom - 1}, white);
  canvas.DrawLine({x + 1, bottom - 2}, {right - 1, bottom - 2}, white);
}

}  // namespace graph
