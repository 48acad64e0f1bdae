#include "qt/analysis_window.h"

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "qt/latin1_text.h"

namespace kxqt {
namespace {

constexpr int kStartHeight = 380;
constexpr int kSmallestWidth = 400;
constexpr int kSmallestHeight = 300;

}  // namespace

GraphPainter AnalysisPainter(const graph::AnalysisData& data, const graph::AnalysisTexts& texts,
                             const AnalysisView& view, graph::Currency currency) {
  return [&data, &texts, view, currency](graph::Canvas& canvas, const graph::Rect& area,
                                         int fontHeight, bool printing) {
    graph::DrawAnalysisGraph(canvas, data, texts,
                             AnalysisOptionsOf(view, area, fontHeight, printing, currency));
  };
}

AnalysisWindow::AnalysisWindow(const AnalysisProgram& program, platform::Prompter& prompter,
                               graph::Currency currency, QWidget* parent)
    : QMainWindow(parent), program_(program), prompter_(prompter) {
  setWindowTitle(QStringLiteral("Financial Plotter"));
  setMinimumSize(kSmallestWidth, kSmallestHeight);
  resize(program.startWidth, kStartHeight);
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
  tabs_->setDrawBase(true);
  tabs_->addTab(ToQString(program.texts.title));
  panel_ = new AnalysisPanel(data_, program.texts, currency, central);
  layout->addWidget(tabs_);
  layout->addWidget(panel_, 1);
  setCentralWidget(central);
  setFocusProxy(panel_);
  // The graph text is a hundredth of the window's height at start, but never unreadable.
  panel_->SetFontHeight(graph::GraphFontHeight(kStartHeight));
}

void AnalysisWindow::BuildMenu() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
  auto add = [file](const char* text, const char* keys) {
    QAction* action = file->addAction(QString::fromLatin1(text));
    action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
    return action;
  };
  connect(add(program_.printMenuText, "Alt+P"), &QAction::triggered, this, &AnalysisWindow::Print);
  connect(add("E&xit\tAlt+x", "Alt+X"), &QAction::triggered, this, &QWidget::close);
  connect(add("A&bout\tAlt+b", "Alt+B"), &QAction::triggered, this, &AnalysisWindow::About);
}

bool AnalysisWindow::LoadFile(const std::filesystem::path& path) {
  if (!graph::ReadAnalysisFile(path, program_.maxSeries, data_, prompter_)) return false;
  dataLoaded_ = true;
  AnalysisView view = panel_->view();
  view.pie = false;
  panel_->ShowView(view);
  panel_->SetDataLoaded(true);
  return true;
}

bool AnalysisWindow::PrintTo(QPrinter& printer) {
  if (!dataLoaded_) return false;
  panel_->SetPrinting(true);
  bool printed =
      PrintGraphPages(printer, panel_->fontHeight(),
                      AnalysisPainter(data_, program_.texts, panel_->view(), panel_->currency()));
  panel_->SetPrinting(false);
  return printed;
}

void AnalysisWindow::Print() {
  if (!dataLoaded_) return;
  QPrinter printer(QPrinter::HighResolution);
  PreparePrinter(printer);
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

void AnalysisWindow::About() {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("About"),
                  QStringLiteral("Financial Plotter\n\n") + ToQString(program_.texts.title),
                  QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("about"));
  box.exec();
}

}  // namespace kxqt
