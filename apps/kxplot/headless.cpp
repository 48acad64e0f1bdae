#include "apps/kxplot/headless.h"

#include <algorithm>

#include "apps/kxplot/command_line.h"
#include "apps/kxplot/plot_output.h"
#include "apps/kxplot/plot_view.h"
#include "graph/plot_file_reader.h"
#include "qt/exit_codes.h"
#include "qt/graph_output.h"
#include "qt/latin1_text.h"
#include "qt/stream_prompter.h"

namespace kxplot {
namespace {

int Render(const HeadlessRequest& request, const graph::PlotData& data, std::ostream& err) {
  PlotView view;
  PlotTab tab{"", request.kind, 0, 0};
  if (request.kind == graph::GraphKind::Accounts) {
    if (request.firstAccount >= data.accountCount) {
      err << "kxplot: the file has no account " << request.firstAccount << '\n';
      return kxqt::kExitUsage;
    }
    tab.firstAccount = request.firstAccount;
    tab.lastAccount = std::min(data.accountCount, request.firstAccount + 10);
  }
  view.SelectTab(tab);
  view.style = request.style;
  if (view.style == graph::PlotStyle::Bars3D && data.pointCount < 3) {
    err << "kxplot: 3-D bars need at least 3 points\n";
    return kxqt::kExitUsage;
  }
  QString path = kxqt::PathToQString(request.output);
  bool written = kxqt::IsPdfPath(request.output)
                     ? RenderPdf(path, data, view, request.currency,
                                 graph::GraphFontHeight(request.size.height))
                     : RenderPng(path, data, view, request.currency, request.size);
  if (!written) {
    err << "kxplot: cannot write " << request.output << '\n';
    return kxqt::kExitFailure;
  }
  return kxqt::kExitOk;
}

}  // namespace

int RunHeadless(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string problem;
  std::optional<HeadlessRequest> request = ParseHeadless(args, problem);
  if (!request) {
    return kxqt::ReportUsage(err, "kxplot", problem, kHeadlessUsage);
  }
  kxqt::StreamPrompter prompter(err);
  graph::PlotData data;
  if (!graph::ReadPlotFile(request->plotFile, data, prompter)) return kxqt::kExitFailure;
  if (request->word == HeadlessRequest::Word::Tabs) {
    for (const PlotTab& tab : PlotTabs(data)) out << tab.title << '\n';
    return kxqt::kExitOk;
  }
  return Render(*request, data, err);
}

}  // namespace kxplot
