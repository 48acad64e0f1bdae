#include "graph/label_box.h"

#include <algorithm>

#include "graph/frame.h"

namespace graph {
namespace {

// Blanks a box by writing spaces over it on the opaque background, as text rows are blanked.
void Blank(DrawContext& context, int x, int y, int width, int lines) {
  Canvas& canvas = context.canvas;
  int space = std::max(1, canvas.TextWidth(" "));
  std::string spaces(static_cast<size_t>((width + space - 1) / space), ' ');
  int th = canvas.Metrics().height;
  for (int line = 0; line < lines; ++line) {
    canvas.DrawText({x, y + line * th}, spaces, kBlack, context.Blank());
  }
}

// Draws a box of `lines` text lines whose left edge is at `left`.
Rect DrawBox(DrawContext& context, int left, int y, const std::string& first,
             const std::string* second) {
  Canvas& canvas = context.canvas;
  int space = canvas.TextWidth(" ");
  int th = canvas.Metrics().height;
  int textWidth = canvas.TextWidth(first);
  if (second != nullptr) textWidth = std::max(textWidth, canvas.TextWidth(*second));
  int width = textWidth + 2 * space;
  int lines = second != nullptr ? 2 : 1;
  int height = lines * th;
  Blank(context, left, y, width, lines);
  if (second == nullptr) {
    canvas.DrawText({left + space, y}, first, kBlack, kTransparentText);
  } else {
    canvas.DrawText({left + space, y + 1}, first, kBlack, kTransparentText);
    canvas.DrawText({left + space, y + 1 + th - 1}, *second, kBlack, kTransparentText);
  }
  DrawRaisedFrame(context, left, y, width, height, true);
  return {left - 1, y - 1, left + width + 4, y + height + 4};
}

int BoxWidth(const Canvas& canvas, const std::string& first, const std::string* second) {
  int textWidth = canvas.TextWidth(first);
  if (second != nullptr) textWidth = std::max(textWidth, canvas.TextWidth(*second));
  return textWidth + 2 * canvas.TextWidth(" ");
}

}  // namespace

Rect DrawLabelRightAligned(DrawContext& context, int x, int y, const std::string& text) {
  return DrawBox(context, x - BoxWidth(context.canvas, text, nullptr), y, text, nullptr);
}

Rect DrawLabelLeftAligned(DrawContext& context, int x, int y, const std::string& text) {
  return DrawBox(context, x, y, text, nullptr);
}

Rect DrawTwoLineLabelRightAligned(DrawContext& context, int x, int y, const std::string& first,
                                  const std::string& second) {
  return DrawBox(context, x - BoxWidth(context.canvas, first, &second), y, first, &second);
}

Font ReadoutFont(int size) { return Font{"Tms Rmn", std::max(1, size - 4), 700}; }

Rect DrawReadoutRightAligned(DrawContext& context, int size, int x, int y,
                             const std::string& text) {
  FontScope font(context.canvas, ReadoutFont(size));
  return DrawLabelRightAligned(context, x, y, text);
}

Rect DrawReadoutLeftAligned(DrawContext& context, int size, int x, int y,
                            const std::string& text) {
  FontScope font(context.canvas, ReadoutFont(size));
  return DrawLabelLeftAligned(context, x, y, text);
}

Rect DrawTwoLineReadoutRightAligned(DrawContext& context, int size, int x, int y,
                                    const std::string& first, const std::string& second) {
  FontScope font(context.canvas, ReadoutFont(size));
  return DrawTwoLineLabelRightAligned(context, x, y, first, second);
}

}  // namespace graph
