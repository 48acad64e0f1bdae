// The data of the analysis graphs (the refinance comparison over months, the trade-off options
// over periods): a few named series over numbered points, read from a file that follows the
// plot-file layout up to its names.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "graph/graph_kind.h"
#include "graph/plot_data.h"
#include "platform/prompter.h"

namespace graph {

constexpr int kMaxAnalysisSeries = 3;

struct AnalysisPoint {
  float x = 0.0f;  // the month or period number
  std::array<float, kMaxAnalysisSeries> values{};
};

struct AnalysisData {
  std::array<std::string, kTitleLines> titleLines{};  // read but never drawn
  std::vector<std::string> seriesNames;               // at most the program's series
  std::vector<AnalysisPoint> points;                  // at most kMaxSeriesPoints

  int SeriesCount() const { return static_cast<int>(seriesNames.size()); }
  int PointCount() const { return static_cast<int>(points.size()); }
};

enum class AnalysisParse { Ok, NotValid };

// Fills `data` from a file's text keeping at most `maxSeries` series (2 for the refinance file,
// 3 for the trade-off file); on NotValid (an empty first line) `data` is left as it was. The
// points end at a "Done" line, at the end of the text or after the announced count; points
// beyond storage, and series beyond `maxSeries`, are read past.
AnalysisParse ParseAnalysisText(std::string_view text, int maxSeries, AnalysisData& data);

// Reads the named file. On failure the message is shown and `data` keeps what it held.
bool ReadAnalysisFile(const std::filesystem::path& path, int maxSeries, AnalysisData& data,
                      platform::Prompter& prompter);

}  // namespace graph
