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

DrawnGraph DrawPieGraph(DrawContext& context, const PlotData& data, const DrawOptions& options) {
  DrawnGraph drawn;
  drawn.pie = true;
  PieRequest request;
  request.area = options.area;
  request.kind = options.pieKind;
  request.currency = options.currency;
  request.printing = options.printing;
  if (options.piePoint >= 0 && options.piePoint < data.pointCount) {
    request.age = data.Age(options.piePoint);
  }
  drawn.pieGeometry =
      LayOutPie(context.canvas, request,
                PieSlicesOf(data, options.pieKind, options.piePoint, options.firstAccount,
                            options.lastAccount, options.currency));
  if (options.printing) {
    DrawCentred(context, options.area, options.area.top, KindTitle(options.pieKind));
  }
  DrawPie(context, request, drawn.pieGeometry);
  DrawTitleLines(context, data, options.area, drawn.pieGeometry.lh, true);
  return drawn;
}

void DrawSeries(DrawContext& context, const DrawnGraph& drawn, const SeriesSet& set,
                const DrawOptions& options) {
  const GraphLayout& layout = drawn.layout;
  if (options.zoomed) {
    context.canvas.SetClip(
        {layout.x0, layout.y0 - layout.H, layout.x0 + layout.W + layout.depth + 1,
         layout.y0 + 1});
  }
  switch (options.style) {
    case PlotStyle::Lines: DrawLineSeries(context, layout, drawn.scale, set); break;
    case PlotStyle::Bars: DrawOverlappedBars(context, layout, drawn.scale, set); break;
    case PlotStyle::Bars3D: Draw3DBars(context, layout, drawn.scale, set); break;
  }
  if (options.zoomed) context.canvas.ResetClip();
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
  DrawContext context(canvas, options.program, options.printing);
  FontScope font(canvas, GraphFont(options.fontHeight));
  const Rect& area = options.area;
  if (!options.printing) {
    DrawRaisedFrame(context, area.left + 2, area.top + 3, area.Width() - 9, area.Height() - 9,
                    true);
  }
  if (options.kind == GraphKind::Pie) return DrawPieGraph(context, data, options);

  DrawnGraph drawn;
  SeriesSet set = SeriesOf(data, options);
  std::vector<const Series*> legendRows = LegendOrder(set);
  drawn.scale = ScaleOf(set, options);

  LayoutRequest request;
  request.area = area;
  request.style = options.style;
  request.pointCount = data.pointCount;
  request.printing = options.printing;
  request.accountsLegend =
      options.kind == GraphKind::Accounts || options.kind == GraphKind::Groups;
  for (const Series* row : legendRows) request.legendTexts.push_back(row->legend);
  request.currency = options.currency;
  drawn.layout = ComputeLayout(canvas, request, drawn.scale);
  GraphLayout& layout = drawn.layout;

  if (options.printing) {
    DrawCentred(context, area, area.top, KindTitle(options.kind));
    layout.legendTop = layout.y0 - layout.H - layout.lh;
  }
  if (options.style == PlotStyle::Bars3D) {
    int backWallTop = Draw3DGrid(context, layout);
    if (options.printing) layout.legendTop = backWallTop;
    Draw3DAxisLabels(context, layout, drawn.scale, data, options.currency);
  } else {
    DrawFlatGrid(context, layout);
    DrawFlatAxisLabels(context, layout, drawn.scale, data, options.currency);
  }
  if (options.legend == LegendMode::UnderSeries) DrawLegend(context, layout, legendRows);
  DrawSeries(context, drawn, set, options);
  if (options.legend == LegendMode::OverSeries) DrawLegend(context, layout, legendRows);
  DrawTitleLines(context, data, area, layout.lh, false);
  return drawn;
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
