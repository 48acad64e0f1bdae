#include "apps/kxplot/plot_output.h"

#include "qt/graph_output.h"

namespace kxplot {
namespace {

kxqt::GraphPainter PainterOf(const graph::PlotData& data, const PlotView& view,
                             graph::Currency currency) {
  return [&data, &view, currency](graph::Canvas& canvas, const graph::Rect& area, int fontHeight,
                                  bool printing) {
    graph::DrawGraph(canvas, data, DrawOptionsOf(view, area, fontHeight, printing, currency));
  };
}

}  // namespace

bool PrintGraph(QPrinter& printer, const graph::PlotData& data, const PlotView& view,
                graph::Currency currency, int screenFontHeight) {
  return kxqt::PrintGraphPages(printer, screenFontHeight, PainterOf(data, view, currency));
}

bool RenderPng(const QString& path, const graph::PlotData& data, const PlotView& view,
               graph::Currency currency, graph::ImageSize size) {
  return kxqt::RenderGraphPng(path, size, PainterOf(data, view, currency));
}

bool RenderPdf(const QString& path, const graph::PlotData& data, const PlotView& view,
               graph::Currency currency, int screenFontHeight) {
  return kxqt::RenderGraphPdf(path, screenFontHeight, PainterOf(data, view, currency));
}

}  // namespace kxplot
