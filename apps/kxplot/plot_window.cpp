#include "apps/kxplot/plot_window.h"

#include <QMenuBar>
#include <QPrinter>

#include "apps/kxplot/plot_output.h"
#include "graph/plot_file_reader.h"
#include "qt/graph_window_parts.h"
#include "qt/latin1_text.h"

namespace kxplot {
namespace {

const QString kTitle = QStringLiteral("Financial Plotter");

// The tab that shows the same graph as `view` does, or the first tab.
int TabShowing(const std::vector<PlotTab>& tabs, const PlotView& view) {
  graph::GraphKind kind = view.ShowsPie() ? view.kindBeforePie : view.kind;
  for (size_t i = 0; i < tabs.size(); ++i) {
    if (tabs[i].kind == kind && tabs[i].firstAccount == view.firstAccount) {
      return static_cast<int>(i);
    }
  }
  return 0;
}

}  // namespace

PlotWindow::PlotWindow(platform::Prompter& prompter, platform::FileChooser& files,
                       graph::Currency currency, QWidget* parent)
    : QMainWindow(parent), prompter_(prompter), files_(files) {
  setWindowTitle(kTitle);
  kxqt::SizeGraphWindow(*this, kxqt::kGraphWindowStartWidth);
  BuildMenu();

  panel_ = new GraphPanel(data_, currency);
  tabs_ = kxqt::PlaceTabsOverPanel(*this, panel_);
  tabs_->setUsesScrollButtons(true);

  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { SelectTab(index); });
  RebuildTabs();
}

void PlotWindow::BuildMenu() {
  QMenu& file = *menuBar()->addMenu(QStringLiteral("File"));
  auto add = [&file](const char* text, const char* keys) {
    return kxqt::AddMenuCommand(file, text, keys);
  };
  connect(add("&Open\tAlt+o", "Alt+O"), &QAction::triggered, this, &PlotWindow::Open);
  connect(add("&Print Graph\tAlt+p", "Alt+P"), &QAction::triggered, this, &PlotWindow::Print);
  connect(add("E&xit\tAlt+x", "Alt+X"), &QAction::triggered, this, &QWidget::close);
  connect(add("A&bout\tAlt+b", "Alt+B"), &QAction::triggered, this, &PlotWindow::About);
}

bool PlotWindow::LoadFile(const std::filesystem::path& path) {
  if (!graph::ReadPlotFile(path, data_, prompter_)) return false;
  dataLoaded_ = true;
  panel_->SetDataLoaded(true);
  RebuildTabs();
  return true;
}

void PlotWindow::RebuildTabs() {
  tabList_ = PlotTabs(data_);
  PlotView view = panel_->view();
  int selected = TabShowing(tabList_, view);
  {
    QSignalBlocker quiet(tabs_);
    while (tabs_->count() > 0) tabs_->removeTab(0);
    for (const PlotTab& tab : tabList_) tabs_->addTab(kxqt::ToQString(tab.title));
    tabs_->setCurrentIndex(selected);
  }
  bool keepPie = view.ShowsPie() && view.piePoint < data_.pointCount &&
                 tabList_[static_cast<size_t>(selected)].kind == view.kindBeforePie;
  view.SelectTab(tabList_[static_cast<size_t>(selected)]);
  if (keepPie) view.kind = graph::GraphKind::Pie;
  panel_->ShowView(view);
}

void PlotWindow::SelectTab(int index) {
  if (index < 0 || index >= static_cast<int>(tabList_.size())) return;
  PlotView view = panel_->view();
  view.SelectTab(tabList_[static_cast<size_t>(index)]);
  panel_->ShowView(view);
}

QStringList PlotWindow::TabTitles() const {
  return kxqt::TabTitlesOf(*tabs_);
}

void PlotWindow::Open() {
  platform::FileRequest request;
  request.title = "Open a Graph File";
  request.filter = "Graph Files (*.KXP)";
  request.defaultExtension = "kxp";
  std::vector<std::string> chosen = files_.Choose(request);
  if (chosen.empty()) return;
  setWindowTitle(kTitle + QStringLiteral(" - ") + kxqt::PathToQString(chosen.front()));
  LoadFile(chosen.front());
}

bool PlotWindow::PrintTo(QPrinter& printer) {
  if (!dataLoaded_) return false;
  panel_->SetPrinting(true);
  bool printed =
      PrintGraph(printer, data_, panel_->view(), panel_->currency(), panel_->fontHeight());
  panel_->SetPrinting(false);
  return printed;
}

void PlotWindow::Print() {
  if (!dataLoaded_) return;
  QPrinter printer(QPrinter::HighResolution);
  if (kxqt::AskPrinterAndPage(printer, this)) PrintTo(printer);
  panel_->update();
}

void PlotWindow::About() {
  kxqt::ShowAboutBox(this, QStringLiteral("Financial Plotter\n\nShows the graphs of a plot file."));
}

}  // namespace kxplot
