// The comparison's command line as the planner writes it: the working plot file, then the
// currency word ("kxcomp plotinf01.tmp Dollars"); and the headless words for scripts and tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "graph/format_money.h"
#include "graph/graph_kind.h"
#include "graph/graph_names.h"

namespace kxcomp {

struct WindowCommandLine {
  std::string plotFile;  // empty: start with an empty list
  graph::Currency currency = graph::Currency::Dollars;
};
WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& args);

struct HeadlessRequest {
  enum class Word { Render, Tabs } word = Word::Render;
  std::string output;  // --render OUT.png (or OUT.pdf: the printed page)
  std::string tab;     // --tab TITLE; empty: the first tab
  graph::PlotStyle style = graph::PlotStyle::Lines;
  graph::ImageSize size{500, 380};
  std::vector<std::string> files;
  graph::Currency currency = graph::Currency::Dollars;
};

// True when the arguments start with a headless word.
bool IsHeadless(const std::vector<std::string>& args);
// Nothing, with `problem` set, when the arguments do not make a headless request.
std::optional<HeadlessRequest> ParseHeadless(const std::vector<std::string>& args,
                                             std::string& problem);

extern const char* const kHeadlessUsage;

}  // namespace kxcomp
