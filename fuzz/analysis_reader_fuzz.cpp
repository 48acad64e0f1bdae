// Fuzz target of the reader of the analysis programs' files ("ref.tmp" for kxref with two
// series, "trade.tmp" for kxtplot with up to three): any bytes as such a file. What was read
// must fit the program's storage (series, points, name and title lengths), hold only finite
// numbers, and draw in every style and as a pie without touching memory outside the tables.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "fuzz/fuzz_scratch.h"
#include "graph/analysis_data.h"
#include "graph/analysis_graph.h"
#include "graph/svg_canvas.h"
#include "platform/scripted.h"

namespace {

using fuzz_support::ScratchDir;
using fuzz_support::WriteInput;

void Require(bool holds) {
  if (!holds) std::abort();
}

void CheckInsideStorage(const graph::AnalysisData& data, int maxSeries) {
  Require(data.SeriesCount() >= 0 && data.SeriesCount() <= maxSeries);
  Require(data.PointCount() >= 0 && data.PointCount() <= graph::kMaxSeriesPoints);
  for (const std::string& name : data.seriesNames) Require(name.size() <= graph::kMaxNameLength);
  for (const std::string& title : data.titleLines) Require(title.size() <= graph::kMaxTitleLength);
  for (const graph::AnalysisPoint& point : data.points) {
    Require(std::isfinite(point.x));
    for (float value : point.values) Require(std::isfinite(value));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path input = ScratchDir() / "input.tmp";
  WriteInput(input, data, size);
  const bool refinance = size % 2 == 0;
  const int maxSeries = refinance ? 2 : 3;

  platform::ScriptedPrompter prompter;
  graph::AnalysisData analysis;
  const bool read = graph::ReadAnalysisFile(input, maxSeries, analysis, prompter);
  Require(read == prompter.shown().empty());
  if (!read) {
    Require(analysis.PointCount() == 0 && analysis.SeriesCount() == 0);
    return 0;
  }
  CheckInsideStorage(analysis, maxSeries);

  const graph::AnalysisTexts texts =
      refinance ? graph::AnalysisTexts{"Refinance Analysis", "Months", "Month"}
                : graph::AnalysisTexts{"Trade-Off Analysis", "Periods", "Period"};
  graph::AnalysisDrawOptions options;
  options.style = static_cast<graph::PlotStyle>(size % 3);
  options.legend = size % 4 < 2 ? graph::LegendMode::UnderSeries : graph::LegendMode::OverSeries;
  options.printing = size % 5 == 0;
  options.area = {0, 0, refinance ? 640 : 500, 380};
  graph::SvgCanvas canvas(options.area.right, options.area.bottom);
  graph::DrawAnalysisGraph(canvas, analysis, texts, options);

  // The pie of the middle point, and of one past the end (a stale choice after a reload).
  options.pie = true;
  for (int point : {analysis.PointCount() / 2, analysis.PointCount()}) {
    options.piePoint = point;
    graph::SvgCanvas pieCanvas(options.area.right, options.area.bottom);
    graph::DrawAnalysisGraph(pieCanvas, analysis, texts, options);
  }
  return 0;
}
