#include "apps/kxrule/calculator_panel.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qt/latin1_text.h"

namespace kxrule {
namespace {

const char* const kTableNames[] = {"Single Life", "Uniform Life", "Joint Life"};
const char* const kMethodNames[] = {"Annuity", "Amortization", "Minimum"};

struct ButtonSpec {
  const char* text;
  Command command;
};
// Alt+X belongs to the window's accelerator, so "Exit" has no mnemonic of its own.
const ButtonSpec kButtons[] = {{"&Calculate", Command::Recalculate},
                               {"&Help", Command::Help},
                               {"&More Help", Command::MoreHelp},
                               {"A&bout", Command::About},
                               {"Exit", Command::Close}};

QLineEdit* Field(const QString& name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(20);
  return edit;
}

QLineEdit* Output(const QString& name, QWidget* parent) {
  QLineEdit* edit = Field(name, parent);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  return edit;
}

std::string TextOf(const QLineEdit& edit) { return kxqt::ToLatin1(edit.text()); }

}  // namespace

CalculatorPanel::CalculatorPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("RULE"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(BuildInputs());
  auto* options = new QHBoxLayout;
  options->addWidget(BuildOptions(QStringLiteral("Life Table"), kTableNames, tables_));
  options->addWidget(BuildOptions(QStringLiteral("Method"), kMethodNames, methods_));
  layout->addLayout(options);
  layout->addWidget(BuildOutputs());
  layout->addWidget(BuildButtons());
  layout->addStretch(1);
  SetFields(CalculatorFields{});
  ShowOutputs(CalculatorOutputs{});
}

QWidget* CalculatorPanel::BuildInputs() {
  auto* box = new QWidget(this);
  auto* form = new QFormLayout(box);
  form->setContentsMargins(0, 0, 0, 0);
  age_ = Field(QStringLiteral("age"), box);
  beneficiaryAge_ = Field(QStringLiteral("beneficiaryAge"), box);
  endAge_ = Field(QStringLiteral("endAge"), box);
  rate_ = Field(QStringLiteral("rate"), box);
  balance_ = Field(QStringLiteral("balance"), box);
  form->addRow(QStringLiteral("Age"), age_);
  form->addRow(QStringLiteral("Beneficiary Age"), beneficiaryAge_);
  form->addRow(QStringLiteral("End Age"), endAge_);
  form->addRow(QStringLiteral("Rate %"), rate_);
  form->addRow(QStringLiteral("Account Balance at Age"), balance_);
  return box;
}

QWidget* CalculatorPanel::BuildOptions(const QString& title, const char* const names[],
                                       QButtonGroup*& group) {
  auto* box = new QGroupBox(title, this);
  auto* column = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  for (int i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(QString::fromLatin1(names[i]), box);
    group->addButton(option, i);
    column->addWidget(option);
  }
  connect(group, &QButtonGroup::idClicked, this,
          [this](int) { emit commandIssued(static_cast<int>(Command::Option)); });
  return box;
}

QWidget* CalculatorPanel::BuildOutputs() {
  auto* box = new QGroupBox(QStringLiteral("Withdrawal Amount Per Method"), this);
  auto* form = new QFormLayout(box);
  annuity_ = Output(QStringLiteral("annuityPayment"), box);
  amortization_ = Output(QStringLiteral("amortizationPayment"), box);
  minimum_ = Output(QStringLiteral("minimumPayment"), box);
  form->addRow(QString::fromLatin1(kMethodNames[0]), annuity_);
  form->addRow(QString::fromLatin1(kMethodNames[1]), amortization_);
  form->addRow(QString::fromLatin1(kMethodNames[2]), minimum_);

  auto* outer = new QWidget(this);
  auto* column = new QVBoxLayout(outer);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(box);
  auto* annual = new QFormLayout;
  annualWithdrawal_ = Output(QStringLiteral("annualWithdrawal"), outer);
  annual->addRow(QStringLiteral("Annual Withdrawal Amount"), annualWithdrawal_);
  column->addLayout(annual);
  return outer;
}

QWidget* CalculatorPanel::BuildButtons() {
  auto* row = new QWidget(this);
  auto* grid = new QHBoxLayout(row);
  grid->setContentsMargins(0, 0, 0, 0);
  for (const ButtonSpec& spec : kButtons) {
    auto* button = new QPushButton(QString::fromLatin1(spec.text), row);
    button->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(spec.command)));
    // The Enter key chooses no button.
    button->setAutoDefault(false);
    button->setDefault(false);
    int command = static_cast<int>(spec.command);
    connect(button, &QPushButton::clicked, this, [this, command] { emit commandIssued(command); });
    grid->addWidget(button);
  }
  return row;
}

QPushButton* CalculatorPanel::button(Command command) const {
  return findChild<QPushButton*>(QStringLiteral("command%1").arg(static_cast<int>(command)));
}

CalculatorFields CalculatorPanel::Fields() const {
  CalculatorFields fields;
  fields.age = TextOf(*age_);
  fields.beneficiaryAge = TextOf(*beneficiaryAge_);
  fields.endAge = TextOf(*endAge_);
  fields.rate = TextOf(*rate_);
  fields.balance = TextOf(*balance_);
  // No option chosen counts as the first.
  fields.table = static_cast<LifeTable>(std::max(0, tables_->checkedId()));
  fields.method = static_cast<Method>(std::max(0, methods_->checkedId()));
  return fields;
}

void CalculatorPanel::SetFields(const CalculatorFields& fields) {
  age_->setText(kxqt::ToQString(fields.age));
  beneficiaryAge_->setText(kxqt::ToQString(fields.beneficiaryAge));
  endAge_->setText(kxqt::ToQString(fields.endAge));
  rate_->setText(kxqt::ToQString(fields.rate));
  balance_->setText(kxqt::ToQString(fields.balance));
  tables_->button(static_cast<int>(fields.table))->setChecked(true);
  methods_->button(static_cast<int>(fields.method))->setChecked(true);
}

void CalculatorPanel::ShowOutputs(const CalculatorOutputs& outputs) {
  annuity_->setText(kxqt::ToQString(outputs.annuity));
  amortization_->setText(kxqt::ToQString(outputs.amortization));
  minimum_->setText(kxqt::ToQString(outputs.minimum));
  annualWithdrawal_->setText(kxqt::ToQString(outputs.annualWithdrawal));
}

}  // namespace kxrule
