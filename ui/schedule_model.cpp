#include "ui/schedule_model.h"

#include "planner/schedule_lines.h"
#include "qt/latin1_text.h"

namespace kxui {

int ScheduleModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return static_cast<int>(planner_.schedule().lines().size());
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
  const auto& lines = planner_.schedule().lines();
  if (!index.isValid() || index.row() >= static_cast<int>(lines.size())) return {};
  const engine::ScheduleLine& line = lines[index.row()];
  switch (role) {
    case Qt::DisplayRole: return kxqt::ToQString(line.text);
    case HeadingRole: return planner::IsYearHeading(line.text);
    case RedRole: return planner::IsRedLine(line.text, planner_.CurrencyMark());
    case TagRole: return line.tag;
    default: return {};
  }
}

void ScheduleModel::Reload() {
  beginResetModel();
  endResetModel();
}

}  // namespace kxui
