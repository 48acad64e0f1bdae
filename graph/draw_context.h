// What every drawing step of one graph shares: the canvas, the palette, and whether the graph
// goes to the screen or to a printer.
#pragma once

#include "graph/canvas.h"
#include "graph/color.h"

namespace graph {

struct DrawContext {
  DrawContext(Canvas& target, Program drawingProgram, bool toPrinter)
      : canvas(target), palette(drawingProgram), program(drawingProgram), printing(toPrinter) {}

  Canvas& canvas;
  SeriesPalette palette;
  Program program;
  bool printing;

  // Axis and title text: light grey behind it on screen; a printer keeps its white.
  TextBackground GraphText() const {
    return {true, printing ? kWhite : palette[SeriesPalette::kLightGrey]};
  }
  // Label boxes and legend rows are blanked in the button-face colour on screen.
  TextBackground Blank() const { return {true, printing ? kWhite : kButtonFace}; }
  // Series pens: 2 pixels on screen; on a printer 8 in the planner, 4 in the companions.
  int SeriesPenWidth() const {
    if (!printing) return 2;
    return program == Program::Planner ? 8 : 4;
  }
};

}  // namespace graph
