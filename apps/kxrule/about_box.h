// The About box of the calculator: its name, version and maker. Any key, any click and "OK"
// close it.
#pragma once

#include <QDialog>

namespace kxrule {

class AboutBox final : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace kxrule
