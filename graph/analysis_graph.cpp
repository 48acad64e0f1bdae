#include "graph/analysis_graph.h"

#include <algorithm>

#include "graph/axes.h"
#include "graph/draw_context.h"
#include "graph/frame.h"
#include "graph/series_drawing.h"

namespace graph {
namespace {

void DrawCentred(DrawContext& context, int left, int right, int y, const std::string& text) {
  int x = (left + right - context.canvas.TextWidth(text)) / 2;
  context.canvas.DrawText({x, y}, text, kBlack, context.GraphText());
}

// With no title lines under it, the plot is 5 lines shorter than its area: two above it (the
// legend's first row, or the printed title) and three below, where the x labels stand over the
// caption. The printer's longer ticks push the labels, and so the plot, further up.
void FitPlotHeight(GraphLayout& layout, const AxisScale& scale, PlotStyle style) {
  const Rect& area = layout.area;
  const int captionTop = area.bottom - layout.lh - 9;
  layout.y0 = std::min(area.bottom - 3 * layout.lh, captionTop - layout.th - layout.tick / 2 - 1);
  int room = layout.y0 - area.top - 2 * layout.lh - (style == PlotStyle::Bars3D ? layout.depth : 0);
  layout.H = std::max(10, room - ((room % 10) + 10) % 10);
  layout.zeroY = PixelYOf(layout, scale, 0.0f);
}

std::vector<float> XValuesOf(const AnalysisData& data) {
  std::vector<float> xs;
  for (const AnalysisPoint& point : data.points) xs.push_back(point.x);
  return xs;
}

DrawnGraph DrawAnalysisPie(DrawContext& context, const AnalysisData& data,
                           const AnalysisTexts& texts, const AnalysisDrawOptions& options) {
  DrawnGraph drawn;
  drawn.pie = true;
  PieRequest request;
  request.area = options.area;
  request.kind = GraphKind::Accounts;  // a list with shares, as every kind but incoming/outgoing
  request.currency = options.currency;
  request.printing = options.printing;
  request.captionWord = texts.pieCaption;
  if (options.piePoint >= 0 && options.piePoint < data.PointCount()) {
    request.age = data.points[static_cast<size_t>(options.piePoint)].x;
  }
  drawn.pieGeometry = LayOutPie(context.canvas, request, AnalysisPieSlices(data, options.piePoint));
  if (options.printing) {
    DrawCentred(context, options.area.left, options.area.right, options.area.top, texts.title);
  }
  DrawPie(context, request, drawn.pieGeometry);
  return drawn;
}

void DrawSeries(DrawContext& context, const DrawnGraph& drawn, const SeriesSet& set,
                PlotStyle style) {
  switch (style) {
    case PlotStyle::Lines:
      DrawLineSeries(context, drawn.layout, drawn.scale, set);
      break;
    case PlotStyle::Bars:
      DrawOverlappedBars(context, drawn.layout, drawn.scale, set);
      break;
    case PlotStyle::Bars3D:
      Draw3DBars(context, drawn.layout, drawn.scale, set);
      break;
  }
}

}  // namespace

SeriesSet AnalysisSeries(const AnalysisData& data) {
  SeriesSet set;
  set.drawnPoints = std::min(data.PointCount(), kMaxSeriesPoints);
  for (int s = 0; s < std::min(data.SeriesCount(), kMaxAnalysisSeries); ++s) {
    Series series{data.seriesNames[static_cast<size_t>(s)], s, false, {}};
    for (int i = 0; i < set.drawnPoints; ++i) {
      series.values[static_cast<size_t>(i)] =
          data.points[static_cast<size_t>(i)].values[static_cast<size_t>(s)];
    }
    set.series.push_back(series);
  }
  return set;
}

std::vector<PieSlice> AnalysisPieSlices(const AnalysisData& data, int point) {
  std::vector<PieSlice> slices;
  if (point < 0 || point >= data.PointCount()) return slices;
  for (int s = 0; s < std::min(data.SeriesCount(), kMaxAnalysisSeries); ++s) {
    slices.push_back({data.seriesNames[static_cast<size_t>(s)],
                      data.points[static_cast<size_t>(point)].values[static_cast<size_t>(s)], s});
  }
  return slices;
}

DrawnGraph DrawAnalysisGraph(Canvas& canvas, const AnalysisData& data, const AnalysisTexts& texts,
                             const AnalysisDrawOptions& options) {
  DrawContext context(canvas, Program::Companion, options.printing);
  FontScope font(canvas, GraphFont(options.fontHeight));
  const Rect& area = options.area;
  if (!options.printing) {
    DrawRaisedFrame(context, area.left + 2, area.top + 3, area.Width() - 9, area.Height() - 9,
                    true);
  }
  if (options.pie) return DrawAnalysisPie(context, data, texts, options);

  DrawnGraph drawn;
  SeriesSet set = AnalysisSeries(data);
  std::vector<const Series*> legendRows = LegendOrder(set);
  DrawOptions scaleOptions;
  scaleOptions.program = Program::Companion;
  drawn.scale = ScaleOf(set, scaleOptions);

  LayoutRequest request;
  request.area = area;
  request.style = options.style;
  request.pointCount = set.drawnPoints;
  request.printing = options.printing;
  for (const Series* row : legendRows) request.legendTexts.push_back(row->legend);
  request.currency = options.currency;
  drawn.layout = ComputeLayout(canvas, request, drawn.scale);
  GraphLayout& layout = drawn.layout;
  FitPlotHeight(layout, drawn.scale, options.style);

  const std::vector<float> xValues = XValuesOf(data);
  if (options.printing) {
    DrawCentred(context, area.left, area.right, area.top, texts.title);
    layout.legendTop = layout.y0 - layout.H - layout.lh;
  }
  if (options.style == PlotStyle::Bars3D) {
    int backWallTop = Draw3DGrid(context, layout);
    if (options.printing) layout.legendTop = backWallTop;
    Draw3DAxisLabels(context, layout, drawn.scale, xValues, options.currency);
  } else {
    DrawFlatGrid(context, layout);
    DrawFlatAxisLabels(context, layout, drawn.scale, xValues, options.currency);
  }
  if (options.legend == LegendMode::UnderSeries) DrawLegend(context, layout, legendRows);
  DrawSeries(context, drawn, set, options.style);
  if (options.legend == LegendMode::OverSeries) DrawLegend(context, layout, legendRows);
  DrawCentred(context, layout.x0, area.right, area.bottom - layout.lh - 9, texts.xCaption);
  return drawn;
}

}  // namespace graph
