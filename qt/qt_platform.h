// One of each desktop service over Qt, with the machine's clock, bundled as Services.
#pragma once

#include "platform/clock.h"
#include "platform/services.h"
#include "qt/help_window.h"
#include "qt/qt_file_chooser.h"
#include "qt/qt_process_starter.h"
#include "qt/qt_prompter.h"

namespace kxqt {

struct QtPlatform {
  QtPrompter prompter;
  QtFileChooser files;
  QtProcessStarter processes;
  QtHelpViewer help;
  platform::SystemClock clock;
  // Dialogs stand over `window`.
  void SetParent(QWidget* window) {
    prompter.SetParent(window);
    files.SetParent(window);
  }
  platform::Services services() {
    return platform::Services{prompter, files, processes, help, clock};
  }
};

}  // namespace kxqt
