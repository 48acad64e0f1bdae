#include "graph/analysis_data.h"

#include <algorithm>

#include "graph/plot_file_messages.h"
#include "graph/plot_lines.h"

namespace graph {
namespace {

using Kind = PlotLines::Kind;

// An analysis file of a few hundred short lines; anything far larger is no analysis file.
constexpr size_t kLargestAnalysisFile = 4u << 20;

std::string Clipped(std::string_view text, size_t length) {
  return std::string(text.substr(0, std::min(text.size(), length)));
}

// Reads the title lines, the counts and the names; false when the text ended before them.
bool ReadHeader(PlotLines& lines, int maxSeries, AnalysisData& data, int& points, int& series) {
  for (int t = 0; t < kTitleLines; ++t) {
    PlotLines::Line line = lines.Next();
    if (line.kind != Kind::Item) return false;
    data.titleLines[static_cast<size_t>(t)] = Clipped(line.text, kMaxTitleLength);
  }
  PlotLines::Line count = lines.Next();
  if (count.kind != Kind::Item) return false;
  points = static_cast<int>(std::clamp(ReadFloat(count.text), 0.0f, 1e6f));
  PlotLines::Line seriesLine = lines.Next();
  if (seriesLine.kind != Kind::Item) return false;
  series = std::max(0, ReadInt(seriesLine.text));
  for (int s = 0; s < series; ++s) {
    PlotLines::Line name = lines.Next();
    if (name.kind != Kind::Item) return false;
    if (s < maxSeries) data.seriesNames.push_back(Clipped(name.text, kMaxNameLength));
  }
  return true;
}

// Each point: one placeholder line per announced series, then the row "x v1 v2 ...".
void ReadPoints(PlotLines& lines, AnalysisData& data, int points, int series) {
  for (int j = 0; j < points; ++j) {
    for (int s = 0; s < series; ++s) {
      if (lines.Next().kind != Kind::Item) return;
    }
    PlotLines::Line row = lines.Next();
    if (row.kind != Kind::Item) return;
    if (data.PointCount() >= kMaxSeriesPoints) continue;
    std::array<float, 1 + kMaxAnalysisSeries> numbers{};
    ReadFloats(row.text, numbers.data(), 1 + data.SeriesCount());
    AnalysisPoint point;
    point.x = numbers[0];
    std::copy(numbers.begin() + 1, numbers.end(), point.values.begin());
    data.points.push_back(point);
  }
}

}  // namespace

AnalysisParse ParseAnalysisText(std::string_view text, int maxSeries, AnalysisData& data) {
  maxSeries = std::clamp(maxSeries, 0, kMaxAnalysisSeries);
  PlotLines lines(text);
  PlotLines::Line first = lines.NextRaw();
  if (first.kind == Kind::End || first.text.empty()) return AnalysisParse::NotValid;
  // A new data set from scratch: nothing of an earlier file may show through a shorter one.
  AnalysisData fresh;
  int points = 0;
  int series = 0;
  if (ReadHeader(lines, maxSeries, fresh, points, series)) {
    ReadPoints(lines, fresh, points, series);
  }
  data = std::move(fresh);
  return AnalysisParse::Ok;
}

bool ReadAnalysisFile(const std::filesystem::path& path, int maxSeries, AnalysisData& data,
                      platform::Prompter& prompter) {
  std::optional<std::string> text = ReadPlotFileText(path, kLargestAnalysisFile, prompter);
  if (!text) return false;
  if (ParseAnalysisText(*text, maxSeries, data) != AnalysisParse::Ok) {
    ShowNotValidPlotFile(path.string(), prompter);
    return false;
  }
  return true;
}

}  // namespace graph
