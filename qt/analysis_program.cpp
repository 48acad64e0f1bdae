#include "qt/analysis_program.h"

#include <QApplication>
#include <iostream>

#include "graph/format_money.h"
#include "qt/exit_codes.h"
#include "qt/graph_output.h"
#include "qt/latin1_text.h"
#include "qt/qt_platform.h"
#include "qt/stream_prompter.h"

namespace kxqt {
namespace {

std::string Joined(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& arg : args) text += (text.empty() ? "" : " ") + arg;
  return text;
}

bool ParseOption(const std::string& option, const std::string& value,
                 AnalysisRenderRequest& request, std::string& problem) {
  if (std::optional<bool> taken =
          graph::TakePictureOption(option, value, request.style, request.size, problem)) {
    return *taken;
  }
  return problem = "unknown option " + option, false;
}

std::string Usage(const AnalysisProgram& program) {
  return std::string("usage: ") + program.name + " [" + program.dataFile +
         " [Dollars|Pounds]]\n       " + program.name +
         " --render OUT.png|OUT.pdf [--style lines|bars|3d] [--size WxH] " + program.dataFile +
         " [Dollars|Pounds]\n";
}

}  // namespace

bool IsAnalysisHeadless(const std::vector<std::string>& args) {
  return !args.empty() && args[0] == "--render";
}

std::optional<AnalysisRenderRequest> ParseAnalysisRender(const std::vector<std::string>& args,
                                                         std::string& problem) {
  AnalysisRenderRequest request;
  if (args.size() < 2 || args[1].empty())
    return problem = "--render needs a file name", std::nullopt;
  request.output = args[1];
  std::vector<std::string> operands;
  for (size_t i = 2; i < args.size(); ++i) {
    if (args[i].size() > 1 && args[i].rfind("--", 0) == 0) {
      if (i + 1 >= args.size()) return problem = args[i] + " needs a value", std::nullopt;
      if (!ParseOption(args[i], args[i + 1], request, problem)) return std::nullopt;
      ++i;
    } else {
      operands.push_back(args[i]);
    }
  }
  if (operands.empty() || operands.size() > 2) {
    return problem = "give one data file, optionally followed by Dollars or Pounds", std::nullopt;
  }
  request.dataFile = operands[0];
  request.currency = graph::CurrencyFromCommandLine(Joined(operands));
  return request;
}

int RunAnalysisHeadless(const AnalysisProgram& program, const std::vector<std::string>& args,
                        std::ostream& err) {
  std::string problem;
  std::optional<AnalysisRenderRequest> request = ParseAnalysisRender(args, problem);
  if (!request) {
    return ReportUsage(err, program.name, problem, Usage(program));
  }
  StreamPrompter prompter(err);
  graph::AnalysisData data;
  if (!graph::ReadAnalysisFile(request->dataFile, program.maxSeries, data, prompter)) {
    return kExitFailure;
  }
  if (request->style == graph::PlotStyle::Bars3D && data.PointCount() < 3) {
    err << program.name << ": 3-D bars need at least 3 points\n";
    return kExitUsage;
  }
  AnalysisView view;
  view.style = request->style;
  GraphPainter paint = AnalysisPainter(data, program.texts, view, request->currency);
  QString path = PathToQString(request->output);
  bool written = IsPdfPath(request->output)
                     ? RenderGraphPdf(path, graph::GraphFontHeight(request->size.height), paint)
                     : RenderGraphPng(path, request->size, paint);
  if (!written) {
    err << program.name << ": cannot write " << request->output << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

std::string AnalysisFileOf(const AnalysisProgram& program, const std::vector<std::string>& args) {
  if (args.empty()) return program.dataFile;
  return graph::DataFileFromArguments(args, Joined(args));
}

int RunAnalysisProgram(const AnalysisProgram& program, int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (IsAnalysisHeadless(args)) {
    // Headless words need fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt sees only the program name, so that it takes none of our words ("--style") as its own.
    int programNameOnly = 1;
    QApplication application(programNameOnly, argv);
    return RunAnalysisHeadless(program, args, std::cerr);
  }
  // Qt takes its own options (-platform, -style, ...) out of the command line first.
  QApplication application(argc, argv);
  args.assign(argv + 1, argv + argc);
  QtPlatform desktop;
  AnalysisWindow window(program, desktop.prompter, graph::CurrencyFromCommandLine(Joined(args)));
  desktop.SetParent(&window);
  window.show();
  window.LoadFile(AnalysisFileOf(program, args));
  return application.exec();
}

}  // namespace kxqt
