#include "apps/kxcomp/compare_window.h"

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "apps/kxcomp/compare_output.h"
#include "qt/latin1_text.h"

namespace kxcomp {
namespace {

constexpr int kStartWidth = 500;
constexpr int kStartHeight = 380;
constexpr int kSmallestWidth = 400;
constexpr int kSmallestHeight = 300;

}  // namespace

CompareWindow::CompareWindow(platform::Prompter& prompter, platform::FileChooser& files,
                             graph::Currency currency, QWidget* parent)
    : QMainWindow(parent),
      prompter_(prompter),
      files_(files),
      currency_(currency),
      list_(prompter) {
  setWindowTitle(QStringLiteral("Financial Compare"));
  setMinimumSize(kSmallestWidth, kSmallestHeight);
  resize(kStartWidth, kStartHeight);
  BuildMenu();

  auto* central = new QWidget(this);
  QPalette white = central->palette();
  white.setColor(QPalette::Window, Qt::white);
  central->setPalette(white);
  central->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(3, 4, 5, 0);
  layout->setSpacing(0);
  tabs_ = new QTabBar(central);
  tabs_->setExpanding(false);
  tabs_->setUsesScrollButtons(true);
  tabs_->setDrawBase(true);
  panel_ = new ComparePanel(list_, currency, central);
  layout->addWidget(tabs_);
  layout->addWidget(panel_, 1);
  setCentralWidget(central);
  setFocusProxy(panel_);
  // The graph text is a hundredth of the window's height at start, but never unreadable.
  panel_->SetFontHeight(graph::GraphFontHeight(kStartHeight));

  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { SelectTab(index); });
  ListChanged();
}

void CompareWindow::BuildMenu() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
  auto add = [file](const char* text, const char* keys) {
    QAction* action = file->addAction(QString::fromLatin1(text));
    action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
    return action;
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
  QStringList titles;
  for (int i = 0; i < tabs_->count(); ++i) titles << tabs_->tabText(i);
  return titles;
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
  kxqt::PreparePrinter(printer);
  QPrintDialog printDialog(&printer, this);
  printDialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  printDialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  printDialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (printDialog.exec() != QDialog::Accepted) {
    panel_->update();
    return;
  }
  QPageSetupDialog pageDialog(&printer, this);
  if (pageDialog.exec() != QDialog::Accepted) {
    panel_->update();
    return;
  }
  PrintTo(printer);
  panel_->update();
}

void CompareWindow::About() {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("About"),
                  QStringLiteral("Financial Compare\n\nDraws one quantity of up to 13 plot files "
                                 "side by side."),
                  QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("about"));
  box.exec();
}

}  // namespace kxcomp
