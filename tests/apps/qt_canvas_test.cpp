// The Qt canvas and the Qt platform pieces: colours, the edges of rectangles, the direction of
// pie slices, Latin-1 text, filters, help pages and where companion programs are looked for.
#include "qt/qt_canvas.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "qt/file_filter.h"
#include "qt/help_window.h"
#include "qt/latin1_text.h"
#include "qt/qt_process_starter.h"

namespace {

QImage WhiteImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

}  // namespace

class QtCanvasTest : public QObject {
  Q_OBJECT

 private slots:
  // Stored colours are 0x00BBGGRR: 0x0000FF is red, 0xFF0000 blue.
  void storedColoursKeepTheirChannels() {
    QCOMPARE(kxqt::ToQColor(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(kxqt::ToQColor(0xFF0000), QColor(0, 0, 255));
    QCOMPARE(kxqt::ToQColor(0x15D0D5), QColor(0xD5, 0xD0, 0x15));
  }

  // Right and bottom are one past the last pixel, outline or not.
  void rectanglesCoverLeftTopUpToRightBottom() {
    QImage image = WhiteImage(20, 20);
    {
      QPainter painter(&image);
      kxqt::QtCanvas canvas(painter);
      canvas.DrawRectangle({2, 3, 12, 9}, {graph::kBlack, 1}, {0x00FF00, false});
    }
    QCOMPARE(image.pixel(2, 3), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(11, 8), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(12, 8), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(11, 9), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(6, 6), qRgb(0, 255, 0));
  }

  // From the radial to the right to the radial downward, sweeping clockwise on screen: the
  // lower right quarter is filled and the upper right is not.
  void pieSlicesSweepClockwiseOnScreen() {
    QImage image = WhiteImage(41, 41);
    {
      QPainter painter(&image);
      kxqt::QtCanvas canvas(painter);
      canvas.DrawPie({0, 0, 41, 41}, {40, 20}, {20, 40}, {graph::kBlack, 0}, {0x0000FF, false});
    }
    QCOMPARE(image.pixel(28, 28), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(28, 12), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(12, 28), qRgb(255, 255, 255));
  }

  void opaqueTextIsBlankedBehindAndMeasured() {
    QImage image = WhiteImage(200, 40);
    QPainter painter(&image);
    kxqt::QtCanvas canvas(painter);
    canvas.SetFont({"Courier", 16, 400});
    graph::TextMetrics metrics = canvas.Metrics();
    QVERIFY(metrics.height >= 14);
    QVERIFY(metrics.averageCharWidth > 0);
    QVERIFY(canvas.TextWidth("WWWW") > canvas.TextWidth("WW"));
    canvas.DrawText({0, 0}, "  ", graph::kBlack, {true, 0xC8C8C8});
    painter.end();
    QCOMPARE(image.pixel(1, metrics.height / 2), qRgb(0xC8, 0xC8, 0xC8));
  }

  void fontsSurviveTheirScope() {
    QImage image = WhiteImage(10, 10);
    QPainter painter(&image);
    kxqt::QtCanvas canvas(painter);
    canvas.SetFont({"Courier", 13, 400});
    {
      graph::FontScope bold(canvas, {"Tms Rmn", 9, 700});
      QCOMPARE(canvas.CurrentFont().face, std::string("Tms Rmn"));
    }
    QCOMPARE(canvas.CurrentFont().face, std::string("Courier"));
    QCOMPARE(canvas.CurrentFont().height, 13);
  }

  // The pound sign is byte 163 in the core and U+00A3 in Qt.
  void latin1TextCrossesTheEdge() {
    QCOMPARE(kxqt::ToQString("\xA3"
                             "12"),
             QString::fromUtf8("\u00A312"));
    QCOMPARE(kxqt::ToLatin1(QString::fromUtf8("\u00A312")), std::string("\xA3"
                                                                        "12"));
    QCOMPARE(kxqt::ToLatin1(QString::fromUtf8("\u20AC")), std::string("?"));
  }

  void filtersBecomeQtNameFilters() {
    QCOMPARE(kxqt::QtNameFilters("Graph Files (*.KXP)"), QString("Graph Files (*.KXP)"));
    QCOMPARE(kxqt::QtNameFilters("Account Files (*.ACC)|Text (*.TXT)|"),
             QString("Account Files (*.ACC);;Text (*.TXT)"));
  }

  void helpTopicsHaveAPagePerTopic() {
    QCOMPARE(kxqt::HelpPagePath("/h", ".\\finance.hlp", 120), QString("/h/finance/120.html"));
    QCOMPARE(kxqt::HelpPagePath("/h", ".\\RULE.HLP", 3), QString("/h/rule/3.html"));
  }

  void helpWithoutAPageSaysSo() {
    QTemporaryDir dir;
    kxqt::QtHelpViewer viewer(dir.path());
    viewer.ShowHelp(".\\finance.hlp", 77);
    QVERIFY(viewer.window() != nullptr);
    QCOMPARE(viewer.window()->toPlainText(),
             QString("There is no help page for topic 77 of .\\finance.hlp."));
  }

  void companionsAreLookedForBesideTheProgram() {
    QCOMPARE(kxqt::ResolveBesideExecutable("kxplot"),
             QDir(QCoreApplication::applicationDirPath()).filePath("kxplot"));
    QCOMPARE(kxqt::ResolveBesideExecutable("/usr/bin/kxplot"), QString("/usr/bin/kxplot"));
    kxqt::QtProcessStarter starter;
    QVERIFY(!starter.Start("no-such-companion", {"plotinf01.tmp", "Dollars"}));
  }
};

QTEST_MAIN(QtCanvasTest)
#include "qt_canvas_test.moc"
