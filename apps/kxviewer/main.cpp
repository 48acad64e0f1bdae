// kxviewer, the Monte Carlo statistics viewer: shows "stats.dat" in a scrolling window, or draws
// that window headless.
#include <QApplication>
#include <iostream>

#include "apps/kxviewer/stats_window.h"
#include "apps/kxviewer/viewer_headless.h"
#include "qt/qt_platform.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (kxviewer::IsViewerHeadless(args)) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int programNameOnly = 1;
    QApplication application(programNameOnly, argv);
    return kxviewer::RunViewerHeadless(args, std::cerr);
  }
  QApplication application(argc, argv);
  kxqt::QtPlatform desktop;
  kxviewer::StatsWindow window(desktop.prompter, desktop.files);
  desktop.SetParent(&window);
  // Without its statistics there is nothing to view: the message, then the end.
  if (!window.LoadStartFile()) return 1;
  window.show();
  return application.exec();
}
