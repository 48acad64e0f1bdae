#include "qt/qt_file_chooser.h"

#include <QDir>
#include <QFileDialog>

#include "qt/file_filter.h"
#include "qt/latin1_text.h"

namespace kxqt {

std::vector<std::string> QtFileChooser::Choose(const platform::FileRequest& request) {
  const QString folder = startFolder_.isEmpty() ? QDir::currentPath() : startFolder_;
  QFileDialog dialog(parent_, ToQString(request.title), folder,
                     QtNameFilters(request.filter));
  dialog.setDefaultSuffix(ToQString(request.defaultExtension));
  if (request.save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The core asks its own overwrite question with its own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  }
  std::vector<std::string> chosen;
  if (dialog.exec() != QDialog::Accepted) return chosen;
  for (const QString& path : dialog.selectedFiles()) chosen.push_back(PathFromQString(path));
  return chosen;
}

}  // namespace kxqt
