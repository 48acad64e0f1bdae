// The plotter's headless words and its command line: tab titles, rendered images and pages,
// read failures on the error stream, and the file name the planner's command line gives.
#include <QImage>
#include <QTest>

#include "apps/kxplot/command_line.h"
#include "apps/kxplot/headless.h"
#include "tests/apps/headless_run.h"
#include "tests/apps/plot_fixture.h"

using apps_testing::CountPixels;
using apps_testing::PlotDataWith;
using apps_testing::WritePlotFile;

namespace {

using Outcome = apps_testing::HeadlessOutcome;

Outcome Run(const std::vector<std::string>& args) {
  return apps_testing::CatchHeadless(
      [&](std::ostream& out, std::ostream& err) { return kxplot::RunHeadless(args, out, err); });
}

}  // namespace

class KxplotHeadlessTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

 private slots:
  void tabsListsTheTitlesOneALine() {
    std::string path = WritePlotFile(dir_, "eleven.tmp", PlotDataWith(11, 3)).toStdString();
    Outcome outcome = Run({"--tabs", path});
    QCOMPARE(outcome.code, 0);
    QCOMPARE(outcome.out, std::string("Net Worth\nIncoming / Outgoing\nIncoming\nOutgoing\n"
                                      "Groups\nAccounts 1-10\nAccount 11\n"));
  }

  // Net worth is series 0, drawn in palette entry 0 (blue) over a white image of the size.
  void renderDrawsThePanelIntoAPng() {
    std::string path = WritePlotFile(dir_, "plot.tmp", PlotDataWith(2, 8)).toStdString();
    std::string png = dir_.filePath("net.png").toStdString();
    Outcome outcome = Run({"--render", png, "--size", "640x420", path, "Dollars"});
    QCOMPARE(outcome.code, 0);
    QImage image(QString::fromStdString(png));
    QCOMPARE(image.size(), QSize(640, 420));
    QVERIFY(CountPixels(image, qRgb(0, 0, 255)) > 100);
  }

  void renderWritesThePrintedPageAsPdf() {
    std::string path = WritePlotFile(dir_, "plot.tmp", PlotDataWith(2, 8)).toStdString();
    std::string pdf = dir_.filePath("page.pdf").toStdString();
    QCOMPARE(Run({"--render", pdf, "--style", "bars", path}).code, 0);
    QFile file(QString::fromStdString(pdf));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
  }

  void failedReadsGoToTheErrorStream() {
    std::string bad = apps_testing::WriteText(dir_, "bad.kxp", "Groups\n").toStdString();
    Outcome outcome = Run({"--tabs", bad});
    QCOMPARE(outcome.code, 1);
    QCOMPARE(outcome.err, "FILE OPEN ERROR: " + bad + " is not a valid Dudavovez Odoredo file.\n");
    std::string absent = dir_.filePath("absent.tmp").toStdString();
    outcome = Run({"--render", dir_.filePath("x.png").toStdString(), absent});
    QCOMPARE(outcome.code, 1);
    QCOMPARE(outcome.err, "FILE OPEN ERROR: Cannot open " + absent + " for reading.\n");
  }

  void wrongCommandLinesAreUsageErrors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no file") << QStringList{"--tabs"};
    QTest::newRow("render without output") << QStringList{"--render"};
    QTest::newRow("unknown kind") << QStringList{"--render", "o.png", "--kind", "pie", "f.tmp"};
    QTest::newRow("bad size") << QStringList{"--render", "o.png", "--size", "0x5", "f.tmp"};
    QTest::newRow("3-D with 2 points") << QStringList{"--render", "o.png", "--style", "3d", "TWO"};
    QTest::newRow("account past the last")
        << QStringList{"--render", "o.png", "--kind", "accounts", "--first", "2", "TWO"};
  }
  void wrongCommandLinesAreUsageErrors() {
    QFETCH(QStringList, args);
    std::string two = WritePlotFile(dir_, "two.tmp", PlotDataWith(2, 2)).toStdString();
    std::vector<std::string> list;
    for (const QString& arg : args) list.push_back(arg == "TWO" ? two : arg.toStdString());
    Outcome outcome = Run(list);
    QCOMPARE(outcome.code, 2);
    QVERIFY(!outcome.err.empty());
  }

  // The planner writes "kxplot plotinf01.tmp Dollars"; the name ends at the first "tmp" that
  // ends a word, within the first 90 characters.
  void fileNameOfTheCommandLine_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("file");
    QTest::newRow("working file") << "plotinf01.tmp"
                                  << "plotinf01.tmp";
    QTest::newRow("one text") << "plotinf01.tmp Pounds"
                              << "plotinf01.tmp";
    QTest::newRow("tmp folder") << "/tmp/run/plotinf01.tmp"
                                << "/tmp/run/plotinf01.tmp";
    QTest::newRow("saved file") << "RETIRE.KXP"
                                << "RETIRE.KXP";
    QTest::newRow("tmp past 90") << QString(88, 'a') + "/x.tmp Pounds"
                                 << QString(88, 'a') + "/x.tmp Pounds";
  }
  void fileNameOfTheCommandLine() {
    QFETCH(QString, argument);
    QFETCH(QString, file);
    QCOMPARE(QString::fromStdString(kxplot::PlotFileFromArgument(argument.toStdString())), file);
  }

  void poundAnywhereSelectsThePoundSign() {
    kxplot::WindowCommandLine line = kxplot::ParseWindowCommandLine({"plotinf01.tmp", "Pounds"});
    QCOMPARE(line.plotFile, std::string("plotinf01.tmp"));
    QCOMPARE(line.currency, graph::Currency::Pounds);
    QCOMPARE(kxplot::ParseWindowCommandLine({"plotinf01.tmp", "Dollars"}).currency,
             graph::Currency::Dollars);
    QVERIFY(kxplot::ParseWindowCommandLine({}).plotFile.empty());
  }
};

QTEST_MAIN(KxplotHeadlessTest)
#include "kxplot_headless_test.moc"
