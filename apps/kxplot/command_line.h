// The plotter's command line as the planner writes it: the plot file name, then the currency
// word ("kxplot plotinf01.tmp Dollars"); and the headless words for scripts and tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "graph/draw_graph.h"
#include "graph/graph_names.h"

namespace kxplot {

using graph::PlotFileFromArgument;

struct WindowCommandLine {
  std::string plotFile;  // empty: start with no data
  graph::Currency currency = graph::Currency::Dollars;
};
WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& args);

struct HeadlessRequest {
  enum class Word { Render, Tabs } word = Word::Render;
  std::string output;  // --render OUT.png (or OUT.pdf: the printed page)
  graph::GraphKind kind = graph::GraphKind::NetWorth;
  int firstAccount = 0;  // --first N: the accounts kind's first account, from 0
  graph::PlotStyle style = graph::PlotStyle::Lines;
  graph::ImageSize size{500, 380};
  std::string plotFile;
  graph::Currency currency = graph::Currency::Dollars;
};

// True when the arguments start with a headless word.
bool IsHeadless(const std::vector<std::string>& args);
// Nothing, with `problem` set, when the arguments do not make a headless request.
std::optional<HeadlessRequest> ParseHeadless(const std::vector<std::string>& args,
                                             std::string& problem);

extern const char* const kHeadlessUsage;

}  // namespace kxplot
