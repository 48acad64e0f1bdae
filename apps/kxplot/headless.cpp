#include "apps/kxplot/headless.h"

#include <algorithm>

#include "apps/kxplot/command_line.h"
#include "apps/kxplot/plot_output.h"
#include "apps/kxplot/plot_view.h"
#include "graph/plot_file_reader.h"
#include "qt/latin1_text.h"

namespace kxplot {
namespace {

constexpr int kOk = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

// Messages of the reader as the command line shows them.
class StreamPrompter final : public platform::Prompter {
 public:
  explicit StreamPrompter(std::ostream& err) : err_(err) {}
  void ShowMessage(const std::string& caption, const std::string& text, platform::Icon) override {
    err_ << caption << ": " << text << '\n';
  }
  platform::Answer Ask(const std::string& caption, const std::string& text, platform::Buttons,
                       platform::Icon icon) override {
    ShowMessage(caption, text, icon);
    return platform::Answer::No;
  }

 private:
  std::ostream& err_;
};

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
  if (text.size() < tail.size()) return false;
  return std::equal(tail.begin(), tail.end(), text.end() - static_cast<long>(tail.size()),
                    [](char a, char b) { return std::tolower(a) == std::tolower(b); });
}

int Render(const HeadlessRequest& request, const graph::PlotData& data, std::ostream& err) {
  PlotView view;
  PlotTab tab{"", request.kind, 0, 0};
  if (request.kind == graph::GraphKind::Accounts) {
    if (request.firstAccount >= data.accountCount) {
      err << "kxplot: the file has no account " << request.firstAccount << '\n';
      return kUsage;
    }
    tab.firstAccount = request.firstAccount;
    tab.lastAccount = std::min(data.accountCount, request.firstAccount + 10);
  }
  view.SelectTab(tab);
  view.style = request.style;
  if (view.style == graph::PlotStyle::Bars3D && data.pointCount < 3) {
    err << "kxplot: 3-D bars need at least 3 points\n";
    return kUsage;
  }
  QString path = kxqt::PathToQString(request.output);
  bool written = EndsWithNoCase(request.output, ".pdf")
                     ? RenderPdf(path, data, view, request.currency,
                                 graph::GraphFontHeight(request.size.height))
                     : RenderPng(path, data, view, request.currency, request.size);
  if (!written) {
    err << "kxplot: cannot write " << request.output << '\n';
    return kFailure;
  }
  return kOk;
}

}  // namespace

int RunHeadless(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string problem;
  std::optional<HeadlessRequest> request = ParseHeadless(args, problem);
  if (!request) {
    err << "kxplot: " << problem << '\n' << kHeadlessUsage;
    return kUsage;
  }
  StreamPrompter prompter(err);
  graph::PlotData data;
  if (!graph::ReadPlotFile(request->plotFile, data, prompter)) return kFailure;
  if (request->word == HeadlessRequest::Word::Tabs) {
    for (const PlotTab& tab : PlotTabs(data)) out << tab.title << '\n';
    return kOk;
  }
  return Render(*request, data, err);
}

}  // namespace kxplot
