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
#include <QToolBar>
#include <QTreeWidget>
#include <cstring>

#include "planner/command_table.h"
#include "qt/help_window.h"
#include "ui/dialogs/register_dialogs.h"
#include "qt/latin1_text.h"
#include "ui/choice_dialog.h"
#include "ui/font_records.h"
#include "ui/list_folders.h"
#include "ui/preferences_dialog.h"
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

// What a folder shows until the part of the planner that fills it is there.
const char* PendingText(Folder folder) {
  switch (folder) {
    case Folder::Summary:
      return "The summary of an age appears here: choose the age on a graph or in the Results "
             "folder.";
    case Folder::MonteCarlo:
      return "The Monte Carlo analysis of the scenario appears here.";
    default:
      return "The graph of the last run appears here.";
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
        maker_->setHtml(MakerPage());
        folder = maker_;
        break;
      case Folder::Accounts: folder = accounts_ = new AccountsFolder(planner_, tabs_); break;
      case Folder::Scenario: folder = scenario_ = new ScenarioFolder(planner_, tabs_); break;
      case Folder::Results: folder = results_ = new ResultsFolder(planner_, tabs_); break;
      default: folder = NewPendingFolder(name.heading, PendingText(name.folder), tabs_); break;
    }
    tabs_->addTab(folder, QString::fromLatin1(name.title));
  }
  setCentralWidget(tabs_);
}

void MainWindow::PlaceWindow() {
  const core::PageSettings& prefs = planner_.preferences();
  if (prefs.windowWidth >= kSmallestWidth && prefs.windowHeight >= kSmallestHeight) {
    setGeometry(prefs.windowLeft, prefs.windowTop, prefs.windowWidth, prefs.windowHeight);
  } else {
    move(prefs.windowLeft, prefs.windowTop);
    resize(kStartWidth, kStartHeight);
  }
}

void MainWindow::RegisterPlace(const std::string& name, PlaceOpener opener) {
  openers_[name] = std::move(opener);
}

void MainWindow::ResultsChanged() {
  results_->Refresh();
  accounts_->Refresh();
  scenario_->Refresh();
  ApplyFolderFonts();
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
  setWindowTitle(kxqt::ToQString(planner_.Title()));
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
    auto* action = new QAction(kxqt::PathToQString(entry.text), file);
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
