// kxcomp, the comparison: draws one quantity of several plot files in one graph, in a window
// or headless.
#include <QApplication>
#include <iostream>

#include "apps/kxcomp/command_line.h"
#include "apps/kxcomp/compare_window.h"
#include "apps/kxcomp/headless.h"
#include "qt/qt_platform.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (kxcomp::IsHeadless(args)) {
    // Headless words need fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt sees only the program name, so that it takes none of our words ("--style") as its own.
    int programNameOnly = 1;
    QApplication application(programNameOnly, argv);
    return kxcomp::RunHeadless(args, std::cout, std::cerr);
  }
  // Qt takes its own options (-platform, -style, ...) out of the command line first.
  QApplication application(argc, argv);
  args.assign(argv + 1, argv + argc);
  kxcomp::WindowCommandLine line = kxcomp::ParseWindowCommandLine(args);
  kxqt::QtPlatform desktop;
  kxcomp::CompareWindow window(desktop.prompter, desktop.files, line.currency);
  desktop.SetParent(&window);
  // The planner's working file is read first; without it there is nothing to compare.
  if (!line.plotFile.empty() && !window.StartWith({line.plotFile})) return 1;
  window.show();
  return application.exec();
}
