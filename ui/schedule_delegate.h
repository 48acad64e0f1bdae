// Draws the schedule's lines as the Results folder shows them: a year heading as eight columns
// between grid lines, the tabbed lines on the same columns, red lines in red, the rest black.
#pragma once

#include <QStyledItemDelegate>

namespace kxui {

// The left edges of the eight columns in a row `width` pixels wide: the age column is narrow,
// the seven money columns share the rest.
QVector<int> ScheduleColumnEdges(int width, int ageWidth);

class ScheduleDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  // Year headings are filled with a light band when banding is on.
  void SetBanding(bool on) { banding_ = on; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  bool banding_ = true;
};

}  // namespace kxui
