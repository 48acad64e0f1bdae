// An editing dialog laid out from its form: a label beside every field, the buttons in a row
// below. Every edit and press goes to the form; the dialog only shows what the form holds.
#pragma once

#include <QDialog>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "planner/forms/form.h"

class QWidget;

namespace kxui {

class FormDialog final : public QDialog {
  Q_OBJECT

 public:
  // `root` takes the edits and presses (it hands them to its second dialog while one is open);
  // `shown` is the form this dialog shows: the root itself or its open second dialog.
  FormDialog(planner::forms::Form& root, planner::forms::Form& shown, QWidget* parent = nullptr);

  // The form's texts and switches shown again after the form changed them.
  void Refresh();

 protected:
  void reject() override;

 private:
  std::vector<std::pair<int, int>> Places() const;
  void Build();
  QWidget* MakeWidget(const planner::forms::Field& field);
  void Edited(const std::string& field, const std::string& text);
  void Pressed(const std::string& button);

  planner::forms::Form& root_;
  planner::forms::Form& shown_;
  std::map<std::string, QWidget*> widgets_;
  std::map<std::string, QWidget*> labels_;
};

}  // namespace kxui
