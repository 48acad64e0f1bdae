// The comparison's headless words: tab titles, rendered images and pages, read failures on the
// error stream, and wrong command lines.
#include <QFile>
#include <QImage>
#include <QTest>

#include "apps/kxcomp/command_line.h"
#include "apps/kxcomp/headless.h"
#include "tests/apps/headless_run.h"
#include "tests/apps/kxcomp/compare_fixture.h"

using apps_testing::CountPixels;
using kxcomp_testing::AgesFile;

namespace {

using Outcome = apps_testing::HeadlessOutcome;

Outcome Run(const std::vector<std::string>& args) {
  return apps_testing::CatchHeadless(
      [&](std::ostream& out, std::ostream& err) { return kxcomp::RunHeadless(args, out, err); });
}

}  // namespace

class CompareHeadlessTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

 private slots:
  void tabsListsTheTitlesWithTheCurrencyWord() {
    std::string a = AgesFile(dir_, "a.kxp", 60, 62);
    Outcome outcome = Run({"--tabs", a, "Pounds"});
    QCOMPARE(outcome.code, 0);
    QCOMPARE(outcome.out,
             std::string("Net Worth\nToday's Pounds\nInvestment Accounts\nTax Free Accounts\n"
                         "Retirement Accounts\nAsset Accounts\nEquity Accounts\nIncoming\n"
                         "Deposits\nTaxable Income\nNon-taxable Income\nOutgoing\nWithdrawals\n"
                         "Taxes\nInterest\nPenalties\n"));
  }

  // File 0 is drawn in palette entry 0 (blue), file 1 in entry 1 (red).
  void renderDrawsEveryFile() {
    std::string a = AgesFile(dir_, "a.kxp", 40, 90);
    std::string b = AgesFile(dir_, "b.kxp", 60, 95);
    std::string png = dir_.filePath("net.png").toStdString();
    Outcome outcome = Run({"--render", png, "--size", "640x420", a, b, "Dollars"});
    QCOMPARE(outcome.code, 0);
    QImage image(QString::fromStdString(png));
    QCOMPARE(image.size(), QSize(640, 420));
    QVERIFY(CountPixels(image, qRgb(0, 0, 255)) > 100);
    QVERIFY(CountPixels(image, qRgb(255, 0, 0)) > 100);
  }

  void renderChoosesTheTabByTitleAndWritesPdf() {
    std::string a = AgesFile(dir_, "a.kxp", 40, 90);
    std::string pdf = dir_.filePath("page.pdf").toStdString();
    QCOMPARE(Run({"--render", pdf, "--tab", "Incoming", "--style", "bars", a}).code, 0);
    QFile file(QString::fromStdString(pdf));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
  }

  void failedReadsGoToTheErrorStream() {
    std::string good = AgesFile(dir_, "good.kxp", 60, 62);
    std::string absent = dir_.filePath("absent.kxp").toStdString();
    Outcome outcome = Run({"--tabs", good, absent});
    QCOMPARE(outcome.code, 1);
    QCOMPARE(outcome.err, "FILE OPEN ERROR: Cannot open " + absent +
                              " for reading.\nkxcomp: " + absent + " was not read\n");
    std::string blank = apps_testing::WriteText(dir_, "blank.kxp", "\n").toStdString();
    outcome = Run({"--render", dir_.filePath("x.png").toStdString(), blank});
    QCOMPARE(outcome.code, 1);
    QCOMPARE(outcome.err, "kxcomp: " + blank + " was not read\n");
    QVERIFY(!QFile::exists(dir_.filePath("x.png")));
  }

  void wrongCommandLinesAreRefused_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no file") << QStringList{"--render", "x.png", "Dollars"};
    QTest::newRow("unknown tab") << QStringList{"--render", "x.png", "--tab", "Nope", "FILE"};
    QTest::newRow("bad style") << QStringList{"--render", "x.png", "--style", "pie", "FILE"};
    QTest::newRow("bad size") << QStringList{"--render", "x.png", "--size", "0x9", "FILE"};
    QTest::newRow("tabs option") << QStringList{"--tabs", "--size", "9x9", "FILE"};
    QTest::newRow("3d of 2 ages") << QStringList{"--render", "x.png", "--style", "3d", "FILE"};
  }
  void wrongCommandLinesAreRefused() {
    QFETCH(QStringList, args);
    std::string file = AgesFile(dir_, "two.kxp", 60, 61);
    std::vector<std::string> words;
    for (const QString& arg : args) {
      words.push_back(arg == "FILE"    ? file
                      : arg == "x.png" ? dir_.filePath("x.png").toStdString()
                                       : arg.toStdString());
    }
    Outcome outcome = Run(words);
    QCOMPARE(outcome.code, 2);
    QVERIFY(outcome.err.rfind("kxcomp: ", 0) == 0);
  }

  // The planner's command line: its working file and the currency word.
  void theWindowCommandLine() {
    kxcomp::WindowCommandLine line = kxcomp::ParseWindowCommandLine({"plotinf01.tmp", "Pounds"});
    QCOMPARE(line.plotFile, std::string("plotinf01.tmp"));
    QCOMPARE(line.currency, graph::Currency::Pounds);
    QCOMPARE(kxcomp::ParseWindowCommandLine({"plotinf01.tmp", "Dollars"}).currency,
             graph::Currency::Dollars);
    QVERIFY(kxcomp::ParseWindowCommandLine({}).plotFile.empty());
  }

  // Paths at their limits are taken whole: 400 characters, "tmp" and spaces, quotes, a tab,
  // a pound sign, a leading "-" in a name.
  void longAndOddPathsAreTakenWhole() {
    const std::string odd = "/plans/-\"my\" tmp files\t\xa3/" + std::string(380, 'p') + ".kxp";
    QCOMPARE(kxcomp::ParseWindowCommandLine({odd, "Dollars"}).plotFile, odd);
    std::string problem;
    std::optional<kxcomp::HeadlessRequest> request =
        kxcomp::ParseHeadless({"--tabs", odd, odd + "2", "Pounds"}, problem);
    QVERIFY(request.has_value());
    QCOMPARE(request->files, (std::vector<std::string>{odd, odd + "2"}));
  }
};

QTEST_MAIN(CompareHeadlessTest)
#include "compare_headless_test.moc"
