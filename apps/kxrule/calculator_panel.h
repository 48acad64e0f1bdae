// The calculator's fields on the left of the window: ages, rate and balance, the life table
// and method options, the payments of the three methods, the annual withdrawal and the
// command buttons.
#pragma once

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "apps/kxrule/rule72t_calculator.h"
#include "apps/kxrule/rule_commands.h"

namespace kxrule {

class CalculatorPanel final : public QWidget {
  Q_OBJECT

 public:
  explicit CalculatorPanel(QWidget* parent = nullptr);

  CalculatorFields Fields() const;
  void SetFields(const CalculatorFields& fields);
  void ShowOutputs(const CalculatorOutputs& outputs);

  QLineEdit& ageEdit() { return *age_; }
  QLineEdit& beneficiaryAgeEdit() { return *beneficiaryAge_; }
  QLineEdit& endAgeEdit() { return *endAge_; }
  QLineEdit& rateEdit() { return *rate_; }
  QLineEdit& balanceEdit() { return *balance_; }
  const QLineEdit& annuityOutput() const { return *annuity_; }
  const QLineEdit& amortizationOutput() const { return *amortization_; }
  const QLineEdit& minimumOutput() const { return *minimum_; }
  const QLineEdit& annualWithdrawalOutput() const { return *annualWithdrawal_; }
  QButtonGroup& tableOptions() { return *tables_; }
  QButtonGroup& methodOptions() { return *methods_; }
  QPushButton* button(Command command) const;

 signals:
  // A button or an option was chosen.
  void commandIssued(int command);

 private:
  QWidget* BuildInputs();
  QWidget* BuildOptions(const QString& title, const char* const names[], QButtonGroup*& group);
  QWidget* BuildOutputs();
  QWidget* BuildButtons();

  QLineEdit* age_ = nullptr;
  QLineEdit* beneficiaryAge_ = nullptr;
  QLineEdit* endAge_ = nullptr;
  QLineEdit* rate_ = nullptr;
  QLineEdit* balance_ = nullptr;
  QLineEdit* annuity_ = nullptr;
  QLineEdit* amortization_ = nullptr;
  QLineEdit* minimum_ = nullptr;
  QLineEdit* annualWithdrawal_ = nullptr;
  QButtonGroup* tables_ = nullptr;
  QButtonGroup* methods_ = nullptr;
};

}  // namespace kxrule
