// The comparison's window under the offscreen platform: the list commands with their choosers,
// cancelling, the tabs, read-outs, the pie, the styles and printing. Messages and file choices
// are scripted; a watchdog fails any test that leaves a modal dialog open.
#include "apps/kxcomp/compare_window.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTest>

#include "platform/scripted.h"
#include "tests/apps/kxcomp/compare_fixture.h"
#include "tests/apps/window_harness.h"

using apps_testing::DialogWatchdog;
using apps_testing::ShowExposed;
using graph::PlotStyle;
using kxcomp_testing::AgesFile;

class CompareWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  platform::ScriptedPlatform platform_;
  std::unique_ptr<kxcomp::CompareWindow> window_;
  DialogWatchdog watchdog_;
  QStringList unexpectedDialogs_;

  kxcomp::CompareWindow& OpenWindow(const std::vector<std::string>& files) {
    window_ = std::make_unique<kxcomp::CompareWindow>(platform_.prompter, platform_.files,
                                                      graph::Currency::Dollars);
    ShowExposed(*window_);
    window_->StartWith(files);
    Paint();
    return *window_;
  }

  kxcomp::CompareWindow& OpenWithTwoFiles() {
    return OpenWindow({AgesFile(dir_, "plotinf01.tmp", 40, 90), AgesFile(dir_, "b.kxp", 60, 95)});
  }

  // Clicks read the layout of the last paint.
  void Paint() { window_->panel().repaint(); }

  void DoubleClick(Qt::MouseButton button, QPoint at) {
    QTest::mouseDClick(&window_->panel(), button, Qt::NoModifier, at);
    Paint();
  }

  int FilesListed() { return static_cast<int>(window_->list().files().size()); }

 private slots:
  void init() {
    unexpectedDialogs_.clear();
    platform_.prompter.Clear();
    watchdog_.Start([this](const QString& title) { unexpectedDialogs_ << title; });
  }

  void cleanup() {
    watchdog_.Stop();
    window_.reset();
    QVERIFY2(unexpectedDialogs_.isEmpty(), qPrintable(unexpectedDialogs_.join(", ")));
  }

  void sixteenTabsInOrder() {
    kxcomp::CompareWindow& window = OpenWithTwoFiles();
    QCOMPARE(window.windowTitle(), QString("Financial Compare"));
    QCOMPARE(
        window.TabTitles(),
        (QStringList{"Net Worth", "Today's Dollars", "Investment Accounts", "Tax Free Accounts",
                     "Retirement Accounts", "Asset Accounts", "Equity Accounts", "Incoming",
                     "Deposits", "Taxable Income", "Non-taxable Income", "Outgoing", "Withdrawals",
                     "Taxes", "Interest", "Penalties"}));
  }

  // Each command asks for several plot files under its own title.
  void theListCommandsAskWithTheirTitles() {
    kxcomp::CompareWindow& window = OpenWithTwoFiles();
    window.StartNewList();
    window.AddFiles();
    window.RemoveFiles();
    const std::vector<platform::FileRequest>& requests = platform_.files.requests();
    QCOMPARE(static_cast<int>(requests.size()), 3);
    QCOMPARE(requests[0].title, std::string("Select one or more files to compare."));
    QCOMPARE(requests[1].title, std::string("Select one or more files to add."));
    QCOMPARE(requests[2].title, std::string("Select one or more files to remove."));
    for (const platform::FileRequest& request : requests) {
      QCOMPARE(request.filter, std::string("Plot Files (*.KXP)"));
      QCOMPARE(request.defaultExtension, std::string("kxp"));
      QVERIFY(request.multiple);
      QVERIFY(!request.save);
    }
    // All three were cancelled: the list, its axis and the graph stay.
    QCOMPARE(FilesListed(), 2);
    QCOMPARE(window.list().Axis().smallest, 40);
    Paint();
    QCOMPARE(window.panel().drawn()->scale.span, 20000.0f);
  }

  void aNewListOfFifteenKeepsThirteen() {
    kxcomp::CompareWindow& window = OpenWithTwoFiles();
    std::vector<std::string> chosen;
    for (int f = 0; f < 15; ++f)
      chosen.push_back(AgesFile(dir_, QString("f%1.kxp").arg(f), 70, 72));
    platform_.files.SetNextChoice(chosen);
    window.StartNewList();
    QCOMPARE(FilesListed(), 13);
    QCOMPARE(window.list().Axis().smallest, 70);
    QCOMPARE(window.list().Axis().count, 3);
  }

  // The same quantity is shown after the list changes; removing the only file empties it.
  void removingTheOnlyFileLeavesEmptyGraphs() {
    std::string only = AgesFile(dir_, "only.kxp", 60, 70);
    kxcomp::CompareWindow& window = OpenWindow({only});
    window.tabs().setCurrentIndex(7);
    platform_.files.SetNextChoice({only});
    window.RemoveFiles();
    Paint();
    QVERIFY(window.list().files().empty());
    QCOMPARE(window.panel().view().tab, 7);
    QCOMPARE(window.tabs().currentIndex(), 7);
    QVERIFY(window.panel().drawn().has_value());
    QCOMPARE(window.panel().drawn()->layout.pointCount, 0);
    QVERIFY(platform_.prompter.shown().empty());
  }

  void addingReadsOnlyTheNewFiles() {
    kxcomp::CompareWindow& window = OpenWindow({AgesFile(dir_, "a.kxp", 60, 70)});
    platform_.files.SetNextChoice(
        {AgesFile(dir_, "b.kxp", 50, 55), dir_.filePath("gone.kxp").toStdString()});
    window.AddFiles();
    QCOMPARE(FilesListed(), 3);
    QCOMPARE(window.list().Axis().smallest, 50);
    QCOMPARE(platform_.prompter.Lines(),
             std::vector<std::string>{"FILE OPEN ERROR: Cannot open " +
                                      dir_.filePath("gone.kxp").toStdString() + " for reading."});
  }

  // Worked by hand: the largest value 9,500 gives a span of 20,000 from 0 (see the graph
  // tests), so the top of the plot reads $20,000.00.
  void pressingOnThePlotReadsTheValueThere() {
    kxcomp::CompareWindow& window = OpenWithTwoFiles();
    const graph::GraphLayout& layout = window.panel().drawn()->layout;
    QPoint top(layout.x0 + layout.W / 2, layout.y0 - layout.H);
    QTest::mousePress(&window.panel(), Qt::LeftButton, Qt::NoModifier, top);
    QVERIFY(window.panel().readout().has_value());
    QCOMPARE(window.panel().readout()->first, std::string("$20,000.00"));
    QTest::mouseRelease(&window.panel(), Qt::LeftButton, Qt::NoModifier, top);
    QVERIFY(!window.panel().readout().has_value());
  }

  // A double-click on age 65 opens the pie of both files there; the working file is "Current".
  void pieOfOneAgeNamesTheWorkingFileCurrent() {
    kxcomp::CompareWindow& window = OpenWithTwoFiles();
    const graph::GraphLayout& layout = window.panel().drawn()->layout;
    QCOMPARE(layout.pointCount, 56);
    DoubleClick(Qt::LeftButton, QPoint(layout.x0 + 25 * layout.w + 1, layout.y0 - 2));
    QVERIFY(window.panel().view().pie);
    QCOMPARE(window.panel().view().piePoint, 25);
    const graph::PieGeometry& pie = window.panel().drawn()->pieGeometry;
    QCOMPARE(static_cast<int>(pie.slices.size()), 2);
    QCOMPARE(pie.slices[0].name, std::string("Current"));
    QCOMPARE(pie.total, 13000.0f);  // 6,500 each at age 65
    DoubleClick(Qt::LeftButton, QPoint(5, 5));
    QVERIFY(!window.panel().view().pie);
  }

  // Right double-clicks: lines, bars, 3-D bars, lines; 3-D needs three ages.
  void rightDoubleClickCyclesTheStyle_data() {
    QTest::addColumn<int>("last");
    QTest::addColumn<QList<int>>("styles");
    QTest::newRow("3 ages") << 62 << QList<int>{1, 2, 0, 1};
    QTest::newRow("2 ages") << 61 << QList<int>{1, 0, 1, 0};
  }
  void rightDoubleClickCyclesTheStyle() {
    QFETCH(int, last);
    QFETCH(QList<int>, styles);
    kxcomp::CompareWindow& window = OpenWindow({AgesFile(dir_, "a.kxp", 60, last)});
    for (int style : styles) {
      DoubleClick(Qt::RightButton, QPoint(5, 5));
      QCOMPARE(static_cast<int>(window.panel().view().style), style);
    }
  }

  void legendKeysShowToggleAndHide() {
    kxcomp::CompareWindow& window = OpenWithTwoFiles();
    QTest::keyClick(&window.panel(), Qt::Key_L);
    QCOMPARE(window.panel().view().legend, graph::LegendMode::OverSeries);
    QTest::keyClick(&window.panel(), Qt::Key_N);
    QCOMPARE(window.panel().view().legend, graph::LegendMode::Hidden);
  }

  void printingWritesAPage() {
    kxcomp::CompareWindow& window = OpenWithTwoFiles();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QString pdf = dir_.filePath("page.pdf");
    printer.setOutputFileName(pdf);
    QVERIFY(window.PrintTo(printer));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
  }

  // With no file read there is nothing to print, and no page is started.
  void printingWithoutFilesDoesNothing() {
    kxcomp::CompareWindow& window = OpenWindow({dir_.filePath("absent.kxp").toStdString()});
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QString pdf = dir_.filePath("none.pdf");
    printer.setOutputFileName(pdf);
    QVERIFY(!window.PrintTo(printer));
    QVERIFY(!QFile::exists(pdf));
  }
};

QTEST_MAIN(CompareWindowTest)
#include "compare_window_test.moc"
