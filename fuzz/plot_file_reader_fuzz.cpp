// Any bytes as a plot file: reading, saving a copy and drawing what was read must neither
// crash nor touch memory outside the tables.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "graph/draw_graph.h"
#include "graph/plot_file_reader.h"
#include "graph/plot_file_save.h"
#include "graph/svg_canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  graph::PlotData plot;
  if (graph::ParsePlotText(text, plot) != graph::PlotParse::Ok) return 0;
  graph::CopyPlotText(text);

  // One graph per input, the kind and style picked from its size.
  static const graph::GraphKind kKinds[] = {
      graph::GraphKind::NetWorth, graph::GraphKind::IncomingOutgoing, graph::GraphKind::Incoming,
      graph::GraphKind::Outgoing, graph::GraphKind::Accounts,         graph::GraphKind::Groups,
      graph::GraphKind::Pie};
  graph::DrawOptions options;
  options.kind = kKinds[size % 7];
  options.style = static_cast<graph::PlotStyle>(size % 3);
  options.lastAccount = 10;
  options.pieKind = graph::GraphKind::Accounts;
  options.piePoint = plot.pointCount / 2;
  options.area = {0, 0, 500, 380};
  graph::SvgCanvas canvas(500, 380);
  graph::DrawGraph(canvas, plot, options);
  return 0;
}
