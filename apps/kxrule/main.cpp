// kxrule, the Rule 72T calculator: the payments of the three methods and the schedule of an
// account's balance and withdrawals, in a window or headless.
#include <QApplication>
#include <iostream>
#include <system_error>

#include "apps/kxrule/command_line.h"
#include "apps/kxrule/headless.h"
#include "apps/kxrule/rule_window.h"
#include "qt/qt_platform.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  // Life tables in the current directory are the user's own and win over the suite's.
  std::error_code unknown;
  std::filesystem::path workDir = std::filesystem::current_path(unknown);
  if (kxrule::IsHeadless(args)) {
    // Headless words need fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt sees only the program name, so that it takes none of our words as its own.
    int programNameOnly = 1;
    QApplication application(programNameOnly, argv);
    return kxrule::RunHeadless(args, workDir, std::cout, std::cerr);
  }
  graph::Currency currency = kxrule::CurrencyOfCommandLine(args);
  QApplication application(argc, argv);
  kxqt::QtPlatform desktop;
  kxrule::RuleWindow window(desktop.prompter, desktop.help, workDir, currency);
  desktop.SetParent(&window);
  window.show();
  return application.exec();
}
