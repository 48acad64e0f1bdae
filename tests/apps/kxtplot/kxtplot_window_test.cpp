// kxtplot under the offscreen platform: a trade-off of two options draws two series from rows
// of three numbers; its window, menu and pie name periods; the headless word writes an image.
#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QTest>
#include <sstream>

#include "apps/kxtplot/trade_off_program.h"
#include "platform/scripted.h"
#include "qt/analysis_program.h"
#include "tests/apps/plot_fixture.h"

using apps_testing::WriteText;

namespace {

// "trade.tmp" as the planner writes it for 10 periods (points 0..11) and two named options:
// "Buy" from -5,000 gaining 900 a period, "Lease" from -1,000 gaining 500; "Done" twice.
std::string TwoOptionsText() {
  std::string text = "1\nDummy\nDummy\nDummy\n12.000000\n2\nBuy\nLease\n";
  for (int p = 0; p < 12; ++p) {
    text += "0.0\n0.0\n" + std::to_string(p) + ".000000 " + std::to_string(-5000 + 900 * p) +
            ".000000 " + std::to_string(-1000 + 500 * p) + ".000000 \n";
  }
  return text + "Done\nDone\n";
}

}  // namespace

class KxtplotWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  platform::ScriptedPrompter prompter_;

 private slots:
  void twoOptionsDrawTwoSeries() {
    kxqt::AnalysisWindow window(kxtplot::TradeOffProgram(), prompter_, graph::Currency::Dollars);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.LoadFile(WriteText(dir_, "trade.tmp", TwoOptionsText()).toStdString()));
    window.panel().repaint();
    QCOMPARE(window.size(), QSize(500, 380));
    QCOMPARE(window.tabs().tabText(0), QString("Trade-Off Analysis"));
    QCOMPARE(window.menuBar()->actions().front()->menu()->actions().front()->text(),
             QString("Print Graph\tAlt+p"));
    QCOMPARE(window.data().SeriesCount(), 2);
    QCOMPARE(window.data().PointCount(), 12);
    QCOMPARE(window.data().points[11].values[1], 4500.0f);  // -1,000 + 11 * 500
    // The scale reaches below zero: the smallest value is -5,000 at period 0.
    QVERIFY(window.panel().drawn()->scale.min <= -5000.0f);
    QCOMPARE(window.panel().drawn()->layout.pointCount, 12);
    QVERIFY(prompter_.Lines().empty());
  }

  void headlessRenderInPounds() {
    QString data = WriteText(dir_, "trade.tmp", TwoOptionsText());
    QString image = dir_.filePath("trade.png");
    std::ostringstream err;
    QCOMPARE(kxqt::RunAnalysisHeadless(kxtplot::TradeOffProgram(),
                                       {"--render", image.toStdString(), "--size", "640x480",
                                        data.toStdString(), "Pounds"},
                                       err),
             0);
    QCOMPARE(QImage(image).size(), QSize(640, 480));
    std::ostringstream missing;
    QCOMPARE(kxqt::RunAnalysisHeadless(kxtplot::TradeOffProgram(),
                                       {"--render", image.toStdString(), "trade.tmp"}, missing),
             1);
    QCOMPARE(missing.str(), std::string("FILE OPEN ERROR: Cannot open trade.tmp for reading.\n"));
  }
};

QTEST_MAIN(KxtplotWindowTest)
#include "kxtplot_window_test.moc"
