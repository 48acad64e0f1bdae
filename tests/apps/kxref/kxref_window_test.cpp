// kxref under the offscreen platform: its one tab, the single point of a refinance that ends
// after month 0, read-outs, the pie of a month, styles, a missing file, printing, and the
// headless word with its messages.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "apps/kxref/refinance_program.h"
#include "platform/scripted.h"
#include "qt/analysis_program.h"
#include "tests/apps/plot_fixture.h"
#include "tests/apps/window_harness.h"

using apps_testing::DialogWatchdog;
using apps_testing::ShowExposed;
using apps_testing::WriteText;
using graph::PlotStyle;

namespace {

// "ref.tmp" as the planner writes it: month 0 and every fourth month after it, the existing
// side at 1,000 + 10 per month and the refinanced side at 800 + 20 per month.
std::string RefinanceText(int points) {
  std::string text =
      "1\nDummy\nDummy\nDummy\n120.000000\n2\nExisting Mortgage\n"
      "Refinanced Mortgage\n";
  for (int i = 0; i < points; ++i) {
    int month = 4 * i;
    text += "0.0\n0.0\n" + std::to_string(month) + " " + std::to_string(1000 + 10 * month) + " " +
            std::to_string(800 + 20 * month) + "\n";
  }
  return text + "Done\n";
}

QStringList MenuTexts(QMainWindow& window) {
  QStringList texts;
  for (QAction* menu : window.menuBar()->actions()) {
    for (QAction* action : menu->menu()->actions()) texts << action->text();
  }
  return texts;
}

}  // namespace

class KxrefWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  platform::ScriptedPrompter prompter_;
  std::unique_ptr<kxqt::AnalysisWindow> window_;
  DialogWatchdog watchdog_;
  QStringList dialogs_;

  kxqt::AnalysisWindow& OpenWindow(const std::string& text,
                                   graph::Currency currency = graph::Currency::Dollars) {
    window_ =
        std::make_unique<kxqt::AnalysisWindow>(kxref::RefinanceProgram(), prompter_, currency);
    ShowExposed(*window_);
    window_->LoadFile(WriteText(dir_, "ref.tmp", text).toStdString());
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
    dialogs_.clear();
    prompter_.Clear();
    watchdog_.Start([this](const QString& title) { dialogs_ << title; });
  }

  void cleanup() {
    watchdog_.Stop();
    window_.reset();
  }

  void windowHasOneTabAndThreeCommands() {
    kxqt::AnalysisWindow& window = OpenWindow(RefinanceText(31));
    QCOMPARE(window.windowTitle(), QString("Financial Plotter"));
    QCOMPARE(window.size(), QSize(640, 380));
    QCOMPARE(window.tabs().count(), 1);
    QCOMPARE(window.tabs().tabText(0), QString("Refinance Analysis"));
    QCOMPARE(MenuTexts(window),
             (QStringList{"&Print Graph\tAlt+p", "E&xit\tAlt+x", "A&bout\tAlt+b"}));
    window.resize(200, 100);
    QVERIFY(window.width() >= 400 && window.height() >= 300);
  }

  // A refinance that ends right after month 0: one point at the plot origin, and bars cannot
  // become 3-D bars with fewer than three points.
  void fileEndingAfterMonthZeroShowsOnePoint() {
    kxqt::AnalysisWindow& window = OpenWindow(RefinanceText(1));
    QCOMPARE(window.data().PointCount(), 1);
    const graph::GraphLayout& layout = window.panel().drawn()->layout;
    QCOMPARE(layout.pointCount, 1);
    QPoint inside(layout.x0 + 2, layout.y0 - layout.H / 2);
    DoubleClick(Qt::RightButton, inside);
    QCOMPARE(window.panel().view().style, PlotStyle::Bars);
    DoubleClick(Qt::RightButton, inside);
    QCOMPARE(window.panel().view().style, PlotStyle::Lines);
  }

  // One point of 1,000 and 800: the companion rule gives top 1,100 x 1.1 = 1,210, a span
  // rounded up to 2,000; the top of the plot reads $2,000.00 (in pounds with "Pounds").
  void pressingOnThePlotReadsTheValue() {
    for (graph::Currency currency : {graph::Currency::Dollars, graph::Currency::Pounds}) {
      kxqt::AnalysisWindow& window = OpenWindow(RefinanceText(1), currency);
      const graph::GraphLayout& layout = window.panel().drawn()->layout;
      QCOMPARE(window.panel().drawn()->scale.span, 2000.0f);
      QPoint top(layout.x0 + layout.W / 2, layout.y0 - layout.H);
      QTest::mousePress(&window.panel(), Qt::LeftButton, Qt::NoModifier, top);
      QVERIFY(window.panel().readout().has_value());
      std::string expected = currency == graph::Currency::Dollars ? "$2,000.00"
                                                                  : "\xA3"
                                                                    "2,000.00";
      QCOMPARE(window.panel().readout()->first, expected);
      QTest::mouseRelease(&window.panel(), Qt::LeftButton, Qt::NoModifier, top);
      QVERIFY(!window.panel().readout().has_value());
    }
  }

  void pieOpensAtTheMonthAndCloses() {
    kxqt::AnalysisWindow& window = OpenWindow(RefinanceText(31));
    const graph::GraphLayout& layout = window.panel().drawn()->layout;
    // Just right of point 3 (month 12): the point at or left of the pointer.
    DoubleClick(Qt::LeftButton, QPoint(layout.x0 + 3 * layout.w + 1, layout.y0 - 5));
    QVERIFY(window.panel().view().pie);
    QCOMPARE(window.panel().view().piePoint, 3);
    const graph::PieGeometry& pie = window.panel().drawn()->pieGeometry;
    QCOMPARE(pie.slices.size(), size_t{2});
    QCOMPARE(pie.slices[0].name, std::string("Existing Mortgage"));
    QCOMPARE(pie.slices[1].value, 1040.0f);  // 800 + 20 * 12
    // Keys do nothing in a pie; a double-click goes back to the graph.
    QTest::keyClick(&window.panel(), Qt::Key_N);
    QCOMPARE(window.panel().view().legend, graph::LegendMode::UnderSeries);
    DoubleClick(Qt::LeftButton, QPoint(5, 5));
    QVERIFY(!window.panel().view().pie);
  }

  void legendKeysAndThreeDimensionalBars() {
    kxqt::AnalysisWindow& window = OpenWindow(RefinanceText(31));
    QTest::keyClick(&window.panel(), Qt::Key_L);
    QCOMPARE(window.panel().view().legend, graph::LegendMode::OverSeries);
    QTest::keyClick(&window.panel(), Qt::Key_N);
    QCOMPARE(window.panel().view().legend, graph::LegendMode::Hidden);
    Paint();
    const graph::GraphLayout& layout = window.panel().drawn()->layout;
    QPoint inside(layout.x0 + layout.W / 2, layout.y0 - layout.H / 2);
    DoubleClick(Qt::RightButton, inside);
    DoubleClick(Qt::RightButton, inside);
    QCOMPARE(window.panel().view().style, PlotStyle::Bars3D);
    // A value read off 3-D bars would belong to no bar face.
    const graph::GraphLayout& deep = window.panel().drawn()->layout;
    QTest::mousePress(&window.panel(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(deep.x0 + deep.W / 2, deep.y0 - deep.H / 2));
    QVERIFY(!window.panel().readout().has_value());
  }

  void missingFileLeavesTheWindowEmpty() {
    window_ = std::make_unique<kxqt::AnalysisWindow>(kxref::RefinanceProgram(), prompter_,
                                                     graph::Currency::Dollars);
    QString missing = dir_.filePath("gone.tmp");
    QVERIFY(!window_->LoadFile(missing.toStdString()));
    QCOMPARE(prompter_.Lines(), std::vector<std::string>{"FILE OPEN ERROR: Cannot open " +
                                                         missing.toStdString() + " for reading."});
    QVERIFY(!window_->dataLoaded());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_.filePath("none.pdf"));
    QVERIFY(!window_->PrintTo(printer));
  }

  void printingToPdf() {
    kxqt::AnalysisWindow& window = OpenWindow(RefinanceText(31));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QString path = dir_.filePath("ref.pdf");
    printer.setOutputFileName(path);
    QVERIFY(window.PrintTo(printer));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
  }

  void aboutIsAModalBox() {
    kxqt::AnalysisWindow& window = OpenWindow(RefinanceText(2));
    window.About();
    QCOMPARE(dialogs_, QStringList{"About"});
  }

  void commandLineNamesTheFile() {
    const kxqt::AnalysisProgram& program = kxref::RefinanceProgram();
    QCOMPARE(kxqt::AnalysisFileOf(program, {"ref.tmp", "Pounds"}), std::string("ref.tmp"));
    QCOMPARE(kxqt::AnalysisFileOf(program, {}), std::string("ref.tmp"));
    QCOMPARE(kxqt::AnalysisFileOf(program, {"/tmp/run/ref.tmp"}), std::string("/tmp/run/ref.tmp"));
  }

  void anExistingPathWithTmpAndSpacesInItIsTakenWhole() {
    // The "tmp" rule alone would cut this at "my tmp", the name of no file.
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/my tmp \"ref\".tmp";
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(kxqt::AnalysisFileOf(kxref::RefinanceProgram(), {path, "Dollars"}), path);
  }

  void headlessRenderAndItsFailures() {
    const kxqt::AnalysisProgram& program = kxref::RefinanceProgram();
    QString data = WriteText(dir_, "ref.tmp", RefinanceText(31));
    QString image = dir_.filePath("ref.png");
    std::ostringstream err;
    QCOMPARE(kxqt::RunAnalysisHeadless(
                 program, {"--render", image.toStdString(), data.toStdString(), "Pounds"}, err),
             0);
    QImage picture(image);
    QCOMPARE(picture.size(), QSize(500, 380));
    QVERIFY(err.str().empty());

    std::ostringstream missing;
    QCOMPARE(
        kxqt::RunAnalysisHeadless(program, {"--render", image.toStdString(), "no.tmp"}, missing),
        1);
    QCOMPARE(missing.str(), std::string("FILE OPEN ERROR: Cannot open no.tmp for reading.\n"));

    std::ostringstream empty;
    QString blank = WriteText(dir_, "blank.tmp", "\n1\n");
    QCOMPARE(kxqt::RunAnalysisHeadless(
                 program, {"--render", image.toStdString(), blank.toStdString()}, empty),
             1);
    QVERIFY(empty.str().find("FILE OPEN ERROR: ") == 0);
    QVERIFY(empty.str().find("is not a valid Dudavovez Odoredo file.") != std::string::npos);

    std::ostringstream usage;
    QCOMPARE(kxqt::RunAnalysisHeadless(program, {"--render"}, usage), 2);
    std::ostringstream flat;
    QString one = WriteText(dir_, "one.tmp", RefinanceText(2));
    QCOMPARE(
        kxqt::RunAnalysisHeadless(
            program, {"--render", image.toStdString(), "--style", "3d", one.toStdString()}, flat),
        2);
  }
};

QTEST_MAIN(KxrefWindowTest)
#include "kxref_window_test.moc"
