#include "qt/latin1_text.h"

#include <QByteArray>
#include <QFile>

namespace kxqt {

QString ToQString(std::string_view latin1) {
  return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

std::string ToLatin1(const QString& text) { return text.toLatin1().toStdString(); }

QString PathToQString(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathFromQString(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace kxqt
