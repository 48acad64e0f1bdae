#include "apps/kxcomp/compare_window.h"

#include <QMenuBar>
#include <QPrinter>

#include "apps/kxcomp/compare_output.h"
#include "qt/graph_window_parts.h"
#include "qt/latin1_text.h"

namespace kxcomp {
CompareWindow::CompareWindow(platform::Prompter& prompter, platform::FileChooser& files,
                             graph::Currency currency, QWidget* parent)
    : QMainWindow(parent),
      prompter_(prompter),
      files_(files),
      currency_(currency),
      list_(prompter) {
  setWindowTitle(QStringLiteral("Financial Compare"));
  kxqt::SizeGraphWindow(*this, kxqt::kGraphWindowStartWidth);
  BuildMenu();

  panel_ = new ComparePanel(list_, currency);
  tabs_ = kxqt::PlaceTabsOverPanel(*this, panel_);
  tabs_->setUsesScrollButtons(true);

  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { SelectTab(index); });
  ListChanged();
}

void CompareWindow::BuildMenu() {
  QMenu& file = *menuBar()->addMenu(QStringLiteral("File"));
  auto add = [&file](const char* text, const char* keys) {
    return kxqt::AddMenuCommand(file, text, keys);
  };
  connect(add("Start a &new file list \tAlt+n", "Alt+N"), &QAction::triggered, this,
          &CompareWindow::StartNewList);
  connect(add("&Add files to current list \tAlt+a", "Alt+A"), &QAction::triggered, this,
          &CompareWindow::AddFiles);
  connect(add("&Remove files from current list \tAlt+r", "Alt+R"), &QAction::triggered, this,
          &CompareWindow::RemoveFiles);
  connect(add("&Print Graph\tAlt+p", "Alt+P"), &QAction::triggered, this, &CompareWindow::Print);
  connect(add("E&xit\tAlt+x", "Alt+X"), &QAction::triggered, this, &QWidget::close);
  connect(add("A&bout\tAlt+b", "Alt+B"), &QAction::triggered, this, &CompareWindow::About);
}

bool CompareWindow::StartWith(const std::vector<std::string>& paths) {
  list_.StartNew(paths);
  ListChanged();
  return list_.AnyRead();
}

std::vector<std::string> CompareWindow::ChooseFiles(const char* title) {
  platform::FileRequest request;
  request.title = title;
  request.filter = "Plot Files (*.KXP)";
  request.defaultExtension = "kxp";
  request.multiple = true;
  return files_.Choose(request);
}

void CompareWindow::StartNewList() {
  std::vector<std::string> chosen = ChooseFiles("Select one or more files to compare.");
  if (chosen.empty()) return;
  list_.StartNew(chosen);
  ListChanged();
}

void CompareWindow::AddFiles() {
  std::vector<std::string> chosen = ChooseFiles("Select one or more files to add.");
  if (chosen.empty()) return;
  list_.Add(chosen);
  ListChanged();
}

void CompareWindow::RemoveFiles() {
  std::vector<std::string> chosen = ChooseFiles("Select one or more files to remove.");
  if (chosen.empty()) return;
  list_.Remove(chosen);
  ListChanged();
}

void CompareWindow::ListChanged() {
  CompareView view = panel_->view();
  view.pie = false;  // the age of the pie may no longer be on the axis
  // 3-D bars need three ages.
  if (view.style == graph::PlotStyle::Bars3D && list_.Axis().count < 3) {
    view.style = graph::PlotStyle::Lines;
  }
  {
    QSignalBlocker quiet(tabs_);
    while (tabs_->count() > 0) tabs_->removeTab(0);
    for (const CompareTab& tab : CompareTabs(currency_)) tabs_->addTab(kxqt::ToQString(tab.title));
    tabs_->setCurrentIndex(view.tab);
  }
  panel_->ShowView(view);
}

void CompareWindow::SelectTab(int index) {
  if (index < 0) return;
  CompareView view = panel_->view();
  view.tab = index;
  view.pie = false;
  panel_->ShowView(view);
}

QStringList CompareWindow::TabTitles() const {
  return kxqt::TabTitlesOf(*tabs_);
}

bool CompareWindow::PrintTo(QPrinter& printer) {
  if (!list_.AnyRead()) return false;
  panel_->SetPrinting(true);
  bool printed = kxqt::PrintGraphPages(printer, panel_->fontHeight(),
                                       ComparisonPainter(list_, panel_->view(), currency_));
  panel_->SetPrinting(false);
  return printed;
}

void CompareWindow::Print() {
  if (!list_.AnyRead()) return;
  QPrinter printer(QPrinter::HighResolution);
  if (kxqt::AskPrinterAndPage(printer, this)) PrintTo(printer);
  panel_->update();
}

void CompareWindow::About() {
  kxqt::ShowAboutBox(this, QStringLiteral("Financial Compare\n\nDraws one quantity of up to 13 "
                                           "plot files side by side."));
}

}  // namespace kxcomp
