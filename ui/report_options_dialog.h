// The Reports Options dialog (OPTIONS): the three alternative titles, the banding, boxing and
// column switches, and the report font. What it stores, the session stores.
#pragma once

#include <QDialog>
#include <array>

#include "planner/planner.h"

class QCheckBox;
class QLineEdit;

namespace kxui {

class ReportOptionsDialog final : public QDialog {
  Q_OBJECT

 public:
  ReportOptionsDialog(planner::Planner& planner, QWidget* parent = nullptr);

 private:
  void Store();
  void ChooseFont();

  planner::Planner& planner_;
  std::array<QCheckBox*, 3> useTitle_{};
  std::array<QLineEdit*, 3> titles_{};
  QCheckBox* banding_;
  QCheckBox* boxing_;
  QCheckBox* columns_;
};

}  // namespace kxui
