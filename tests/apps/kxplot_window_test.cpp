// The plotter's window under the offscreen platform: its tabs, styles, read-outs, pie, files
// and printing. Messages and file choices are scripted; a watchdog fails any test that leaves
// a modal dialog open, so no test can hang on one.
#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTest>

#include "apps/kxplot/plot_window.h"
#include "platform/scripted.h"
#include "tests/apps/plot_fixture.h"
#include "tests/apps/window_harness.h"

using apps_testing::DialogWatchdog;
using apps_testing::PlotDataWith;
using apps_testing::ShowExposed;
using apps_testing::WritePlotFile;
using graph::PlotStyle;

class KxplotWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  platform::ScriptedPlatform platform_;
  std::unique_ptr<kxplot::PlotWindow> window_;
  DialogWatchdog watchdog_;
  QStringList unexpectedDialogs_;
  QString expectedDialog_;  // the title of the one dialog a test opens on purpose
  QStringList closedExpected_;

  kxplot::PlotWindow& OpenWindow(const graph::PlotData& data) {
    window_ = std::make_unique<kxplot::PlotWindow>(platform_.prompter, platform_.files,
                                                   graph::Currency::Dollars);
    ShowExposed(*window_);
    window_->LoadFile(WritePlotFile(dir_, "plotinf01.tmp", data).toStdString());
    Paint();
    return *window_;
  }

  // Clicks read the layout of the last paint.
  void Paint() { window_->panel().repaint(); }

  void DoubleClick(Qt::MouseButton button, QPoint at) {
    QTest::mouseDClick(&window_->panel(), button, Qt::NoModifier, at);
    Paint();
  }

 private slots:
  void init() {
    unexpectedDialogs_.clear();
    closedExpected_.clear();
    expectedDialog_.clear();
    platform_.prompter.Clear();
    watchdog_.Start([this](const QString& title) {
      (title == expectedDialog_ ? closedExpected_ : unexpectedDialogs_) << title;
    });
  }

  void cleanup() {
    watchdog_.Stop();
    window_.reset();
    QVERIFY2(unexpectedDialogs_.isEmpty(), qPrintable(unexpectedDialogs_.join(", ")));
  }

  // Five fixed tabs, then one per started block of ten accounts.
  void tabTitlesFollowTheAccountCount_data() {
    QTest::addColumn<int>("accounts");
    QTest::addColumn<QStringList>("accountTabs");
    QTest::newRow("1") << 1 << QStringList{"Account 1"};
    QTest::newRow("10") << 10 << QStringList{"Accounts 1-10"};
    QTest::newRow("11") << 11 << QStringList{"Accounts 1-10", "Account 11"};
    QTest::newRow("50") << 50
                        << QStringList{"Accounts 1-10", "Accounts 11-20", "Accounts 21-30",
                                       "Accounts 31-40", "Accounts 41-50"};
  }
  void tabTitlesFollowTheAccountCount() {
    QFETCH(int, accounts);
    QFETCH(QStringList, accountTabs);
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(accounts, 5));
    QStringList expected{"Net Worth", "Incoming / Outgoing", "Incoming", "Outgoing", "Groups"};
    expected << accountTabs;
    QCOMPARE(window.TabTitles(), expected);
    QCOMPARE(window.panel().view().kind, graph::GraphKind::NetWorth);
  }

  void selectingAnAccountTabShowsItsBlock() {
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(23, 5));
    window.tabs().setCurrentIndex(7);  // "Accounts 21-23"
    QCOMPARE(window.tabs().tabText(7), QString("Accounts 21-23"));
    QCOMPARE(window.panel().view().kind, graph::GraphKind::Accounts);
    QCOMPARE(window.panel().view().firstAccount, 20);
    QCOMPARE(window.panel().view().lastAccount, 23);
  }

  // Right double-clicks: lines, bars, 3-D bars, lines; 3-D needs three points.
  void rightDoubleClickCyclesTheStyle_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<QList<int>>("styles");
    QTest::newRow("3 points") << 3 << QList<int>{1, 2, 0, 1};
    QTest::newRow("2 points") << 2 << QList<int>{1, 0, 1, 0};
  }
  void rightDoubleClickCyclesTheStyle() {
    QFETCH(int, points);
    QFETCH(QList<int>, styles);
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(2, points));
    QCOMPARE(window.panel().view().style, PlotStyle::Lines);
    for (int style : styles) {
      DoubleClick(Qt::RightButton, QPoint(5, 5));
      QCOMPARE(static_cast<int>(window.panel().view().style), style);
    }
  }

  // Worked by hand: net worth peaks at 12,345; the companion scale starts from a top of 11,000
  // and ends with a span of 20,000 from 0, so the top of the plot reads $20,000.00.
  void pressingOnThePlotReadsTheValueThere() {
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(2, 8));
    const graph::GraphLayout& layout = window.panel().drawn()->layout;
    QCOMPARE(window.panel().drawn()->scale.span, 20000.0f);
    QPoint top(layout.x0 + layout.W / 2, layout.y0 - layout.H);
    QTest::mousePress(&window.panel(), Qt::LeftButton, Qt::NoModifier, top);
    QVERIFY(window.panel().readout().has_value());
    QCOMPARE(window.panel().readout()->first, std::string("$20,000.00"));
    QTest::mouseRelease(&window.panel(), Qt::LeftButton, Qt::NoModifier, top);
    QVERIFY(!window.panel().readout().has_value());

    QPoint zero(layout.x0 + layout.W / 2, layout.y0);
    QTest::mousePress(&window.panel(), Qt::RightButton, Qt::NoModifier, zero);
    QCOMPARE(window.panel().readout()->first, std::string("$0.00"));
    QTest::mouseRelease(&window.panel(), Qt::RightButton, Qt::NoModifier, zero);
  }

  void pressingOutsideThePlotShowsNothing() {
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(2, 8));
    QTest::mousePress(&window.panel(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QVERIFY(!window.panel().readout().has_value());
  }

  void clicksShowNothingInThreeDimensionalBars() {
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(2, 8));
    DoubleClick(Qt::RightButton, QPoint(5, 5));
    DoubleClick(Qt::RightButton, QPoint(5, 5));
    QCOMPARE(window.panel().view().style, PlotStyle::Bars3D);
    const graph::GraphLayout& layout = window.panel().drawn()->layout;
    QTest::mousePress(&window.panel(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(layout.x0 + layout.W / 2, layout.y0 - layout.H / 2));
    QVERIFY(!window.panel().readout().has_value());
  }

  // A left double-click on point 3 opens its pie; another one goes back to the graph.
  void pieOpensAtThePointAndCloses() {
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(2, 8));
    window.tabs().setCurrentIndex(5);  // the accounts
    Paint();
    const graph::GraphLayout& layout = window.panel().drawn()->layout;
    DoubleClick(Qt::LeftButton, QPoint(layout.x0 + 3 * layout.w + 1, layout.y0 - 2));
    QCOMPARE(window.panel().view().kind, graph::GraphKind::Pie);
    QCOMPARE(window.panel().view().piePoint, 3);
    QVERIFY(window.panel().drawn()->pie);
    // Two accounts of 100 each: the list of the pie shows them as two halves.
    const graph::PieGeometry& pie = window.panel().drawn()->pieGeometry;
    QCOMPARE(static_cast<int>(pie.slices.size()), 2);
    QCOMPARE(pie.total, 200.0f);
    QPoint firstRow(pie.list.left + 2, pie.listRowTop + 1);
    QTest::mousePress(&window.panel(), Qt::LeftButton, Qt::NoModifier, firstRow);
    QCOMPARE(window.panel().readout()->first, std::string("$100.00"));
    QTest::mouseRelease(&window.panel(), Qt::LeftButton, Qt::NoModifier, firstRow);

    DoubleClick(Qt::LeftButton, QPoint(5, 5));
    QCOMPARE(window.panel().view().kind, graph::GraphKind::Accounts);
    QCOMPARE(window.panel().view().firstAccount, 0);
  }

  void legendKeysShowToggleAndHide() {
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(2, 8));
    QCOMPARE(window.panel().view().legend, graph::LegendMode::UnderSeries);
    QTest::keyClick(&window.panel(), Qt::Key_L);
    QCOMPARE(window.panel().view().legend, graph::LegendMode::OverSeries);
    QTest::keyClick(&window.panel(), Qt::Key_N);
    QCOMPARE(window.panel().view().legend, graph::LegendMode::Hidden);
    QTest::keyClick(&window.panel(), Qt::Key_L);
    QCOMPARE(window.panel().view().legend, graph::LegendMode::UnderSeries);
  }

  // A file that fails to read shows its message and leaves the graphs that were shown.
  void badFilesKeepWhatWasShown_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("first line 8") << "eight.kxp" << QByteArray("8 Groups\n")
                                  << "FILE OPEN ERROR: %1 is not a valid Dudavovez Odoredo file.";
    QTest::newRow("empty") << "empty.kxp" << QByteArray()
                           << "FILE OPEN ERROR: %1 is not a valid Dudavovez Odoredo file.";
    QTest::newRow("missing") << "" << QByteArray()
                             << "FILE OPEN ERROR: Cannot open %1 for reading.";
  }
  void badFilesKeepWhatWasShown() {
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(11, 5));
    QStringList before = window.TabTitles();
    QString path = name.isEmpty() ? dir_.filePath("absent.kxp")
                                  : apps_testing::WriteText(dir_, name, text.toStdString());
    QVERIFY(!window.LoadFile(path.toStdString()));
    QCOMPARE(QString::fromStdString(platform_.prompter.Lines().back()), message.arg(path));
    QCOMPARE(window.TabTitles(), before);
    QCOMPARE(window.data().accountCount, 11);
  }

  // Open asks for a ".KXP" file, names it in the title and rebuilds the tabs, keeping the kind.
  void openReadsTheChosenFileKeepingTheKind() {
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(1, 5));
    window.tabs().setCurrentIndex(2);  // incoming
    QString saved = WritePlotFile(dir_, "SAVED.KXP", PlotDataWith(12, 4));
    platform_.files.SetNextChoice({saved.toStdString()});
    window.Open();
    const platform::FileRequest& request = platform_.files.requests().back();
    QCOMPARE(QString::fromStdString(request.title), QString("Open a Graph File"));
    QCOMPARE(QString::fromStdString(request.filter), QString("Graph Files (*.KXP)"));
    QCOMPARE(QString::fromStdString(request.defaultExtension), QString("kxp"));
    QCOMPARE(window.windowTitle(), "Financial Plotter - " + saved);
    QCOMPARE(window.TabTitles().mid(5), QStringList({"Accounts 1-10", "Accounts 11-12"}));
    QCOMPARE(window.tabs().currentIndex(), 2);
    QCOMPARE(window.panel().view().kind, graph::GraphKind::Incoming);
  }

  void cancelledOpenChangesNothing() {
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(1, 5));
    platform_.files.SetNextChoice({});
    window.Open();
    QCOMPARE(window.windowTitle(), QString("Financial Plotter"));
    QCOMPARE(window.data().accountCount, 1);
  }

  void windowStartsAt500By380AndStaysAtLeast400By300() {
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(1, 5));
    QCOMPARE(window.size(), QSize(500, 380));
    window.resize(200, 100);
    QVERIFY(window.width() >= 400);
    QVERIFY(window.height() >= 300);
  }

  // The about box is the one modal dialog of these tests; the watchdog closes it.
  void aboutIsAModalBox() {
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(1, 5));
    expectedDialog_ = "About";
    window.About();
    QCOMPARE(closedExpected_, QStringList{"About"});
  }

  void printingToPdfNeedsNoPrinter() {
    kxplot::PlotWindow& window = OpenWindow(PlotDataWith(3, 6));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QString path = dir_.filePath("graph.pdf");
    printer.setOutputFileName(path);
    QVERIFY(window.PrintTo(printer));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(pdf.size() > 1000);
  }

  void printingWithoutDataDoesNothing() {
    window_ = std::make_unique<kxplot::PlotWindow>(platform_.prompter, platform_.files,
                                                   graph::Currency::Dollars);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_.filePath("none.pdf"));
    QVERIFY(!window_->PrintTo(printer));
    QVERIFY(!QFile::exists(dir_.filePath("none.pdf")));
  }
};

QTEST_MAIN(KxplotWindowTest)
#include "kxplot_window_test.moc"
