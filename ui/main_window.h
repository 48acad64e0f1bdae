// The planner's main window: the menus, accelerators and toolbar built from the command
// table, the row of folders, the title and the recent files. It shows the session and hands
// every command to it; it decides nothing itself.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "graph/canvas.h"
#include "planner/planner.h"
#include "ui/folder_names.h"

class QTabWidget;
class QTextBrowser;

namespace kxui {

class AccountsFolder;
class GraphFolder;
class GraphWindow;
class MonteCarloFolder;
class ResultsFolder;
class ScenarioFolder;
class SummaryFolder;

class MainWindow final : public QMainWindow, public planner::PlannerView {
  Q_OBJECT

 public:
  // A place the window can open: returns false when it cannot. Later parts of the window
  // register theirs by the place's name.
  using PlaceOpener = std::function<bool(const planner::Place&)>;

  explicit MainWindow(planner::Planner& planner, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Without a display: choices are answered Cancel and the About box goes to `err`.
  void SetHeadless(std::ostream* err) { headlessErr_ = err; }
  void RegisterPlace(const std::string& name, PlaceOpener opener);

  // planner::PlannerView
  void ResultsChanged() override;
  void SummaryAgeChanged() override;
  void MenusChanged() override;
  int ChooseOne(const std::string& title, const std::vector<std::string>& choices) override;
  bool Open(const planner::Place& place) override;
  void Raise(const planner::Place& place) override;
  void ShowAbout() override;
  void RequestClose() override;
  core::WindowRect WindowPlacement() const override;

  QTabWidget* folders() const { return tabs_; }
  // The tab of a folder; the account tabs stand between Groups and the Monte Carlo folder.
  int FolderIndex(Folder folder) const;
  // The graph of the folder shown, drawn into an area; none when the folder shows no graph.
  std::function<void(graph::Canvas&, const graph::Rect&, bool printing)> CurrentGraph();
  // "Print Current Graph" into a PDF file instead of a printer.
  bool PrintCurrentGraphToPdf(const QString& path);
  // The action of a command's first menu row.
  QAction* ActionOf(int command) const;
  QMenu* MenuOf(const std::string& path) const;
  ResultsFolder* results() const { return results_; }
  AccountsFolder* accounts() const { return accounts_; }
  ScenarioFolder* scenario() const { return scenario_; }
  SummaryFolder* summary() const { return summary_; }
  MonteCarloFolder* monteCarlo() const { return monteCarlo_; }
  const std::vector<GraphFolder*>& accountGraphs() const { return accountGraphs_; }
  GraphWindow* graphWindow() const;
  // The text of the About box.
  static QString AboutText();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildFolders();
  void PlaceWindow();
  QMenu* MenuFor(const std::string& path);
  void RebuildRecentFiles();
  void ApplyFolderFonts();
  bool OpenPreferences(const planner::Place& place);
  bool OpenGraphWindow();
  bool PrintCurrentGraph();
  void UpdateAccountTabs();

  planner::Planner& planner_;
  std::ostream* headlessErr_ = nullptr;
  std::map<std::string, QMenu*> menus_;
  std::map<int, QAction*> actions_;
  std::vector<QAction*> budgetActions_;
  std::vector<QAction*> recentActions_;
  QAction* recentSeparator_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  ResultsFolder* results_ = nullptr;
  AccountsFolder* accounts_ = nullptr;
  ScenarioFolder* scenario_ = nullptr;
  QTextBrowser* maker_ = nullptr;
  SummaryFolder* summary_ = nullptr;
  MonteCarloFolder* monteCarlo_ = nullptr;
  std::array<QWidget*, kFolderCount> folderWidgets_{};
  std::vector<GraphFolder*> graphs_;  // the fixed graph folders
  std::vector<GraphFolder*> accountGraphs_;
  std::vector<std::string> accountTitles_;
  QPointer<GraphWindow> graphWindow_;
  std::map<std::string, PlaceOpener> openers_;
  std::map<std::string, QPointer<QWidget>> openWindows_;
  bool closing_ = false;
};

}  // namespace kxui
