#include "apps/kxcomp/headless.h"

#include <algorithm>

#include "apps/kxcomp/command_line.h"
#include "apps/kxcomp/compare_output.h"
#include "qt/exit_codes.h"
#include "qt/latin1_text.h"
#include "qt/stream_prompter.h"

namespace kxcomp {
namespace {

// A script has to learn of every file left out, also of those the window skips silently (an
// empty first line).
bool AllRead(const CompareList& list, std::ostream& err) {
  bool all = true;
  for (const CompareFile& file : list.files()) {
    if (file.readable) continue;
    err << "kxcomp: " << file.path << " was not read\n";
    all = false;
  }
  return all;
}

int Render(const HeadlessRequest& request, const CompareList& list, std::ostream& err) {
  CompareView view;
  std::vector<CompareTab> tabs = CompareTabs(request.currency);
  if (!request.tab.empty()) {
    auto found = std::find_if(tabs.begin(), tabs.end(), [&request](const CompareTab& tab) {
      return tab.title == request.tab;
    });
    if (found == tabs.end()) {
      err << "kxcomp: no tab " << request.tab << '\n';
      return kxqt::kExitUsage;
    }
    view.tab = static_cast<int>(found - tabs.begin());
  }
  view.style = request.style;
  if (view.style == graph::PlotStyle::Bars3D && list.Axis().count < 3) {
    err << "kxcomp: 3-D bars need at least 3 ages\n";
    return kxqt::kExitUsage;
  }
  QString path = kxqt::PathToQString(request.output);
  kxqt::GraphPainter paint = ComparisonPainter(list, view, request.currency);
  bool written =
      kxqt::IsPdfPath(request.output)
          ? kxqt::RenderGraphPdf(path, graph::GraphFontHeight(request.size.height), paint)
          : kxqt::RenderGraphPng(path, request.size, paint);
  if (!written) {
    err << "kxcomp: cannot write " << request.output << '\n';
    return kxqt::kExitFailure;
  }
  return kxqt::kExitOk;
}

}  // namespace

int RunHeadless(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string problem;
  std::optional<HeadlessRequest> request = ParseHeadless(args, problem);
  if (!request) {
    return kxqt::ReportUsage(err, "kxcomp", problem, kHeadlessUsage);
  }
  kxqt::StreamPrompter prompter(err);
  CompareList list(prompter);
  list.StartNew(request->files);
  if (request->files.size() > static_cast<size_t>(kMaxFiles)) {
    err << "kxcomp: only the first " << kMaxFiles << " files are compared\n";
  }
  if (!AllRead(list, err)) return kxqt::kExitFailure;
  if (request->word == HeadlessRequest::Word::Tabs) {
    for (const CompareTab& tab : CompareTabs(request->currency)) out << tab.title << '\n';
    return kxqt::kExitOk;
  }
  return Render(*request, list, err);
}

}  // namespace kxcomp
