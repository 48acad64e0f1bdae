// The plotter's main window "Financial Plotter": the File menu, the graph tabs of the loaded
// plot file and the graph panel under them.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <QTabBar>
#include <filesystem>

#include "apps/kxplot/graph_panel.h"
#include "apps/kxplot/plot_view.h"
#include "graph/plot_data.h"
#include "platform/file_chooser.h"
#include "platform/prompter.h"

class QPrinter;

namespace kxplot {

class PlotWindow final : public QMainWindow {
  Q_OBJECT

 public:
  PlotWindow(platform::Prompter& prompter, platform::FileChooser& files, graph::Currency currency,
             QWidget* parent = nullptr);

  // Reads a plot file; on success the tabs are rebuilt and the current graph kind is kept
  // where the new file has it. A failed read shows its message and keeps what was shown.
  bool LoadFile(const std::filesystem::path& path);

  QStringList TabTitles() const;
  QTabBar& tabs() { return *tabs_; }
  GraphPanel& panel() { return *panel_; }
  const graph::PlotData& data() const { return data_; }
  bool dataLoaded() const { return dataLoaded_; }

  // The menu commands.
  void Open();
  void Print();
  void About();
  // Prints the current graph on a printer set up already; false without data or printer.
  bool PrintTo(QPrinter& printer);

 private:
  void BuildMenu();
  void RebuildTabs();
  void SelectTab(int index);

  platform::Prompter& prompter_;
  platform::FileChooser& files_;
  graph::PlotData data_;
  bool dataLoaded_ = false;
  std::vector<PlotTab> tabList_;
  QTabBar* tabs_ = nullptr;
  GraphPanel* panel_ = nullptr;
};

}  // namespace kxplot
