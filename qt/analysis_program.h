// The start of an analysis program (kxref, kxtplot): the window with the file the planner
// names on the command line ("ref.tmp Dollars"), or the headless word
// "--render OUT.png|OUT.pdf [--style lines|bars|3d] [--size WxH] FILE [Dollars|Pounds]".
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "graph/graph_kind.h"
#include "graph/graph_names.h"
#include "qt/analysis_window.h"

namespace kxqt {

struct AnalysisRenderRequest {
  std::string output;
  std::string dataFile;
  graph::PlotStyle style = graph::PlotStyle::Lines;
  graph::ImageSize size{500, 380};
  graph::Currency currency = graph::Currency::Dollars;
};

bool IsAnalysisHeadless(const std::vector<std::string>& args);
// Nothing, with `problem` set, when the arguments make no render request.
std::optional<AnalysisRenderRequest> ParseAnalysisRender(const std::vector<std::string>& args,
                                                         std::string& problem);

// Needs a QGuiApplication. Returns the exit code: 0 done, 1 the file could not be read or
// written, 2 the command line was wrong. Read failures go to `err` as "CAPTION: text".
int RunAnalysisHeadless(const AnalysisProgram& program, const std::vector<std::string>& args,
                        std::ostream& err);

// The file the window shows: the command line's text up to and including its first "tmp", or
// the program's own file when the command line names none.
std::string AnalysisFileOf(const AnalysisProgram& program, const std::vector<std::string>& args);

// The whole program: headless words or the window. Returns the process exit code.
int RunAnalysisProgram(const AnalysisProgram& program, int argc, char** argv);

}  // namespace kxqt
