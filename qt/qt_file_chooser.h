// The open and save choosers of the core as QFileDialog.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/file_chooser.h"

namespace kxqt {

class QtFileChooser final : public platform::FileChooser {
 public:
  explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  std::vector<std::string> Choose(const platform::FileRequest& request) override;
  // The folder the choosers open in; the current directory until one is set.
  void SetStartFolder(QString folder) { startFolder_ = std::move(folder); }

 private:
  QPointer<QWidget> parent_;
  QString startFolder_;
};

}  // namespace kxqt
