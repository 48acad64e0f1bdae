#include "apps/kxplan/print_words.h"

#include <QApplication>
#include <QPageSize>
#include <QPrinter>

#include "planner/print_jobs.h"
#include "qt/latin1_text.h"
#include "ui/graph_folder.h"
#include "ui/monte_carlo_folder.h"
#include "ui/report_printing.h"
#include <QTabWidget>
#include "ui/report_window.h"

namespace kxplan {

namespace {

// The session's print jobs: results, scenario, report:KIND, all-reports, budget:N and the
// input/output report's detail pages.
bool PrintSessionJob(PrintRequest& request) {
  const std::string& what = request.line.printWhat;
  if (!planner::IsPrintJobWord(what)) {
    request.err << "kxplan: nothing to print for " << what << '\n';
    return false;
  }
  const auto document = planner::BuildPrintJob(request.planner, what);
  if (!document) {
    request.err << "kxplan: " << what << " has nothing to print\n";
    return false;
  }
  const reports::PrintChoice choice{request.line.printFrom, request.line.printTo,
                                    request.line.printCopies, request.line.printCollate};
  if (!kxui::PrintJobToPdf(request.planner, *document, choice,
                           kxqt::PathToQString(request.line.pdfPath))) {
    request.err << "kxplan: cannot write " << request.line.pdfPath << '\n';
    return false;
  }
  return true;
}

// graph:KIND: the graph of one folder, as "Print Current Graph" prints it.
bool PrintGraph(PrintRequest& request) {
  const std::string kind = request.line.printWhat.substr(std::string("graph:").size());
  struct GraphOfFolder {
    const char* kind;
    kxui::Folder folder;
  };
  static const GraphOfFolder kGraphs[] = {
      {"networth", kxui::Folder::NetWorth},   {"incoming-outgoing", kxui::Folder::IncomingOutgoing},
      {"incoming", kxui::Folder::Incoming},   {"outgoing", kxui::Folder::Outgoing},
      {"groups", kxui::Folder::Groups},       {"monte-carlo", kxui::Folder::MonteCarlo},
  };
  QTabWidget* tabs = request.window.folders();
  int tab = -1;
  for (const GraphOfFolder& graph : kGraphs) {
    if (kind == graph.kind) tab = request.window.FolderIndex(graph.folder);
  }
  if (kind == "accounts" && !request.window.accountGraphs().empty()) {
    tab = tabs->indexOf(request.window.accountGraphs().front());
  }
  if (tab < 0) {
    request.err << "kxplan: no graph " << kind
                << " (networth, incoming-outgoing, incoming, outgoing, accounts, groups, "
                   "monte-carlo)\n";
    return false;
  }
  tabs->setCurrentIndex(tab);
  if (tab == request.window.FolderIndex(kxui::Folder::MonteCarlo)) {
    request.window.monteCarlo()->RunIfStale();
  }
  QApplication::processEvents();
  if (request.window.PrintCurrentGraphToPdf(kxqt::PathToQString(request.line.pdfPath))) {
    return true;
  }
  request.err << "kxplan: cannot write " << request.line.pdfPath << '\n';
  return false;
}

// window: the planner's window as "Window Contents" prints it, one page.
bool PrintWindow(PrintRequest& request) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(kxqt::PathToQString(request.line.pdfPath));
  printer.setPageSize(QPageSize(QPageSize::Letter));
  kxui::ApplyPageSetup(request.planner, printer, false);
  QApplication::processEvents();
  if (kxui::PrintWindowContents(request.window, printer)) return true;
  request.err << "kxplan: cannot write " << request.line.pdfPath << '\n';
  return false;
}

constexpr PrintWord kPrintWords[] = {
    {"results", "the financial schedule", PrintSessionJob},
    {"scenario", "the scenario listing", PrintSessionJob},
    {"report:", "report:KIND, one report (networth, incoming, ...)", PrintSessionJob},
    {"all-reports", "every report", PrintSessionJob},
    {"budget:", "budget:N, the page of budget N (1..5)", PrintSessionJob},
    {"budget-report:", "budget-report:N, the budget report of budget N (1..5)", PrintSessionJob},
    {"accounts-io-detail:", "accounts-io-detail:AGE:I|O, the input/output report's Go",
     PrintSessionJob},
    {"payment-schedule:", "payment-schedule:N, the Mortgage Schedule of the N-th mortgage", PrintSessionJob},
    {"refinance", "the refinance analysis of the calculator's values", PrintSessionJob},
    {"graph:", "graph:KIND, the graph of a folder (networth, incoming-outgoing, ...)", PrintGraph},
    {"window", "the planner's window, as Window Contents prints it", PrintWindow},
};

bool Matches(const PrintWord& entry, const std::string& what) {
  const std::string word = entry.word;
  if (!word.empty() && word.back() == ':') return what.rfind(word, 0) == 0;
  return what == word;
}

}  // namespace

std::span<const PrintWord> PrintWords() { return kPrintWords; }

bool RunPrintWord(PrintRequest& request) {
  for (const PrintWord& entry : PrintWords()) {
    if (Matches(entry, request.line.printWhat)) return entry.print(request);
  }
  request.err << "kxplan: unknown --print " << request.line.printWhat << "; one of:\n";
  for (const PrintWord& entry : PrintWords())
    request.err << "  " << entry.word << "  " << entry.usage << '\n';
  return false;
}

bool SaveReportScreenshots(kxui::MainWindow& window, planner::Planner& planner, const QDir& dir,
                           std::ostream& err) {
  bool saved = true;
  for (const reports::ReportKindInfo& info : reports::AllReportKinds()) {
    kxui::ReportWindow report(planner, info.kind, &window);
    if (!report.Load()) continue;  // nothing to show for this scenario
    report.show();
    QApplication::processEvents();
    const QString path =
        dir.filePath(QStringLiteral("report-%1.png").arg(QString::fromLatin1(info.word)));
    if (!report.grab().save(path, "PNG")) {
      err << "kxplan: cannot write " << kxqt::PathFromQString(path) << '\n';
      saved = false;
    }
    report.close();
  }
  return saved;
}

}  // namespace kxplan
