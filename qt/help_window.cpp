#include "qt/help_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "platform/data_directory.h"
#include "qt/latin1_text.h"

namespace kxqt {

QString HelpPagePath(const QString& helpDir, const std::string& helpFile, int topic) {
  QString name = ToQString(helpFile);
  name.replace(QLatin1Char('\\'), QLatin1Char('/'));
  QString book = QFileInfo(name).completeBaseName().toLower();
  return QDir(helpDir).filePath(book + QLatin1Char('/') + QString::number(topic) +
                                QStringLiteral(".html"));
}

QString DefaultHelpDir() {
  return QDir(PathToQString(platform::SuiteDataDirectory().string()))
      .filePath(QStringLiteral("help"));
}

QString ManualPath(const QString& helpDir) {
  for (const char* name : {"manual.pdf", "manual.html"}) {
    QString path = QDir(helpDir).filePath(QString::fromLatin1(name));
    if (QFile::exists(path)) return path;
  }
  return {};
}

bool QtHelpViewer::OpenManual() {
  const QString path = ManualPath(helpDir_);
  return !path.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

namespace {

// The help window: pages as they are, but for the suite page, whose version is filled in.
class HelpBrowser final : public QTextBrowser {
 public:
  QVariant loadResource(int type, const QUrl& name) override {
    QVariant resource = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::HtmlResource || !name.path().endsWith(QStringLiteral("suite.html"))) {
      return resource;
    }
    QString text = resource.typeId() == QMetaType::QByteArray
                       ? QString::fromUtf8(resource.toByteArray())
                       : resource.toString();
    return text.replace(QStringLiteral("@VERSION@"), QStringLiteral(KX_VERSION));
  }
};

}  // namespace

QtHelpViewer::~QtHelpViewer() { delete window_; }

void QtHelpViewer::ShowHelp(const std::string& helpFile, int topic) {
  if (window_ == nullptr) {
    window_ = new HelpBrowser;
    window_->setWindowTitle(QStringLiteral("Help"));
    window_->resize(560, 420);
    window_->setOpenExternalLinks(false);
  }
  QString page = HelpPagePath(helpDir_, helpFile, topic);
  if (QFile::exists(page)) {
    window_->setSource(QUrl::fromLocalFile(page));
  } else {
    window_->setPlainText(QStringLiteral("There is no help page for topic %1 of %2.")
                              .arg(topic)
                              .arg(ToQString(helpFile)));
  }
  window_->show();
  window_->raise();
}

}  // namespace kxqt
