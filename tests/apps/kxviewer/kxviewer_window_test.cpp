// kxviewer under the offscreen platform: the 49,999-byte buffer, the line count, the lines
// painted, scrolling to the end, resizing, Open and the two messages, and the headless word.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenuBar>
#include <QTest>
#include <sstream>

#include "apps/kxviewer/stats_window.h"
#include "apps/kxviewer/viewer_headless.h"
#include "platform/scripted.h"
#include "tests/apps/plot_fixture.h"
#include "tests/apps/window_harness.h"

using apps_testing::ShowExposed;
using apps_testing::WriteText;
using kxviewer::StatsText;

namespace {

// `lines` numbered lines "line 0", "line 1", ..., each with its line end.
std::string NumberedLines(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += "line " + std::to_string(i) + "\n";
  return text;
}

const std::string kStartMessage =
    "Cannot Open Statistics File: Cannot open the stats.dat file.\nYou must open the Monte "
    "Carlo Analysis Folder before viewing statistics.";

}  // namespace

class KxviewerWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  platform::ScriptedPrompter prompter_;
  platform::ScriptedFileChooser files_;
  std::unique_ptr<kxviewer::StatsWindow> window_;

  kxviewer::StatsWindow& OpenWindow(const std::string& text) {
    window_ = std::make_unique<kxviewer::StatsWindow>(prompter_, files_);
    ShowExposed(*window_);
    window_->LoadStartFile(WriteText(dir_, "stats.dat", text).toStdString());
    window_->view().repaint();
    return *window_;
  }

 private slots:
  void init() { prompter_.Clear(); }
  void cleanup() { window_.reset(); }

  // 60,000 bytes of 10-byte lines: the buffer keeps 49,999 bytes, that is 4,999 whole lines
  // and the 9 bytes of the next line without its line end.
  void longFileIsCutAtTheBuffer() {
    std::string text;
    while (text.size() < 60000) text += "123456789\n";
    std::optional<StatsText> read =
        kxviewer::ReadStatsText(WriteText(dir_, "long.dat", text).toStdString());
    QVERIFY(read.has_value());
    QCOMPARE(read->bytes.size(), size_t{49999});
    QCOMPARE(read->lineCount, 4999);
    QCOMPARE(read->VisibleLines(4998, 5), std::vector<std::string>{"123456789"});
  }

  void lastLineWithoutLineEndIsNotDrawn() {
    kxviewer::StatsWindow& window = OpenWindow("first\n\tRange\t\tRates\nunfinished");
    QCOMPARE(window.text().lineCount, 2);
    QCOMPARE(window.view().drawnLines(), (std::vector<std::string>{"first", "\tRange\t\tRates"}));
  }

  void pageDownAtTheEndStopsAtTheLineCount() {
    kxviewer::StatsWindow& window = OpenWindow(NumberedLines(100));
    kxviewer::StatsView& view = window.view();
    QCOMPARE(view.scrollBar().maximum(), 100);
    int perScreen = view.LinesPerScreen();
    QVERIFY(perScreen > 2);
    QCOMPARE(static_cast<int>(view.drawnLines().size()), perScreen);
    QTest::keyClick(&view, Qt::Key_PageDown);
    QCOMPARE(view.firstVisibleLine(), perScreen);
    view.scrollBar().setValue(98);
    QTest::keyClick(&view, Qt::Key_PageDown);
    QCOMPARE(view.firstVisibleLine(), 100);
    view.repaint();
    QVERIFY(view.drawnLines().empty());
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.firstVisibleLine(), 100);
    QTest::keyClick(&view, Qt::Key_Up);
    view.repaint();
    QCOMPARE(view.drawnLines(), std::vector<std::string>{"line 99"});
  }

  void resizingStartsAgainAtTheFirstLine() {
    kxviewer::StatsWindow& window = OpenWindow(NumberedLines(100));
    window.view().scrollBar().setValue(40);
    window.resize(600, 300);
    QCOMPARE(window.view().firstVisibleLine(), 0);
    QCOMPARE(window.view().scrollBar().maximum(), 100);
    // The pane keeps 10 pixels left and 40 above inside the tab area, 20 narrower, 60 lower.
    QCOMPARE(window.view().geometry(), QRect(10, 40, window.centralWidget()->width() - 20,
                                             window.centralWidget()->height() - 60));
  }

  void windowTitleMenuAndTab() {
    kxviewer::StatsWindow& window = OpenWindow("x\n");
    QCOMPARE(window.windowTitle(), QString("Kestrune Dudavovez Odoredo Monte Carlo Statistics"));
    QCOMPARE(window.size(), QSize(450, 450));
    QCOMPARE(window.tabs().tabText(0), QString("Monte Carlo Statistics"));
    QMenu* file = window.menuBar()->actions().front()->menu();
    QCOMPARE(file->title(), QString("&File"));
    QCOMPARE(file->actions()[0]->text(), QString("&Open\tAlt+o"));
    QCOMPARE(file->actions()[1]->text(), QString("E&xit\tAlt+x"));
  }

  void missingStartFileShowsItsMessage() {
    kxviewer::StatsWindow window(prompter_, files_);
    QVERIFY(!window.LoadStartFile(dir_.filePath("nothing.dat").toStdString()));
    QCOMPARE(prompter_.Lines(), std::vector<std::string>{kStartMessage});
    QVERIFY(!window.loaded());
  }

  void openReadsTheChosenFileAndKeepsTheOldOneOnFailure() {
    kxviewer::StatsWindow& window = OpenWindow(NumberedLines(3));
    files_.SetNextChoice({WriteText(dir_, "other.dat", NumberedLines(7)).toStdString()});
    window.Open();
    QCOMPARE(files_.requests().back().filter, std::string("Text Files (*.DAT)|All Files (*.*)"));
    QCOMPARE(window.text().lineCount, 7);

    std::string missing = dir_.filePath("missing.dat").toStdString();
    files_.SetNextChoice({missing});
    window.Open();
    QCOMPARE(prompter_.Lines(), std::vector<std::string>{"Cannot Open File: " + missing});
    QCOMPARE(window.text().lineCount, 7);

    files_.SetNextChoice({});  // cancelled
    window.Open();
    QCOMPARE(window.text().lineCount, 7);
  }

  // A NUL byte ends the text, as it ends the buffer the lines are painted from.
  void nulByteEndsTheText() {
    StatsText text = kxviewer::MakeStatsText(std::string("a\nb\0c\nd\n", 8));
    QCOMPARE(text.lineCount, 1);
    QCOMPARE(text.VisibleLines(0, 10), std::vector<std::string>{"a"});
    QCOMPARE(text.VisibleLines(5, 10), std::vector<std::string>{});
  }

  void headlessRendersStatsDatOfTheWorkingDirectory() {
    QString image = dir_.filePath("stats.png");
    QString previous = QDir::currentPath();
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    std::ostringstream missing;
    QCOMPARE(kxviewer::RunViewerHeadless({"--render", image.toStdString()}, missing), 1);
    QCOMPARE(missing.str(), kStartMessage + "\n");
    WriteText(empty, "stats.dat", NumberedLines(5));
    std::ostringstream err;
    QCOMPARE(kxviewer::RunViewerHeadless({"--render", image.toStdString()}, err), 0);
    QDir::setCurrent(previous);
    QCOMPARE(QImage(image).size(), QSize(450, 450));
    std::ostringstream usage;
    QCOMPARE(kxviewer::RunViewerHeadless({"--render"}, usage), 2);
  }
};

QTEST_MAIN(KxviewerWindowTest)
#include "kxviewer_window_test.moc"
