// A dialog of a few choices as radio buttons under a title ("Create New Accounts", "Update
// Accounts From a File", "Export Accounts to a File"), with OK and Cancel.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QButtonGroup;

namespace kxui {

class ChoiceDialog final : public QDialog {
  Q_OBJECT

 public:
  ChoiceDialog(const std::string& title, const std::vector<std::string>& choices,
               QWidget* parent = nullptr);
  // The chosen entry, 0 based.
  int choice() const;

 private:
  QButtonGroup* group_;
};

// Asks and returns the choice, -1 when cancelled.
int AskChoice(QWidget* parent, const std::string& title, const std::vector<std::string>& choices);

}  // namespace kxui
