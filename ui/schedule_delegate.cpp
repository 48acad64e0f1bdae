#include "ui/schedule_delegate.h"

#include <QPainter>

#include "ui/schedule_model.h"

namespace kxui {

namespace {

constexpr int kColumns = 8;
constexpr int kPadding = 4;
const QColor kRed(255, 0, 0);
const QColor kGrid(170, 170, 170);
const QColor kBand(232, 240, 250);

int AgeColumnWidth(const QFontMetrics& metrics) {
  return metrics.horizontalAdvance(QStringLiteral("999.9")) + 3 * kPadding;
}

}  // namespace

QVector<int> ScheduleColumnEdges(int width, int ageWidth) {
  QVector<int> edges;
  edges.push_back(0);
  const int money = std::max(0, width - ageWidth);
  for (int c = 0; c < kColumns - 1; ++c) edges.push_back(ageWidth + money * c / (kColumns - 1));
  edges.push_back(width);
  return edges;
}

void ScheduleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  painter->save();
  const QRect row = option.rect;
  const bool heading = index.data(ScheduleModel::HeadingRole).toBool();
  if (option.state & QStyle::State_Selected) {
    painter->fillRect(row, option.palette.highlight().color().lighter(170));
  } else if (heading && banding_) {
    painter->fillRect(row, kBand);
  }
  painter->setPen(index.data(ScheduleModel::RedRole).toBool() ? kRed : Qt::black);
  const QString text = index.data(Qt::DisplayRole).toString();
  const QVector<int> edges = ScheduleColumnEdges(row.width(), AgeColumnWidth(option.fontMetrics));
  if (!text.contains(QLatin1Char('\t'))) {
    painter->drawText(row.adjusted(kPadding, 0, -kPadding, 0), Qt::AlignVCenter | Qt::AlignLeft,
                      text);
  } else {
    const QStringList fields = text.split(QLatin1Char('\t'));
    for (int c = 0; c < fields.size() && c < kColumns; ++c) {
      // The last column takes whatever the line holds after its seventh tab.
      const QString field =
          c == kColumns - 1 ? fields.mid(c).join(QLatin1Char(' ')).trimmed() : fields[c].trimmed();
      QRect cell(row.left() + edges[c] + kPadding, row.top(),
                 edges[c + 1] - edges[c] - 2 * kPadding, row.height());
      // A long last field ("Net Worth in Age ... Purchasing Power") reaches back over the
      // empty columns before it rather than being cut.
      if (c == kColumns - 1 && option.fontMetrics.horizontalAdvance(field) > cell.width()) {
        cell.setLeft(row.left() + edges[1] + kPadding);
      }
      const Qt::Alignment align = c == 0 ? Qt::AlignLeft : Qt::AlignRight;
      painter->drawText(cell, Qt::AlignVCenter | align, field);
    }
  }
  if (heading) {
    painter->setPen(kGrid);
    for (int c = 1; c < kColumns; ++c) {
      const int x = row.left() + edges[c];
      painter->drawLine(x, row.top(), x, row.bottom());
    }
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
  }
  painter->restore();
}

QSize ScheduleDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return QSize(option.rect.width(), option.fontMetrics.height() + 4);
}

}  // namespace kxui
