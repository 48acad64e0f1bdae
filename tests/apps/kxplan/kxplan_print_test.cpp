// kxplan's reports and printing under the offscreen platform: the report windows the Reports
// menu opens, --print into a PDF with the job's page order, and the report screenshots.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sstream>

#include "apps/kxplan/command_line.h"
#include "apps/kxplan/headless.h"
#include "planner/planner.h"
#include "platform/scripted.h"
#include "tests/apps/window_harness.h"
#include "ui/main_window.h"
#include "ui/report_printing.h"
#include "ui/report_window.h"

using apps_testing::ShowExposed;

namespace {

// The pages of a PDF file as its page objects.
int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QString text = QString::fromLatin1(file.readAll());
  return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

}  // namespace

class KxplanPrintTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;

  int Print(const std::vector<std::string>& words, std::ostringstream& err) {
    std::vector<std::string> args = {"--workdir", dir_->filePath("work").toStdString()};
    args.insert(args.end(), words.begin(), words.end());
    kxplan::CommandLine line;
    std::string problem;
    if (!kxplan::ParseCommandLine(args, line, problem)) return -1;
    return kxplan::RunHeadless(line, err);
  }

 private Q_SLOTS:
  void init() { dir_ = std::make_unique<QTemporaryDir>(); }

  void theCommandLineTakesThePrintWords() {
    kxplan::CommandLine line;
    std::string problem;
    QVERIFY(kxplan::ParseCommandLine({"--print", "report:networth", "--pdf", "a.pdf", "--from", "2",
                                      "--to", "3", "--copies", "2", "--collate"},
                                     line, problem));
    QCOMPARE(line.headless, kxplan::HeadlessWord::Print);
    QCOMPARE(line.printWhat, std::string("report:networth"));
    QCOMPARE(line.printFrom, 2);
    QCOMPARE(line.printTo, 3);
    QCOMPARE(line.printCopies, 2);
    QVERIFY(line.printCollate);
    kxplan::CommandLine noPdf;
    QVERIFY(!kxplan::ParseCommandLine({"--print", "results"}, noPdf, problem));
    kxplan::CommandLine badCopies;
    QVERIFY(!kxplan::ParseCommandLine({"--print", "results", "--pdf", "a.pdf", "--copies", "x"},
                                      badCopies, problem));
  }

  void aReportPrintsIntoAPdfWithTheTitlePageFirst() {
    std::ostringstream err;
    const QString pdf = dir_->filePath("networth.pdf");
    QCOMPARE(Print({"--print", "report:networth", "--pdf", pdf.toStdString()}, err), 0);
    // The example a first start opens: two print pages and the title page.
    QCOMPARE(PdfPages(pdf), 3);
  }

  void pagesTwoToThreeTwiceMakeFourPages() {
    std::ostringstream err;
    const QString pdf = dir_->filePath("results.pdf");
    QCOMPARE(Print({"--print", "results", "--pdf", pdf.toStdString(), "--from", "2", "--to", "3",
                    "--copies", "2"},
                   err),
             0);
    QCOMPARE(PdfPages(pdf), 4);
  }

  void theBudgetReportAndTheWindowPrintIntoAPdf() {
    std::ostringstream err;
    const QString report = dir_->filePath("budget-report.pdf");
    QCOMPARE(Print({"--print", "budget-report:1", "--pdf", report.toStdString()}, err), 0);
    QVERIFY(PdfPages(report) >= 2);  // the title page and the years
    QVERIFY(Print({"--print", "budget-report:6", "--pdf", report.toStdString()}, err) != 0);
    const QString window = dir_->filePath("window.pdf");
    QCOMPARE(Print({"--print", "window", "--pdf", window.toStdString()}, err), 0);
    QCOMPARE(PdfPages(window), 1);
  }

  void pageSetupKeepsThePrinterOrientationAndMargins() {
    platform::ScriptedPlatform platform;
    planner::Planner planner(platform.services(), dir_->path().toStdString(),
                             planner::StartupOptions{});
    QPrinter chosen(QPrinter::HighResolution);
    chosen.setOutputFormat(QPrinter::PdfFormat);
    chosen.setPageOrientation(QPageLayout::Landscape);
    chosen.setPageMargins(QMarginsF(25.4, 12.7, 25.4, 12.7), QPageLayout::Millimeter);
    kxui::KeepPageSetup(planner, chosen);
    QVERIFY(planner.printerSetup().landscape);
    // The margins in thousandths of an inch, in the scenario's and the preferences' records.
    QCOMPARE(planner.document().scenario.page.marginLeft, 1000);
    QCOMPARE(planner.document().scenario.page.marginTop, 500);
    QCOMPARE(planner.preferences().marginBottom, 500);
    QPrinter next(QPrinter::HighResolution);
    next.setOutputFormat(QPrinter::PdfFormat);
    kxui::ApplyPageSetup(planner, next, false);
    QCOMPARE(next.pageLayout().orientation(), QPageLayout::Landscape);
    QVERIFY(qAbs(next.pageLayout().margins(QPageLayout::Millimeter).left() - 25.4) < 0.05);
  }

  void anUnknownWhatIsRefused() {
    std::ostringstream err;
    QVERIFY(Print({"--print", "nosuch", "--pdf", dir_->filePath("x.pdf").toStdString()}, err) != 0);
    QVERIFY(err.str().find("unknown --print nosuch") != std::string::npos);
  }

  void theReportsMenuOpensABandedReportWindow() {
    platform::ScriptedPlatform platform;
    planner::Planner planner(platform.services(), dir_->path().toStdString(),
                             planner::StartupOptions{});
    kxui::MainWindow window(planner);
    ShowExposed(window);
    planner.StartUp();
    QVERIFY(planner.Execute(891));
    kxui::ReportWindow* report = window.findChild<kxui::ReportWindow*>();
    QVERIFY(report != nullptr);
    QCOMPARE(report->windowTitle(), QStringLiteral("Net Worth Report"));
    QCOMPARE(report->table()->columnCount(), 8);
    QVERIFY(report->table()->rowCount() > 10);
    QVERIFY(report->table()->alternatingRowColors());
    QCOMPARE(report->table()->item(0, 0)->text().trimmed().isEmpty(), false);
    report->close();
    QApplication::processEvents();
    // The allocation variant carries its own title.
    QVERIFY(planner.Execute(793));
    bool found = false;
    for (kxui::ReportWindow* w : window.findChildren<kxui::ReportWindow*>()) {
      found |= w->windowTitle() == QStringLiteral("Account Allocation Report");
    }
    QVERIFY(found);
  }

  void screenshotsShowEveryReportWindow() {
    kxplan::CommandLine line;
    line.headless = kxplan::HeadlessWord::Screenshot;
    line.workDir = dir_->filePath("shots-work").toStdString();
    line.screenshotDir = dir_->filePath("shots").toStdString();
    std::ostringstream err;
    QCOMPARE(kxplan::RunHeadless(line, err), 0);
    const QStringList shots = QDir(dir_->filePath("shots")).entryList({"report-*.png"});
    QVERIFY(shots.contains(QStringLiteral("report-networth.png")));
    QVERIFY(shots.contains(QStringLiteral("report-accounts-io.png")));
  }
};

QTEST_MAIN(KxplanPrintTest)
#include "kxplan_print_test.moc"
