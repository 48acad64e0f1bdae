// The plotter's graph on paper and in files: a printed page (a printer or a PDF), and a PNG
// image of what the panel shows.
#pragma once

#include <QPrinter>
#include <QString>

#include "apps/kxplot/plot_view.h"
#include "graph/graph_names.h"

namespace kxplot {

// Draws the graph on one page per copy the printer does not make itself: the page at a
// landscape shape less the page-setup margins, the title at the top, the printer's pens. The
// graph font keeps the size it has on screen (`screenFontHeight` pixels at the screen's
// resolution). False when the printer could not be started.
bool PrintGraph(QPrinter& printer, const graph::PlotData& data, const PlotView& view,
                graph::Currency currency, int screenFontHeight);

// Draws the graph as the panel shows it at `size` and writes it as PNG.
bool RenderPng(const QString& path, const graph::PlotData& data, const PlotView& view,
               graph::Currency currency, graph::ImageSize size);

// The printed page written as a PDF file, with the printer's default page.
bool RenderPdf(const QString& path, const graph::PlotData& data, const PlotView& view,
               graph::Currency currency, int screenFontHeight);

}  // namespace kxplot
