#include "qt/qt_process_starter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include "qt/latin1_text.h"

namespace kxqt {

QString ResolveBesideExecutable(const std::string& program) {
  QString name = PathToQString(program);
  if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) return name;
  return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

bool QtProcessStarter::Start(const std::string& program,
                             const std::vector<std::string>& arguments) {
  QString path = ResolveBesideExecutable(program);
  if (!QFileInfo(path).isExecutable()) return false;
  QStringList list;
  // The arguments are file names and words such as "Dollars"; file names are file-system bytes.
  for (const std::string& argument : arguments) list << PathToQString(argument);
  const QString folder = workingDirectory_.isEmpty() ? QDir::currentPath() : workingDirectory_;
  return QProcess::startDetached(path, list, folder);
}

}  // namespace kxqt
