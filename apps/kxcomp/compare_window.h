// The comparison's main window "Financial Compare": the File menu with the list commands, the
// sixteen quantity tabs and the graph panel under them.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <QTabBar>

#include "apps/kxcomp/compare_list.h"
#include "apps/kxcomp/compare_panel.h"
#include "platform/file_chooser.h"
#include "platform/prompter.h"

class QPrinter;

namespace kxcomp {

class CompareWindow final : public QMainWindow {
  Q_OBJECT

 public:
  CompareWindow(platform::Prompter& prompter, platform::FileChooser& files,
                graph::Currency currency, QWidget* parent = nullptr);

  // Starts a list of these files and shows it; false when no file could be read.
  bool StartWith(const std::vector<std::string>& paths);

  QStringList TabTitles() const;
  QTabBar& tabs() { return *tabs_; }
  ComparePanel& panel() { return *panel_; }
  const CompareList& list() const { return list_; }

  // The menu commands. A cancelled chooser keeps the list, its ages and its graphs.
  void StartNewList();
  void AddFiles();
  void RemoveFiles();
  void Print();
  void About();
  // Prints the current graph on a printer set up already; false without a file read or when
  // the printer could not be started.
  bool PrintTo(QPrinter& printer);

 private:
  void BuildMenu();
  std::vector<std::string> ChooseFiles(const char* title);
  // After each change of the list: the tabs again and the same quantity redrawn.
  void ListChanged();
  void SelectTab(int index);

  platform::Prompter& prompter_;
  platform::FileChooser& files_;
  graph::Currency currency_;
  CompareList list_;
  QTabBar* tabs_ = nullptr;
  ComparePanel* panel_ = nullptr;
};

}  // namespace kxcomp
