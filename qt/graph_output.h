// A companion program's graph on paper and in files: printed pages (a printer or a PDF) and a
// PNG image of what its panel shows. The program says how to draw its graph into an area.
#pragma once

#include <QPrinter>
#include <QString>
#include <functional>
#include <string>

#include "graph/canvas.h"
#include "graph/graph_names.h"

namespace kxqt {

// Draws the program's current graph into `area` with the graph font of `fontHeight` pixels.
using GraphPainter = std::function<void(graph::Canvas& canvas, const graph::Rect& area,
                                        int fontHeight, bool printing)>;

// Draws the graph on one page per copy the printer does not make itself: the page at a
// landscape shape less the page-setup margins, the title at the top, the printer's pens. The
// graph font keeps the size it has on screen (`screenFontHeight` pixels at the screen's
// resolution). False when the printer could not be started.
bool PrintGraphPages(QPrinter& printer, int screenFontHeight, const GraphPainter& paint);

// Sets a printer up before its dialogs: the resolution the printed pens and ticks were made for
// (300 dots per inch) and the margins the suite's pages have by default (one inch, half an inch
// on the right).
void PreparePrinter(QPrinter& printer);

// Draws the graph as a panel of `size` shows it and writes it as PNG.
bool RenderGraphPng(const QString& path, graph::ImageSize size, const GraphPainter& paint);

// The printed page written as a PDF file, with the printer's default page.
bool RenderGraphPdf(const QString& path, int screenFontHeight, const GraphPainter& paint);

// Whether a headless render goes to a PDF page (a name ending in ".pdf", in any case) rather
// than to a PNG image.
bool IsPdfPath(const std::string& path);

// The screen's resolution that the graph font's pixels refer to.
int ScreenDotsPerInch();

}  // namespace kxqt
