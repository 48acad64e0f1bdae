#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeySequence>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QScreen>
#include <algorithm>
#include <QToolBar>
#include <QTreeWidget>
#include <cstring>

#include "planner/command_table.h"
#include "qt/help_window.h"
#include "ui/dialogs/register_dialogs.h"
#include "qt/latin1_text.h"
#include "ui/choice_dialog.h"
#include "ui/font_records.h"
#include "ui/graph_folder.h"
#include "ui/graph_window.h"
#include "ui/monte_carlo_folder.h"
#include "ui/summary_folder.h"
#include "graph/plot_view.h"
#include "qt/graph_output.h"
#include <QPrintDialog>
#include <QPrinter>
#include "ui/list_folders.h"
#include "ui/preferences_dialog.h"
#include "ui/report_places.h"
#include "ui/results_folder.h"
#include "ui/toolbar_icons.h"

namespace kxui {

namespace {

constexpr int kStartWidth = 1100;
constexpr int kStartHeight = 720;
constexpr int kSmallestWidth = 640;
constexpr int kSmallestHeight = 480;
constexpr int kFolderFont = 1;
constexpr const char* kMenuSeparator = " > ";

constexpr int kGraphFontHeight = 13;

// The graph a graph folder shows.
graph::PlotTab GraphTabOf(const FolderName& name) {
  switch (name.folder) {
    case Folder::NetWorth: return {name.title, graph::GraphKind::NetWorth, 0, 0};
    case Folder::IncomingOutgoing: return {name.title, graph::GraphKind::IncomingOutgoing, 0, 0};
    case Folder::Incoming: return {name.title, graph::GraphKind::Incoming, 0, 0};
    case Folder::Outgoing: return {name.title, graph::GraphKind::Outgoing, 0, 0};
    default: return {name.title, graph::GraphKind::Groups, 0, 0};
  }
}

QString MakerPage() {
  QFile page(kxqt::DefaultHelpDir() + QStringLiteral("/suite.html"));
  QString text;
  if (page.open(QIODevice::ReadOnly)) {
    text = QString::fromUtf8(page.readAll());
  } else {
    text = QStringLiteral(
        "<h1>Kestrune Dudavovez Odoredo</h1><p>Version @VERSION@</p>"
        "<p>A personal financial planner for one household.</p>"
        "<p>Help: F1, the Help menu and every dialog's Help button.</p>");
  }
  text.replace(QStringLiteral("@VERSION@"), QStringLiteral(KX_VERSION));
  return text;
}

}  // namespace

MainWindow::MainWindow(planner::Planner& planner, QWidget* parent)
    : QMainWindow(parent), planner_(planner) {
  setObjectName(QStringLiteral("Kestrune Class"));
  BuildMenus();
  BuildToolbar();
  BuildFolders();
  PlaceWindow();
  RegisterPlace("PREF", [this](const planner::Place& place) { return OpenPreferences(place); });
  RegisterReportPlaces(*this, planner_);
  RegisterPlace("graph-window", [this](const planner::Place&) { return OpenGraphWindow(); });
  RegisterPlace("graph", [this](const planner::Place&) { return PrintCurrentGraph(); });
  RegisterEditingDialogs(*this, planner_);
  planner_.SetView(this);
  MenusChanged();
}

MainWindow::~MainWindow() { planner_.SetView(nullptr); }

QMenu* MainWindow::MenuFor(const std::string& path) {
  auto found = menus_.find(path);
  if (found != menus_.end()) return found->second;
  const size_t split = path.rfind(kMenuSeparator);
  QMenu* menu = nullptr;
  if (split == std::string::npos) {
    // No mnemonics on the menu bar: the Alt+letter accelerators of the commands win.
    menu = menuBar()->addMenu(QString::fromLatin1(path.c_str()));
  } else {
    QMenu* parentMenu = MenuFor(path.substr(0, split));
    menu = parentMenu->addMenu(
        QString::fromLatin1(path.substr(split + std::strlen(kMenuSeparator)).c_str()));
  }
  menus_[path] = menu;
  return menu;
}

void MainWindow::BuildMenus() {
  for (const planner::CommandEntry& entry : planner::CommandTable()) {
    QMenu* menu = MenuFor(entry.menu);
    if (entry.number == 5) recentSeparator_ = menu->addSeparator();  // recent files above Exit
    QAction* action = menu->addAction(QString::fromLatin1(entry.text));
    action->setObjectName(QStringLiteral("command-%1").arg(entry.number));
    if (*entry.keys != '\0') {
      action->setShortcut(QKeySequence(QString::fromLatin1(entry.keys)));
      action->setShortcutContext(Qt::WindowShortcut);
      addAction(action);  // the keys work while the menu is closed
    }
    const int number = entry.number;
    connect(action, &QAction::triggered, this, [this, number] { planner_.Execute(number); });
    actions_.emplace(entry.number, action);
    if (entry.number >= planner::kFirstBudgetCommand &&
        entry.number < planner::kFirstBudgetCommand + planner::kBudgetCommandCount) {
      budgetActions_.push_back(action);
    }
  }
}

void MainWindow::BuildToolbar() {
  QToolBar* toolbar = addToolBar(QStringLiteral("Commands"));
  toolbar->setObjectName(QStringLiteral("toolbar"));
  toolbar->setMovable(false);
  toolbar->setIconSize(QSize(24, 24));
  for (const planner::ToolbarButton& button : planner::ToolbarButtons()) {
    QAction* action = toolbar->addAction(ToolbarIcon(button.command), QString());
    action->setToolTip(QString::fromLatin1(button.tooltip));
    const int number = button.command;
    connect(action, &QAction::triggered, this, [this, number] { planner_.Execute(number); });
  }
}

void MainWindow::BuildFolders() {
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("folders"));
  for (const FolderName& name : kFolders) {
    QWidget* folder = nullptr;
    switch (name.folder) {
      case Folder::Maker:
        maker_ = new QTextBrowser(tabs_);
        maker_->setOpenExternalLinks(false);
        maker_->setSearchPaths({kxqt::DefaultHelpDir()});  // its links lead to the help pages
        maker_->setHtml(MakerPage());
        folder = maker_;
        break;
      case Folder::Accounts: folder = accounts_ = new AccountsFolder(planner_, tabs_); break;
      case Folder::Scenario: folder = scenario_ = new ScenarioFolder(planner_, tabs_); break;
      case Folder::Results: folder = results_ = new ResultsFolder(planner_, tabs_); break;
      case Folder::Summary: folder = summary_ = new SummaryFolder(planner_, tabs_); break;
      case Folder::MonteCarlo: folder = monteCarlo_ = new MonteCarloFolder(planner_, tabs_); break;
      default: {
        auto* graph = new GraphFolder(planner_, GraphTabOf(name), tabs_);
        graphs_.push_back(graph);
        folder = graph;
        break;
      }
    }
    folderWidgets_[static_cast<size_t>(name.folder)] = folder;
    tabs_->addTab(folder, QString::fromLatin1(name.title));
  }
  setCentralWidget(tabs_);
}

void MainWindow::PlaceWindow() {
  const core::PageSettings& prefs = planner_.preferences();
  int width = kStartWidth;
  int height = kStartHeight;
  if (prefs.windowWidth >= kSmallestWidth && prefs.windowHeight >= kSmallestHeight) {
    width = prefs.windowWidth;
    height = prefs.windowHeight;
  }
  // A stored size from another screen (or a damaged file) is held to this one.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    width = std::min(width, std::max(kSmallestWidth, available.width()));
    height = std::min(height, std::max(kSmallestHeight, available.height()));
  }
  setGeometry(prefs.windowLeft, prefs.windowTop, width, height);
}

void MainWindow::RegisterPlace(const std::string& name, PlaceOpener opener) {
  openers_[name] = std::move(opener);
}

void MainWindow::ResultsChanged() {
  results_->Refresh();
  accounts_->Refresh();
  scenario_->Refresh();
  summary_->Refresh();
  UpdateAccountTabs();
  for (GraphFolder* graph : graphs_) graph->Refresh();
  for (GraphFolder* graph : accountGraphs_) graph->Refresh();
  if (graphWindow_) graphWindow_->Refresh();
  ApplyFolderFonts();
  // The analysis follows the scenario while its folder is shown.
  if (tabs_->currentWidget() == monteCarlo_ && planner_.MonteCarloStale()) {
    QTimer::singleShot(0, monteCarlo_, [this] { monteCarlo_->RunIfStale(); });
  }
}

void MainWindow::SummaryAgeChanged() { summary_->AgeChanged(); }

void MainWindow::UpdateAccountTabs() {
  std::vector<graph::PlotTab> tabs;
  for (const graph::PlotTab& tab : graph::PlotTabs(planner_.plot())) {
    if (tab.kind == graph::GraphKind::Accounts) tabs.push_back(tab);
  }
  std::vector<std::string> titles;
  for (const graph::PlotTab& tab : tabs) titles.push_back(tab.title);
  if (titles == accountTitles_) return;
  accountTitles_ = titles;
  for (GraphFolder* graph : accountGraphs_) {
    tabs_->removeTab(tabs_->indexOf(graph));
    graph->deleteLater();
  }
  accountGraphs_.clear();
  for (const graph::PlotTab& tab : tabs) {
    auto* graph = new GraphFolder(planner_, tab, tabs_);
    accountGraphs_.push_back(graph);
    tabs_->insertTab(tabs_->indexOf(monteCarlo_), graph, kxqt::ToQString(tab.title));
  }
}

int MainWindow::FolderIndex(Folder folder) const {
  return tabs_->indexOf(folderWidgets_[static_cast<size_t>(folder)]);
}

std::function<void(graph::Canvas&, const graph::Rect&, bool)> MainWindow::CurrentGraph() {
  QWidget* shown = tabs_->currentWidget();
  GraphFolder* graph = qobject_cast<GraphFolder*>(shown);
  if (shown == summary_) graph = summary_->graph();
  if (graph != nullptr) {
    return [graph](graph::Canvas& canvas, const graph::Rect& area, bool printing) {
      graph->DrawOn(canvas, area, printing);
    };
  }
  if (shown == monteCarlo_) {
    return [this](graph::Canvas& canvas, const graph::Rect& area, bool printing) {
      monteCarlo_->DrawOn(canvas, area, printing);
    };
  }
  return {};
}

namespace {

kxqt::GraphPainter PainterOf(std::function<void(graph::Canvas&, const graph::Rect&, bool)> draw) {
  return [draw](graph::Canvas& canvas, const graph::Rect& area, int, bool printing) {
    draw(canvas, area, printing);
  };
}

}  // namespace

bool MainWindow::PrintCurrentGraph() {
  auto draw = CurrentGraph();
  if (!draw) {
    planner_.services().prompter.ShowMessage("Print Current Graph",
                                             "Choose a folder with a graph to print it.",
                                             platform::Icon::Information);
    return true;
  }
  QPrinter printer(QPrinter::HighResolution);
  kxqt::PreparePrinter(printer);
  printer.setDocName(QStringLiteral("Printing Graph"));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return true;
  if (!kxqt::PrintGraphPages(printer, kGraphFontHeight, PainterOf(draw))) {
    planner_.services().prompter.ShowMessage("Print Error", "Cannot print the graph.",
                                             platform::Icon::Error);
  }
  return true;
}

bool MainWindow::PrintCurrentGraphToPdf(const QString& path) {
  auto draw = CurrentGraph();
  return draw && kxqt::RenderGraphPdf(path, kGraphFontHeight, PainterOf(draw));
}

GraphWindow* MainWindow::graphWindow() const { return graphWindow_.data(); }

bool MainWindow::OpenGraphWindow() {
  if (!graphWindow_) graphWindow_ = new GraphWindow(planner_, this);
  graphWindow_->show();
  graphWindow_->raise();
  graphWindow_->activateWindow();
  return true;
}

void MainWindow::ApplyFolderFonts() {
  const core::Scenario& scenario = planner_.document().scenario;
  const QFont font = planner_.preferences().defaultFonts != 0
                         ? QApplication::font()
                         : FontOf(scenario.fonts[kFolderFont], QApplication::font());
  results_->list()->setFont(font);
  scenario_->list()->setFont(font);
}

void MainWindow::MenusChanged() {
  setWindowTitle(kxqt::PathToQString(planner_.Title()));
  for (int b = 0; b < static_cast<int>(budgetActions_.size()); ++b) {
    budgetActions_[b]->setText(kxqt::ToQString(planner_.BudgetMenuText(b)));
  }
  RebuildRecentFiles();
  tabs_->setTabVisible(FolderIndex(Folder::Maker), planner_.preferences().hideMakerFolder == 0);
}

void MainWindow::RebuildRecentFiles() {
  QMenu* file = MenuFor("File");
  for (QAction* action : recentActions_) {
    file->removeAction(action);
    delete action;
  }
  recentActions_.clear();
  const auto entries = planner_.RecentMenu();
  recentSeparator_->setVisible(!entries.empty());
  QAction* before = actions_.at(5);
  for (const core::MenuEntry& entry : entries) {
    // A menu reads '&' as a mnemonic and a tab as the start of the keys.
    QString text = kxqt::PathToQString(entry.text);
    text.replace(QLatin1Char('&'), QStringLiteral("&&")).replace(QLatin1Char('\t'), QLatin1Char(' '));
    auto* action = new QAction(text, file);
    action->setObjectName(QStringLiteral("command-%1").arg(entry.command));
    const int number = entry.command;
    connect(action, &QAction::triggered, this, [this, number] { planner_.Execute(number); });
    file->insertAction(before, action);
    recentActions_.push_back(action);
  }
  // The recent files stand between their separator and Exit.
  file->removeAction(recentSeparator_);
  file->insertAction(recentActions_.empty() ? before : recentActions_.front(), recentSeparator_);
}

int MainWindow::ChooseOne(const std::string& title, const std::vector<std::string>& choices) {
  if (headlessErr_ != nullptr) {
    *headlessErr_ << title << ": (cancelled)\n";
    return -1;
  }
  return AskChoice(this, title, choices);
}

bool MainWindow::Open(const planner::Place& place) {
  auto opener = openers_.find(place.name);
  return opener != openers_.end() && opener->second(place);
}

void MainWindow::Raise(const planner::Place& place) {
  auto open = openWindows_.find(place.name);
  if (open == openWindows_.end() || open->second.isNull()) return;
  open->second->raise();
  open->second->activateWindow();
}

bool MainWindow::OpenPreferences(const planner::Place& place) {
  if (!planner_.BeginDialog(place)) return true;
  PreferencesDialog dialog(planner_, this);
  openWindows_[place.name] = &dialog;
  dialog.exec();
  planner_.EndDialog(place);
  return true;
}

QString MainWindow::AboutText() {
  return QStringLiteral(
             "Kestrune Dudavovez Odoredo -- Pro\nVersion %1\n\nA personal financial planner for "
             "one household: scenarios, schedules, reports, graphs and Monte Carlo analyses.")
      .arg(QStringLiteral(KX_VERSION));
}

void MainWindow::ShowAbout() {
  if (headlessErr_ != nullptr) {
    *headlessErr_ << "About the Dudavovez Odoredo: " << AboutText().toStdString() << '\n';
    return;
  }
  QMessageBox box(QMessageBox::Information, QStringLiteral("About the Dudavovez Odoredo"),
                  AboutText(), QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("about"));
  box.exec();
}

void MainWindow::RequestClose() { close(); }

core::WindowRect MainWindow::WindowPlacement() const {
  const QRect g = geometry();
  return core::WindowRect{g.x(), g.y(), g.x() + g.width(), g.y() + g.height()};
}

QAction* MainWindow::ActionOf(int command) const {
  auto found = actions_.find(command);
  return found == actions_.end() ? nullptr : found->second;
}

QMenu* MainWindow::MenuOf(const std::string& path) const {
  auto found = menus_.find(path);
  return found == menus_.end() ? nullptr : found->second;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closing_ || planner_.Close()) {
    closing_ = true;
    event->accept();
    return;
  }
  event->ignore();
}

}  // namespace kxui
