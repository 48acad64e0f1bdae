// Message boxes and questions of the core shown as QMessageBox over a parent window.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/prompter.h"

namespace kxqt {

class QtPrompter final : public platform::Prompter {
 public:
  explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const std::string& caption, const std::string& text,
                   platform::Icon icon) override;
  platform::Answer Ask(const std::string& caption, const std::string& text,
                       platform::Buttons buttons, platform::Icon icon) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace kxqt
