#include "apps/kxviewer/stats_window.h"

#include <QAction>
#include <QMenuBar>

#include "qt/graph_window_parts.h"
#include "qt/latin1_text.h"

namespace kxviewer {
namespace {

// The text pane stands this far inside the tab control.
constexpr int kPaneLeft = 10;
constexpr int kPaneTop = 40;
constexpr int kPaneNarrower = 20;
constexpr int kPaneLower = 60;

}  // namespace

StatsWindow::StatsWindow(platform::Prompter& prompter, platform::FileChooser& files,
                         QWidget* parent)
    : QMainWindow(parent), prompter_(prompter), files_(files) {
  setWindowTitle(QStringLiteral("Kestrune Dudavovez Odoredo Monte Carlo Statistics"));
  BuildMenu();
  QWidget* central = kxqt::NewWhiteCentralWidget(this);
  tabs_ = new QTabWidget(central);
  tabs_->addTab(new QWidget(), QStringLiteral("Monte Carlo Statistics"));
  view_ = new StatsView(central);
  view_->raise();
  setCentralWidget(central);
  setFocusProxy(view_);
  // Selecting the only tab lays the pane out again, as a new size does.
  connect(tabs_, &QTabWidget::tabBarClicked, this, [this](int) { PlaceView(); });
  setGeometry(20, 10, 450, 450);
}

void StatsWindow::BuildMenu() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  QAction* open = file->addAction(QStringLiteral("&Open\tAlt+o"));
  open->setShortcut(QKeySequence(QStringLiteral("Alt+O")));
  connect(open, &QAction::triggered, this, &StatsWindow::Open);
  QAction* exit = file->addAction(QStringLiteral("E&xit\tAlt+x"));
  exit->setShortcut(QKeySequence(QStringLiteral("Alt+X")));
  connect(exit, &QAction::triggered, this, &QWidget::close);
}

void StatsWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  PlaceView();
}

void StatsWindow::PlaceView() {
  QWidget* central = centralWidget();
  tabs_->setGeometry(0, 0, central->width(), central->height());
  view_->setGeometry(kPaneLeft, kPaneTop, std::max(1, central->width() - kPaneNarrower),
                     std::max(1, central->height() - kPaneLower));
  view_->SetText(loaded_ ? &text_ : nullptr);
}

void StatsWindow::Show(StatsText text) {
  text_ = std::move(text);
  loaded_ = true;
  view_->SetText(&text_);
}

bool StatsWindow::LoadStartFile(const std::filesystem::path& path) {
  std::optional<StatsText> text = ReadStatsText(path);
  if (!text) {
    prompter_.ShowMessage("Cannot Open Statistics File",
                          "Cannot open the stats.dat file.\nYou must open the Monte Carlo "
                          "Analysis Folder before viewing statistics.",
                          platform::Icon::Error);
    return false;
  }
  Show(std::move(*text));
  return true;
}

bool StatsWindow::LoadChosenFile(const std::filesystem::path& path) {
  std::optional<StatsText> text = ReadStatsText(path);
  if (!text) {
    prompter_.ShowMessage("Cannot Open File", path.string(), platform::Icon::Error);
    return false;
  }
  Show(std::move(*text));
  return true;
}

void StatsWindow::Open() {
  platform::FileRequest request;
  request.title = "Open";
  request.filter = "Text Files (*.DAT)|All Files (*.*)";
  std::vector<std::string> chosen = files_.Choose(request);
  if (chosen.empty()) return;
  LoadChosenFile(chosen.front());
}

}  // namespace kxviewer
