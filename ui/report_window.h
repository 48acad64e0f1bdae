// The report window ("reportschedule"): the screen page of one report in a banded list with
// OK and Print, and for the accounts input/output report the age field and "Go" that print the
// detail pages of the chosen row.
#pragma once

#include <QDialog>

#include "planner/planner.h"
#include "reports/report_kind.h"

class QLineEdit;
class QTableWidget;

namespace kxui {

class ReportWindow final : public QDialog {
  Q_OBJECT

 public:
  ReportWindow(planner::Planner& planner, reports::ReportKind kind, QWidget* parent);
  // False when the report has nothing to show (or its page could not be read).
  bool Load();
  QTableWidget* table() const { return table_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SizeColumns();
  void Print();
  void RowChosen();
  void Go();

  planner::Planner& planner_;
  reports::ReportKind kind_;
  QTableWidget* table_;
  QLineEdit* ageField_ = nullptr;
};

// Opens the report window of `kind`; false when there was nothing to show.
bool OpenReportWindow(planner::Planner& planner, reports::ReportKind kind, QWidget* parent);

}  // namespace kxui
