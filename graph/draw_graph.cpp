#include "graph/draw_graph.h"

#include <algorithm>
#include <cstdlib>

#include "graph/axes.h"
#include "graph/draw_context.h"
#include "graph/frame.h"
#include "graph/series_drawing.h"

namespace graph {
namespace {

// Below this the graph text is not readable on any device.
constexpr int kSmallestGraphFont = 12;

ScaleRule RuleOf(const DrawOptions& options) {
  if (options.program == Program::Companion) return ScaleRule::Companion;
  return options.zoomed ? ScaleRule::PlannerZoomed : ScaleRule::Planner;
}

void DrawCentred(DrawContext& context, const Rect& area, int y, const std::string& text) {
  int x = (area.left + area.right - context.canvas.TextWidth(text)) / 2;
  context.canvas.DrawText({x, y}, text, kBlack, context.GraphText());
}

void DrawTitleLines(DrawContext& context, const PlotData& data, const Rect& area, int lh,
                    bool pie) {
  for (int line = 0; line < kTitleLines; ++line) {
    const std::string& text = data.titleLines[static_cast<size_t>(line)];
    int y = area.bottom - (kTitleLines - line) * lh - 9;
    if (pie) {
      context.canvas.DrawText({area.left + 8, y - 10}, text, kBlack, context.GraphText());
    } else {
      DrawCentred(context, area, y, text);
    }
  }
}

DrawnGraph DrawPieOf(DrawContext& context, const SlicesPie& pie, const DrawOptions& options) {
  DrawnGraph drawn;
  drawn.pie = true;
  PieRequest request;
  request.area = options.area;
  request.kind = pie.listKind;
  request.currency = options.currency;
  request.printing = options.printing;
  request.age = pie.age;
  drawn.pieGeometry = LayOutPie(context.canvas, request, pie.slices);
  if (options.printing) DrawCentred(context, options.area, options.area.top, pie.title);
  DrawPie(context, request, drawn.pieGeometry);
  DrawTitleLines(context, pie.titles, options.area, drawn.pieGeometry.lh, true);
  return drawn;
}

void DrawSeries(DrawContext& context, const DrawnGraph& drawn, const SeriesSet& set,
                const DrawOptions& options) {
  const GraphLayout& layout = drawn.layout;
  if (options.zoomed) {
    context.canvas.SetClip(
        {layout.x0, layout.y0 - layout.H, layout.x0 + layout.W + layout.depth + 1, layout.y0 + 1});
  }
  switch (options.style) {
    case PlotStyle::Lines:
      DrawLineSeries(context, layout, drawn.scale, set);
      break;
    case PlotStyle::Bars:
      DrawOverlappedBars(context, layout, drawn.scale, set);
      break;
    case PlotStyle::Bars3D:
      Draw3DBars(context, layout, drawn.scale, set);
      break;
  }
  if (options.zoomed) context.canvas.ResetClip();
}

// The frame of a graph on screen; the graph font for the whole graph.
void DrawFrame(DrawContext& context, const DrawOptions& options) {
  const Rect& area = options.area;
  if (!options.printing) {
    DrawRaisedFrame(context, area.left + 2, area.top + 3, area.Width() - 9, area.Height() - 9,
                    true);
  }
}

DrawnGraph DrawSeriesOf(DrawContext& context, const SeriesGraph& graph,
                        const DrawOptions& options) {
  Canvas& canvas = context.canvas;
  const Rect& area = options.area;
  DrawnGraph drawn;
  std::vector<const Series*> legendRows = LegendOrder(graph.set);
  drawn.scale = graph.scale;

  LayoutRequest request;
  request.area = area;
  request.style = options.style;
  request.pointCount = graph.axis.pointCount;
  request.printing = options.printing;
  request.accountsLegend = options.kind == GraphKind::Accounts || options.kind == GraphKind::Groups;
  for (const Series* row : legendRows) request.legendTexts.push_back(row->legend);
  request.currency = options.currency;
  drawn.layout = ComputeLayout(canvas, request, drawn.scale);
  GraphLayout& layout = drawn.layout;

  if (options.printing) {
    DrawCentred(context, area, area.top, graph.title);
    layout.legendTop = layout.y0 - layout.H - layout.lh;
  }
  if (options.style == PlotStyle::Bars3D) {
    int backWallTop = Draw3DGrid(context, layout);
    if (options.printing) layout.legendTop = backWallTop;
    Draw3DAxisLabels(context, layout, drawn.scale, graph.axis, options.currency);
  } else {
    DrawFlatGrid(context, layout);
    DrawFlatAxisLabels(context, layout, drawn.scale, graph.axis, options.currency);
  }
  if (options.legend == LegendMode::UnderSeries) DrawLegend(context, layout, legendRows);
  DrawSeries(context, drawn, graph.set, options);
  if (options.legend == LegendMode::OverSeries) DrawLegend(context, layout, legendRows);
  DrawTitleLines(context, graph.axis, area, layout.lh, false);
  return drawn;
}

}  // namespace

SeriesSet SeriesOf(const PlotData& data, const DrawOptions& options) {
  return SeriesOfKind(data, options.kind, options.firstAccount, options.lastAccount,
                      options.currency);
}

AxisScale ScaleOf(const SeriesSet& set, const DrawOptions& options) {
  float min = 0.0f;
  float max = 0.0f;
  for (const Series& series : set.series) {
    for (int i = 0; i < set.drawnPoints; ++i) {
      min = std::min(min, series.values[static_cast<size_t>(i)]);
      max = std::max(max, series.values[static_cast<size_t>(i)]);
    }
  }
  return ComputeAxisScale(min, max, RuleOf(options));
}

DrawnGraph DrawGraph(Canvas& canvas, const PlotData& data, const DrawOptions& options) {
  if (options.kind == GraphKind::Pie) {
    SlicesPie pie{data,
                  PieSlicesOf(data, options.pieKind, options.piePoint, options.firstAccount,
                              options.lastAccount, options.currency),
                  0.0f, options.pieKind, KindTitle(options.pieKind)};
    if (options.piePoint >= 0 && options.piePoint < data.pointCount) {
      pie.age = data.Age(options.piePoint);
    }
    return DrawSlicesPie(canvas, pie, options);
  }
  SeriesSet set = SeriesOf(data, options);
  return DrawSeriesGraph(
      canvas, SeriesGraph{data, set, ScaleOf(set, options), KindTitle(options.kind)}, options);
}

DrawnGraph DrawSeriesGraph(Canvas& canvas, const SeriesGraph& graph, const DrawOptions& options) {
  DrawContext context(canvas, options.program, options.printing);
  FontScope font(canvas, GraphFont(options.fontHeight));
  DrawFrame(context, options);
  return DrawSeriesOf(context, graph, options);
}

DrawnGraph DrawSlicesPie(Canvas& canvas, const SlicesPie& pie, const DrawOptions& options) {
  DrawContext context(canvas, options.program, options.printing);
  FontScope font(canvas, GraphFont(options.fontHeight));
  DrawFrame(context, options);
  return DrawPieOf(context, pie, options);
}

Rect PrintArea(int pageWidth, int pageHeight, const Margins& margins) {
  int height = pageHeight;
  if (pageHeight > pageWidth && pageHeight > 0) {
    height = static_cast<int>(static_cast<long long>(pageWidth) * pageWidth / pageHeight);
  }
  return {margins.left, margins.top, pageWidth - margins.right, height - margins.bottom};
}

Margins MarginsInPixels(const Margins& thousandths, int dotsPerInchX, int dotsPerInchY) {
  auto convert = [](int value, int dpi) {
    return static_cast<int>(static_cast<long long>(value) * dpi / 1000);
  };
  return {convert(thousandths.left, dotsPerInchX), convert(thousandths.top, dotsPerInchY),
          convert(thousandths.right, dotsPerInchX), convert(thousandths.bottom, dotsPerInchY)};
}

int GraphFontHeight(int clientHeight) {
  return std::max(kSmallestGraphFont, std::abs(clientHeight) / 100);
}

Font GraphFont(int height) { return Font{"Courier", std::max(1, height), 400}; }

}  // namespace graph
