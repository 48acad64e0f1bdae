#include "qt/file_filter.h"

#include <QStringList>

#include "qt/latin1_text.h"

namespace kxqt {

QString QtNameFilters(const std::string& filter) {
  QStringList parts = ToQString(filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
  for (QString& part : parts) part = part.trimmed();
  parts.removeAll(QString());
  return parts.join(QStringLiteral(";;"));
}

}  // namespace kxqt
