#include "ui/choice_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qt/latin1_text.h"

namespace kxui {

ChoiceDialog::ChoiceDialog(const std::string& title, const std::vector<std::string>& choices,
                           QWidget* parent)
    : QDialog(parent), group_(new QButtonGroup(this)) {
  setWindowTitle(kxqt::ToQString(title));
  setObjectName(QStringLiteral("choice"));
  auto* layout = new QVBoxLayout(this);
  for (size_t c = 0; c < choices.size(); ++c) {
    auto* button = new QRadioButton(kxqt::ToQString(choices[c]), this);
    group_->addButton(button, static_cast<int>(c));
    layout->addWidget(button);
    if (c == 0) button->setChecked(true);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addSpacing(8);
  layout->addWidget(buttons);
}

int ChoiceDialog::choice() const { return group_->checkedId(); }

int AskChoice(QWidget* parent, const std::string& title,
              const std::vector<std::string>& choices) {
  ChoiceDialog dialog(title, choices, parent);
  return dialog.exec() == QDialog::Accepted ? dialog.choice() : -1;
}

}  // namespace kxui
