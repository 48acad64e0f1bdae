// What the window tests share: a window shown and exposed before a test clicks on it, and a
// watchdog that closes every modal dialog as it opens, so that no test can hang on one.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace apps_testing {

// Shows the window and waits until the platform has exposed it.
void ShowExposed(QWidget& window);

class DialogWatchdog {
 public:
  // From now on each modal dialog is closed and its title handed to `closed`.
  void Start(std::function<void(const QString& title)> closed);
  void Stop();

 private:
  QTimer timer_;
};

}  // namespace apps_testing
