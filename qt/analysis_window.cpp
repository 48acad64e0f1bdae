#include "qt/analysis_window.h"

#include <QMenuBar>
#include <QPrinter>

#include "qt/graph_window_parts.h"
#include "qt/latin1_text.h"

namespace kxqt {
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
  SizeGraphWindow(*this, program.startWidth);
  BuildMenu();

  panel_ = new AnalysisPanel(data_, program.texts, currency);
  tabs_ = PlaceTabsOverPanel(*this, panel_);
  tabs_->addTab(ToQString(program.texts.title));
}

void AnalysisWindow::BuildMenu() {
  QMenu& file = *menuBar()->addMenu(QStringLiteral("File"));
  auto add = [&file](const char* text, const char* keys) {
    return AddMenuCommand(file, text, keys);
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
  if (AskPrinterAndPage(printer, this)) PrintTo(printer);
  panel_->update();
}

void AnalysisWindow::About() {
  ShowAboutBox(this, QStringLiteral("Financial Plotter\n\n") + ToQString(program_.texts.title));
}

}  // namespace kxqt
