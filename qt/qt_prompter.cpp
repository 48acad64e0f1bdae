#include "qt/qt_prompter.h"

#include <QMessageBox>

#include "qt/latin1_text.h"

namespace kxqt {
namespace {

QMessageBox::Icon IconOf(platform::Icon icon) {
  switch (icon) {
    case platform::Icon::None:
      return QMessageBox::NoIcon;
    case platform::Icon::Information:
      return QMessageBox::Information;
    case platform::Icon::Warning:
      return QMessageBox::Warning;
    case platform::Icon::Error:
      return QMessageBox::Critical;
    case platform::Icon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(platform::Buttons buttons) {
  switch (buttons) {
    case platform::Buttons::Ok:
      return QMessageBox::Ok;
    case platform::Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case platform::Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// A box closed without a button answers as its most cautious button would.
platform::Answer AnswerOf(int button, platform::Buttons buttons) {
  switch (button) {
    case QMessageBox::Yes:
      return platform::Answer::Yes;
    case QMessageBox::No:
      return platform::Answer::No;
    case QMessageBox::Cancel:
      return platform::Answer::Cancel;
    case QMessageBox::Ok:
      return platform::Answer::Ok;
    default:
      break;
  }
  switch (buttons) {
    case platform::Buttons::Ok:
      return platform::Answer::Ok;
    case platform::Buttons::YesNo:
      return platform::Answer::No;
    case platform::Buttons::YesNoCancel:
      return platform::Answer::Cancel;
  }
  return platform::Answer::Cancel;
}

}  // namespace

void QtPrompter::ShowMessage(const std::string& caption, const std::string& text,
                             platform::Icon icon) {
  QMessageBox box(IconOf(icon), ToQString(caption), ToQString(text), QMessageBox::Ok, parent_);
  box.exec();
}

platform::Answer QtPrompter::Ask(const std::string& caption, const std::string& text,
                                 platform::Buttons buttons, platform::Icon icon) {
  QMessageBox box(IconOf(icon), ToQString(caption), ToQString(text), ButtonsOf(buttons), parent_);
  return AnswerOf(box.exec(), buttons);
}

}  // namespace kxqt
