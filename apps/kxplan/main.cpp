// kxplan, the planner's window: the scenario, its schedule, folders, reports and graphs; or,
// with a headless word, the same window under the offscreen platform.
#include <QApplication>
#include <QSessionManager>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "apps/kxplan/command_line.h"
#include "apps/kxplan/headless.h"
#include "planner/command_table.h"
#include "planner/planner.h"
#include "qt/exit_codes.h"
#include "qt/latin1_text.h"
#include "qt/qt_platform.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  kxplan::CommandLine line;
  std::string problem;
  if (!kxplan::ParseCommandLine(args, line, problem)) {
    std::cerr << "kxplan: " << problem << '\n' << kxplan::kUsage;
    return kxqt::kExitUsage;
  }
  if (line.headless == kxplan::HeadlessWord::Shortcuts) {
    std::cout << planner::ShortcutListing();
    return kxqt::kExitOk;
  }
  if (line.headless != kxplan::HeadlessWord::None) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int programNameOnly = 1;
    QApplication application(programNameOnly, argv);
    return kxplan::RunHeadless(line, std::cerr);
  }

  QApplication application(argc, argv);
  const std::filesystem::path workDir = kxplan::WorkingFolderOf(line);
  std::error_code error;
  std::filesystem::create_directories(workDir, error);
  std::optional<std::string> scenario;
  if (line.scenario) scenario = std::filesystem::absolute(*line.scenario, error).string();

  kxqt::QtPlatform desktop;
  const QString folder = kxqt::PathToQString(workDir.string());
  desktop.processes.SetWorkingDirectory(folder);
  desktop.files.SetStartFolder(folder);
  planner::Planner planner(desktop.services(), workDir, planner::ParseStartupWords(line.words));
  kxui::MainWindow window(planner);
  desktop.SetParent(&window);
  // Logging off or shutting down: the save prompt and the settings, as at a close.
  QObject::connect(&application, &QGuiApplication::commitDataRequest,
                   [&planner](QSessionManager& manager) {
                     if (!planner.SessionEnding()) manager.cancel();
                   });
  window.show();
  planner.StartUp(scenario);
  return application.exec();
}
