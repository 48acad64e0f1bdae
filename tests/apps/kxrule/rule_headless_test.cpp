// The calculator's headless words and its command line: the schedule printed one year a line,
// the graphs drawn into a PNG, the checks' messages on the error stream, and the currency word.
#include <QImage>
#include <QTest>
#include <sstream>

#include "apps/kxrule/command_line.h"
#include "apps/kxrule/headless.h"
#include "tests/apps/headless_run.h"
#include "tests/apps/kxrule/life_table_files.h"

using apps_testing::CountPixels;
using Outcome = apps_testing::HeadlessOutcome;

class RuleHeadlessTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  Outcome Run(const std::vector<std::string>& args) {
    return apps_testing::CatchHeadless([&](std::ostream& out, std::ostream& err) {
      return kxrule::RunHeadless(args, dir_.path().toStdString(), out, err);
    });
  }

 private slots:
  void initTestCase() { kxrule_testing::WriteLifeTables(dir_); }

  // Rate 0, nobody dies: the annuity factor at 50 is 66, so 66,000 pays 1,000 a year; the
  // omitted end age runs the schedule to 55.
  void scheduleIsOneYearALine() {
    Outcome outcome = Run({"--schedule", "--rate", "0", "--balance", "66000"});
    QCOMPARE(outcome.err, std::string());
    QCOMPARE(outcome.code, 0);
    QCOMPARE(outcome.out, std::string("50.0 65000.00 1000.00\n"
                                      "51.0 64000.00 1000.00\n"
                                      "52.0 63000.00 1000.00\n"
                                      "53.0 62000.00 1000.00\n"
                                      "54.0 61000.00 1000.00\n"
                                      "55.0 60000.00 1000.00\n"));
  }

  // Joint entry of 60 and 40 is 250 - 60 - 40 = 150: 15,000 pays 100, leaving 14,900; then
  // the entry of 61 and 41, 148, takes 14,900 / 148 = 100.68 (the ages keep their order).
  void everyFieldHasItsOption() {
    Outcome outcome =
        Run({"--schedule", "--age", "40", "--beneficiary", "60", "--end", "41", "--rate", "0",
             "--balance", "15000", "--table", "joint", "--method", "minimum"});
    QCOMPARE(outcome.code, 0);
    QCOMPARE(outcome.out, std::string("40.0 14900.00 100.00\n"
                                      "41.0 14799.32 100.68\n"));
  }

  void failedChecksGoToTheErrorStream() {
    Outcome outcome = Run({"--schedule", "--age", "60", "--end", "59"});
    QCOMPARE(outcome.code, 1);
    QCOMPARE(outcome.out, std::string());
    QCOMPARE(outcome.err, std::string("Age Error: The End Age must be greater than the Age.\n"));
    outcome = Run({"--schedule", "--rate", "101"});
    QCOMPARE(outcome.err, std::string("Rate Error: Rates must be between 0.0% and 100.0%\n"));
    QCOMPARE(outcome.code, 1);
  }

  void aMissingLifeTableFails() {
    QTemporaryDir shortTables;
    kxrule_testing::WriteFile(shortTables, "mort.dat", "0.5\n");
    std::ostringstream out, err;
    int code = kxrule::RunHeadless({"--schedule"}, shortTables.path().toStdString(), out, err);
    QCOMPARE(code, 1);
    QCOMPARE(out.str(), std::string());
    QVERIFY(err.str().rfind("Life Table Error: ", 0) == 0);
  }

  void wrongCommandLinesShowTheUsage_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("problem");
    QTest::newRow("no file") << QStringList{"--render"} << "--render needs a file name";
    QTest::newRow("option for file")
        << QStringList{"--render", "--age"} << "--render needs a file name";
    QTest::newRow("no value") << QStringList{"--schedule", "--age"} << "--age needs a value";
    QTest::newRow("table") << QStringList{"--schedule", "--table", "double"}
                           << "unknown life table double";
    QTest::newRow("method") << QStringList{"--schedule", "--method", "lump"}
                            << "unknown method lump";
    QTest::newRow("option") << QStringList{"--schedule", "--size", "1x1"}
                            << "unknown option --size";
    QTest::newRow("word") << QStringList{"--schedule", "Euros"} << "unexpected Euros";
  }
  void wrongCommandLinesShowTheUsage() {
    QFETCH(QStringList, args);
    QFETCH(QString, problem);
    std::vector<std::string> words;
    for (const QString& arg : args) words.push_back(arg.toStdString());
    Outcome outcome = Run(words);
    QCOMPARE(outcome.code, 2);
    QCOMPARE(outcome.err, "kxrule: " + problem.toStdString() + "\n" + kxrule::kHeadlessUsage);
  }

  // The balances in blue above, the withdrawals in red below, on a white picture.
  void renderDrawsBothGraphs() {
    std::string png = dir_.filePath("rule.png").toStdString();
    Outcome outcome = Run({"--render", png, "--method", "minimum", "Pounds"});
    QCOMPARE(outcome.err, std::string());
    QCOMPARE(outcome.code, 0);
    QImage image(QString::fromStdString(png));
    QCOMPARE(image.size(), QSize(kxrule::kRenderSize.width, kxrule::kRenderSize.height));
    QImage upper = image.copy(0, 0, image.width(), image.height() / 2);
    QImage lower = image.copy(0, image.height() / 2, image.width(), image.height() / 2);
    QVERIFY(CountPixels(upper, qRgb(0, 0, 255)) > 100);
    QCOMPARE(CountPixels(upper, qRgb(255, 0, 0)), 0);
    QVERIFY(CountPixels(lower, qRgb(255, 0, 0)) > 100);
    QCOMPARE(CountPixels(lower, qRgb(0, 0, 255)), 0);
  }

  void renderReportsAnUnwritableFile() {
    std::string png = dir_.filePath("no/such/folder/rule.png").toStdString();
    Outcome outcome = Run({"--render", png});
    QCOMPARE(outcome.code, 1);
    QCOMPARE(outcome.err, "kxrule: cannot write " + png + "\n");
  }

  // "Pound" anywhere on the command line chooses the pound sign; nothing else is read from it.
  void poundAnywhereChoosesPounds_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("pounds");
    QTest::newRow("Pounds") << QStringList{"Pounds"} << true;
    QTest::newRow("inside a word") << QStringList{"xPoundy"} << true;
    QTest::newRow("second word") << QStringList{"a", "Pound"} << true;
    QTest::newRow("Dollars") << QStringList{"Dollars"} << false;
    QTest::newRow("lower case") << QStringList{"pounds"} << false;
    QTest::newRow("nothing") << QStringList{} << false;
  }
  void poundAnywhereChoosesPounds() {
    QFETCH(QStringList, args);
    QFETCH(bool, pounds);
    std::vector<std::string> words;
    for (const QString& arg : args) words.push_back(arg.toStdString());
    QCOMPARE(kxrule::CurrencyOfCommandLine(words) == graph::Currency::Pounds, pounds);
  }

  void headlessRequestKeepsTheInitialTexts() {
    std::string problem;
    std::optional<kxrule::HeadlessRequest> request =
        kxrule::ParseHeadless({"--schedule", "--rate", "3", "Pounds"}, problem);
    QVERIFY(request.has_value());
    QCOMPARE(request->fields.age, std::string("50"));
    QCOMPARE(request->fields.beneficiaryAge, std::string("45"));
    QCOMPARE(request->fields.endAge, std::string());
    QCOMPARE(request->fields.rate, std::string("3"));
    QCOMPARE(request->fields.balance, std::string("400000"));
    QCOMPARE(request->currency, graph::Currency::Pounds);
    QVERIFY(!kxrule::IsHeadless({"Pounds"}));
    QVERIFY(!kxrule::IsHeadless({}));
  }
};

QTEST_MAIN(RuleHeadlessTest)
#include "rule_headless_test.moc"
