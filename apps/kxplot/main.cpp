// kxplot, the plotter: shows the graphs of a plot file in a window, or draws them headless.
#include <QApplication>
#include <iostream>

#include "apps/kxplot/command_line.h"
#include "apps/kxplot/headless.h"
#include "apps/kxplot/plot_window.h"
#include "qt/qt_platform.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (kxplot::IsHeadless(args)) {
    // Headless words need fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt sees only the program name, so that it takes none of our words ("--style") as its own.
    int programNameOnly = 1;
    QApplication application(programNameOnly, argv);
    return kxplot::RunHeadless(args, std::cout, std::cerr);
  }
  // Qt takes its own options (-platform, -style, ...) out of the command line first.
  QApplication application(argc, argv);
  args.assign(argv + 1, argv + argc);
  kxplot::WindowCommandLine line = kxplot::ParseWindowCommandLine(args);
  kxqt::QtPlatform desktop;
  kxplot::PlotWindow window(desktop.prompter, desktop.files, line.currency);
  desktop.SetParent(&window);
  window.show();
  if (!line.plotFile.empty()) window.LoadFile(line.plotFile);
  return application.exec();
}
