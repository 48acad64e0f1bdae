// The schedule of the last run as a list model over the session's schedule lines, with the
// roles the Results folder draws by: year headings and red lines.
#pragma once

#include <QAbstractListModel>

#include "planner/planner.h"

namespace kxui {

class ScheduleModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  enum Role { HeadingRole = Qt::UserRole + 1, RedRole, TagRole };

  explicit ScheduleModel(const planner::Planner& planner, QObject* parent = nullptr)
      : QAbstractListModel(parent), planner_(planner) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // The session ran again: every line may have changed.
  void Reload();

 private:
  const planner::Planner& planner_;
};

}  // namespace kxui
