#include "tests/apps/window_harness.h"

#include <QApplication>
#include <QTest>
#include <utility>

namespace apps_testing {

void ShowExposed(QWidget& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) qWarning("window not exposed");
}

void DialogWatchdog::Start(std::function<void(const QString& title)> closed) {
  QObject::connect(&timer_, &QTimer::timeout, [closed = std::move(closed)] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      closed(modal->windowTitle());
      modal->close();
    }
  });
  timer_.start(50);
}

void DialogWatchdog::Stop() {
  timer_.stop();
  timer_.disconnect();
}

}  // namespace apps_testing
