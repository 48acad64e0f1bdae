#include "apps/kxplan/headless.h"

#include "apps/kxplan/print_words.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <filesystem>
#include <system_error>

#include "planner/planner.h"
#include "qt/exit_codes.h"
#include "qt/latin1_text.h"
#include "platform/reporting_process_starter.h"
#include "qt/stream_prompter.h"
#include "ui/choice_dialog.h"
#include "ui/dialogs/register_dialogs.h"
#include "ui/folder_names.h"
#include "ui/dialogs/calculator_screenshots.h"
#include "ui/main_window.h"
#include "ui/monte_carlo_folder.h"
#include "ui/preferences_dialog.h"

namespace kxplan {

namespace {

constexpr int kExitCommand = 5;

class NoChoice final : public platform::FileChooser {
 public:
  std::vector<std::string> Choose(const platform::FileRequest&) override { return {}; }
};

class ReportingHelp final : public platform::HelpViewer {
 public:
  explicit ReportingHelp(std::ostream& err) : err_(err) {}
  void ShowHelp(const std::string& helpFile, int topic) override {
    err_ << "help: " << helpFile << ' ' << topic << '\n';
  }
  bool OpenManual() override {
    err_ << "help: manual\n";
    return true;
  }

 private:
  std::ostream& err_;
};

bool SavePicture(QWidget& widget, const QDir& dir, const QString& name, std::ostream& err) {
  QApplication::processEvents();
  const QString path = dir.filePath(name);
  if (widget.grab().save(path, "PNG")) return true;
  err << "kxplan: cannot write " << kxqt::PathFromQString(path) << '\n';
  return false;
}

QString FolderPictureName(int position, const QString& title, const char* suffix = "") {
  QString name = title;
  name.replace(QLatin1Char('/'), QLatin1Char('-'));
  name.replace(QLatin1Char(' '), QLatin1Char('-'));
  return QStringLiteral("folder-%1-%2%3.png")
      .arg(position, 2, 10, QLatin1Char('0'))
      .arg(name)
      .arg(QString::fromLatin1(suffix));
}

// Every folder as the window shows it; the Monte Carlo folder after its analysis, the Summary
// folder with an age chosen, and the net worth graph zoomed to an age range.
bool SaveFolderPictures(kxui::MainWindow& window, planner::Planner& planner, const QDir& dir,
                        std::ostream& err) {
  bool saved = true;
  QTabWidget* tabs = window.folders();
  const int summary = window.FolderIndex(kxui::Folder::Summary);
  const int monteCarlo = window.FolderIndex(kxui::Folder::MonteCarlo);
  const int netWorth = window.FolderIndex(kxui::Folder::NetWorth);
  for (int f = 0; f < tabs->count(); ++f) {
    if (!tabs->isTabVisible(f)) continue;
    if (f == summary) planner.SelectSummaryAge(planner.WholeStartAge() + 10);
    tabs->setCurrentIndex(f);
    if (f == monteCarlo) window.monteCarlo()->RunIfStale();
    saved &= SavePicture(window, dir, FolderPictureName(f + 1, tabs->tabText(f)), err);
  }
  const int start = planner.WholeStartAge();
  planner.MarkZoomAge(start + 5);
  planner.MarkZoomAge(start + 25);
  if (planner.ZoomGraph() == planner::ZoomOutcome::Zoomed) {
    tabs->setCurrentIndex(netWorth);
    saved &= SavePicture(window, dir, FolderPictureName(netWorth + 1, tabs->tabText(netWorth),
                                                        "-zoomed"), err);
    planner.ZoomGraph();  // no marks: all ages again
  }
  return saved;
}

bool SaveDialogPictures(kxui::MainWindow& window, planner::Planner& planner, const QDir& dir,
                        std::ostream& err) {
  bool saved = true;
  kxui::PreferencesDialog preferences(planner, &window);
  preferences.show();
  saved &= SavePicture(preferences, dir, QStringLiteral("dialog-PREF.png"), err);
  preferences.close();
  kxui::ChoiceDialog choice("Create New Accounts",
                            {"Create New Accounts From a Tab-delimited File (*.KXI)",
                             "Create New Accounts From a Comma-delimited File (*.CSV)",
                             "Create New Accounts By Hand"},
                            &window);
  choice.show();
  saved &= SavePicture(choice, dir, QStringLiteral("dialog-Create-New-Accounts.png"), err);
  choice.close();
  saved &= SaveReportScreenshots(window, planner, dir, err);
  return saved;
}

bool SaveScreenshots(kxui::MainWindow& window, planner::Planner& planner, const QDir& dir,
                     std::ostream& err) {
  bool saved = SaveFolderPictures(window, planner, dir, err);
  window.folders()->setCurrentIndex(window.FolderIndex(kxui::Folder::Results));
  saved &= SaveDialogPictures(window, planner, dir, err);
  saved &= kxui::SaveDialogScreenshots(window, planner, dir, err);
  saved &= kxui::SaveCalculatorScreenshots(window, planner, dir, err);
  return saved;
}

std::optional<std::string> ScenarioFromCurrentFolder(const std::optional<std::string>& path) {
  if (!path) return std::nullopt;
  std::error_code error;
  return std::filesystem::absolute(*path, error).string();
}

}  // namespace

int RunHeadless(const CommandLine& line, std::ostream& err) {
  const std::filesystem::path workDir = WorkingFolderOf(line);
  std::error_code error;
  std::filesystem::create_directories(workDir, error);
  QDir screenshots(kxqt::PathToQString(line.screenshotDir));
  if (line.headless == HeadlessWord::Screenshot && !QDir().mkpath(screenshots.path())) {
    err << "kxplan: cannot make " << line.screenshotDir << '\n';
    return kxqt::kExitFailure;
  }

  kxqt::StreamPrompter prompter(err, line.answerYes);
  NoChoice files;
  platform::ReportingProcessStarter processes(err);
  ReportingHelp help(err);
  platform::SystemClock clock;
  planner::Planner planner(platform::Services{prompter, files, processes, help, clock}, workDir,
                           planner::ParseStartupWords(line.words));
  kxui::MainWindow window(planner);
  window.SetHeadless(&err);
  window.show();
  planner.StartUp(ScenarioFromCurrentFolder(line.scenario));

  bool pictures = true;
  if (line.headless == HeadlessWord::Screenshot) {
    pictures = SaveScreenshots(window, planner, screenshots, err);
  }
  if (line.headless == HeadlessWord::Print) {
    PrintRequest request{planner, window, line, err};
    pictures = RunPrintWord(request);
  }
  planner.Execute(kExitCommand);
  QApplication::processEvents();
  if (window.isVisible()) {
    err << "kxplan: the window did not close\n";
    return kxqt::kExitFailure;
  }
  return pictures ? kxqt::kExitOk : kxqt::kExitFailure;
}

}  // namespace kxplan
