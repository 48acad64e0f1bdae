// The Results folder: the schedule of the last run with its column captions and the folder's
// buttons. It shows what the session holds and hands every button to the session.
#pragma once

#include <QWidget>

#include "planner/planner.h"

class QCheckBox;
class QLineEdit;
class QListView;

namespace kxui {

class ScheduleDelegate;
class ScheduleModel;

class ResultsFolder final : public QWidget {
  Q_OBJECT

 public:
  ResultsFolder(planner::Planner& planner, QWidget* parent = nullptr);
  // The session ran again: the lines, the switches and the position of the list.
  void Refresh();
  QListView* list() const { return list_; }
  QLineEdit* ageField() const { return ageField_; }

 private:
  QWidget* NewCaptions();
  QWidget* NewButtons();

  planner::Planner& planner_;
  ScheduleModel* model_;
  ScheduleDelegate* delegate_;
  QListView* list_;
  QLineEdit* ageField_ = nullptr;
  QCheckBox* details_ = nullptr;
  QCheckBox* accounts_ = nullptr;
};

}  // namespace kxui
