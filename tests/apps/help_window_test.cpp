// The help window over the real help pages of the build's data folder: every topic of
// topics.txt opens its page under the program's help file name, and following a page's links
// (inside a book, into the other book, to the suite page) opens the linked page.
#include <QFile>
#include <QTest>
#include <QTextBrowser>
#include <QTextStream>

#include "qt/help_window.h"

namespace {

const QString kHelpDir = QStringLiteral(KX_BUILD_DATA_DIR "/help");

struct Topic {
  QString helpFile;
  int number;
  QString title;
};

// topics.txt: "BOOK<TAB>NUMBER<TAB>TITLE"; the book is the help file's name.
QList<Topic> ReadTopics() {
  QList<Topic> topics;
  QFile file(kHelpDir + QStringLiteral("/topics.txt"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return topics;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QStringList fields = in.readLine().split(QLatin1Char('\t'));
    if (fields.size() != 3) continue;
    topics.append({QStringLiteral(".\\%1.hlp").arg(fields[0]), fields[1].toInt(), fields[2]});
  }
  return topics;
}

// A click on a link: the browser opens the link resolved against the page it shows.
void Follow(QTextBrowser* window, const char* link) {
  window->setSource(window->source().resolved(QUrl(QString::fromLatin1(link))));
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void everyTopicOpensItsPage() {
    const QList<Topic> topics = ReadTopics();
    QVERIFY(topics.size() >= 30);
    kxqt::QtHelpViewer viewer(kHelpDir);
    for (const Topic& topic : topics) {
      viewer.ShowHelp(topic.helpFile.toStdString(), topic.number);
      QTextBrowser* window = viewer.window();
      QVERIFY(window != nullptr);
      QCOMPARE(window->documentTitle(), topic.title);
      QVERIFY2(!window->toPlainText().startsWith(QStringLiteral("There is no help page")),
               qPrintable(topic.title));
    }
  }

  void linksOpenTheLinkedPages() {
    kxqt::QtHelpViewer viewer(kHelpDir);
    viewer.ShowHelp(".\\finance.hlp", 104);
    QTextBrowser* window = viewer.window();
    QCOMPARE(window->documentTitle(), QStringLiteral("Table Of Contents"));

    Follow(window, "516.html");
    QCOMPARE(window->documentTitle(), QStringLiteral("Withdrawal, Deposit and Transfer Events"));
    Follow(window, "../rule/1552.html");
    QCOMPARE(window->documentTitle(), QStringLiteral("Rule 72T Methods and Life Tables"));
    Follow(window, "../finance/1590.html");
    QCOMPARE(window->documentTitle(), QStringLiteral("Rule 72T Distribution"));
    Follow(window, "../suite.html");
    QCOMPARE(window->documentTitle(), QStringLiteral("Kestrune Dudavovez Odoredo"));
    QVERIFY(window->toPlainText().contains(QStringLiteral("kxviewer")));
    // The suite page names the version, not its placeholder.
    QVERIFY(!window->toPlainText().contains(QStringLiteral("@VERSION@")));
    QVERIFY(window->toPlainText().contains(QStringLiteral(KX_TEST_VERSION)));
    window->backward();
    QCOMPARE(window->documentTitle(), QStringLiteral("Rule 72T Distribution"));
  }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
