// The window of an analysis program: "Financial Plotter" with one tab over the graph panel, and
// a File menu of Print, Exit and About. It shows the one file the planner wrote; it opens no
// other.
#pragma once

#include <QMainWindow>
#include <QTabBar>
#include <filesystem>

#include "graph/analysis_data.h"
#include "platform/prompter.h"
#include "qt/analysis_panel.h"
#include "qt/graph_output.h"

class QPrinter;

namespace kxqt {

// What tells kxref and kxtplot apart.
struct AnalysisProgram {
  const char* name;      // "kxref", in messages of the headless words
  const char* dataFile;  // "ref.tmp", the file the planner writes
  int maxSeries;         // series a row carries after its month or period number
  graph::AnalysisTexts texts;
  const char* printMenuText;  // the menu text of the Print command
  int startWidth;             // of the window; every window starts 380 pixels high
};

class AnalysisWindow final : public QMainWindow {
  Q_OBJECT

 public:
  AnalysisWindow(const AnalysisProgram& program, platform::Prompter& prompter,
                 graph::Currency currency, QWidget* parent = nullptr);

  // Reads the program's file; a failed read shows its message and the window stays as it was.
  bool LoadFile(const std::filesystem::path& path);

  QTabBar& tabs() { return *tabs_; }
  AnalysisPanel& panel() { return *panel_; }
  const graph::AnalysisData& data() const { return data_; }
  bool dataLoaded() const { return dataLoaded_; }

  void Print();
  void About();
  // Prints the graph on a printer set up already; false without data or printer.
  bool PrintTo(QPrinter& printer);

 private:
  void BuildMenu();

  const AnalysisProgram& program_;
  platform::Prompter& prompter_;
  graph::AnalysisData data_;
  bool dataLoaded_ = false;
  QTabBar* tabs_ = nullptr;
  AnalysisPanel* panel_ = nullptr;
};

// The painter of the panel's graph for the printed page and the image files.
GraphPainter AnalysisPainter(const graph::AnalysisData& data, const graph::AnalysisTexts& texts,
                             const AnalysisView& view, graph::Currency currency);

}  // namespace kxqt
