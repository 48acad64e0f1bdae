// The comparison's graphs: values aligned by age, the points each tab draws, the scale over all
// files, the pie's names and shares, the tab titles, and approved pictures of whole graphs.
#include "apps/kxcomp/compare_graph.h"

#include <QDir>
#include <QTest>
#include <fstream>

#include "graph/svg_canvas.h"
#include "platform/scripted.h"
#include "tests/apps/golden_file.h"
#include "tests/apps/kxcomp/compare_fixture.h"
#include "tests/graph/plot_file_text.h"

using kxcomp::CompareList;
using kxcomp_testing::AgesFile;
using apps_testing::MatchesGolden;

namespace {

constexpr int kNetWorthTab = 0;
constexpr int kTodaysMoneyTab = 1;
constexpr int kIncomingTab = 7;

}  // namespace

class CompareGraphTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  platform::ScriptedPrompter prompter_;

  // Ages 40-90 and 60-95 (net worth 100 per year of age, incoming 10).
  CompareList TwoFiles() {
    CompareList list(prompter_);
    list.StartNew({AgesFile(dir_, "early.kxp", 40, 90), AgesFile(dir_, "late.kxp", 60, 95)});
    return list;
  }

  std::string Svg(const CompareList& list, const kxcomp::CompareView& view) {
    graph::SvgCanvas canvas(640, 480);
    kxcomp::DrawComparison(
        canvas, list, view,
        kxcomp::CompareOptions(view, {0, 0, 640, 480}, 12, false, graph::Currency::Dollars));
    return canvas.Document();
  }

 private slots:
  // The second series is 0 before its first age 60; each file's value sits at its own age.
  void valuesAreAlignedByAge() {
    CompareList list = TwoFiles();
    graph::SeriesSet set = kxcomp::SeriesOfQuantity(list, graph::kNetWorth);
    QCOMPARE(static_cast<int>(set.series.size()), 2);
    const graph::Series& early = set.series[0];
    const graph::Series& late = set.series[1];
    QCOMPARE(late.paletteEntry, 1);
    QCOMPARE(late.legend, list.files()[1].path);
    QCOMPARE(late.values[0], 0.0f);
    QCOMPARE(late.values[19], 0.0f);
    QCOMPARE(late.values[20], 6000.0f);   // age 60
    QCOMPARE(late.values[55], 9500.0f);   // age 95
    QCOMPARE(early.values[0], 4000.0f);   // age 40
    QCOMPARE(early.values[50], 9000.0f);  // age 90
    QCOMPARE(early.values[51], 0.0f);     // age 91: past its last row
  }

  // 56 ages: the balances draw all of them, the flows two fewer, the money of today like the
  // balances, from each file's own series.
  void eachTabDrawsItsPoints() {
    CompareList list = TwoFiles();
    QCOMPARE(kxcomp::SeriesOfQuantity(list, graph::kNetWorth).drawnPoints, 56);
    QCOMPARE(kxcomp::SeriesOfQuantity(list, graph::kTotalIncoming).drawnPoints, 54);
    QCOMPARE(kxcomp::SeriesOfQuantity(list, graph::kPenaltiesPaid).drawnPoints, 54);
    graph::SeriesSet today = kxcomp::SeriesOfQuantity(list, kxcomp::kPurchasingPowerQuantity);
    QCOMPARE(today.drawnPoints, 56);
    QCOMPARE(today.series[1].values[20], 60.0f);
    QCOMPARE(today.series[0].values[50], 90.0f);
  }

  // Worked by hand: the largest value is 9,500 (age 95); the companion rule starts from a top
  // of trunc(0.95 * 11) * 1,000 * 1.1 = 11,000, and a span of 11,000 rounds up to 20,000.
  void theScaleCoversEveryFile() {
    CompareList list = TwoFiles();
    graph::AxisScale scale = kxcomp::ScaleOfQuantity(list, graph::kNetWorth);
    QCOMPARE(scale.min, 0.0f);
    QCOMPARE(scale.span, 20000.0f);
  }

  void theWorkingFileIsCurrentInAPie() {
    QCOMPARE(kxcomp::PieNameOf("plotinf01.tmp"), std::string("Current"));
    QCOMPARE(kxcomp::PieNameOf("/work/run/plotinf.kxp"), std::string("Current"));
    QCOMPARE(kxcomp::PieNameOf("/work/plotinf/plan.kxp"), std::string("/work/plotinf/plan.kxp"));
    QCOMPARE(kxcomp::PieNameOf("saved.KXP"), std::string("saved.KXP"));
  }

  // At age 60 both files stand at 6,000: two equal slices in the files' colours.
  void aPieShowsEachFileAtOneAge() {
    CompareList list(prompter_);
    std::string current = AgesFile(dir_, "plotinf01.tmp", 40, 90);
    std::string saved = AgesFile(dir_, "saved.kxp", 60, 95);
    list.StartNew({current, saved});
    std::vector<graph::PieSlice> slices = kxcomp::PieSlicesAt(list, graph::kNetWorth, 20);
    QCOMPARE(static_cast<int>(slices.size()), 2);
    QCOMPARE(slices[0].name, std::string("Current"));
    QCOMPARE(slices[1].name, saved);
    QCOMPARE(slices[0].value, 6000.0f);
    QCOMPARE(slices[1].value, 6000.0f);
    QCOMPARE(slices[1].paletteEntry, 1);
    QVERIFY(kxcomp::PieSlicesAt(list, graph::kNetWorth, 56).empty());
    QVERIFY(kxcomp::PieSlicesAt(list, graph::kNetWorth, -1).empty());
  }

  // Unread files keep their place in the palette: the file after one draws in entry 2.
  void anUnreadFileKeepsItsColourPlace() {
    CompareList list(prompter_);
    list.StartNew({AgesFile(dir_, "a.kxp", 60, 62), dir_.filePath("absent.kxp").toStdString(),
                   AgesFile(dir_, "c.kxp", 60, 62)});
    graph::SeriesSet set = kxcomp::SeriesOfQuantity(list, graph::kNetWorth);
    QCOMPARE(static_cast<int>(set.series.size()), 2);
    QCOMPARE(set.series[1].paletteEntry, 2);
  }

  void tabsCarryTheCurrencyWord() {
    std::vector<kxcomp::CompareTab> tabs = kxcomp::CompareTabs(graph::Currency::Pounds);
    QCOMPARE(static_cast<int>(tabs.size()), 16);
    QCOMPARE(tabs[kTodaysMoneyTab].title, std::string("Today's Pounds"));
    QCOMPARE(tabs[kTodaysMoneyTab].printTitle, std::string("Today's Pounds"));
    QCOMPARE(tabs[kIncomingTab].printTitle, std::string("INCOMING"));
    QCOMPARE(tabs[10].title, std::string("Non-taxable Income"));
    QCOMPARE(tabs[10].printTitle, std::string("NON TAXABLE INCOME"));
    QCOMPARE(tabs[15].quantity, static_cast<int>(graph::kPenaltiesPaid));
  }

  void emptyListDrawsEmptyAxes() {
    CompareList list(prompter_);
    kxcomp::CompareView view;
    QVERIFY(MatchesGolden("kxcomp/empty-list.svg", Svg(list, view)));
  }

  void wholeGraphsMatchTheirApprovedPictures_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("pie");
    QTest::addColumn<QString>("name");
    QTest::newRow("lines") << kNetWorthTab << 0 << false << "two-files-networth-lines.svg";
    QTest::newRow("bars") << kNetWorthTab << 1 << false << "two-files-networth-bars.svg";
    QTest::newRow("3d") << kNetWorthTab << 2 << false << "two-files-networth-3d.svg";
    QTest::newRow("incoming") << kIncomingTab << 0 << false << "two-files-incoming-lines.svg";
    QTest::newRow("pie") << kNetWorthTab << 0 << true << "two-files-networth-pie.svg";
  }
  void wholeGraphsMatchTheirApprovedPictures() {
    QFETCH(int, tab);
    QFETCH(int, style);
    QFETCH(bool, pie);
    QFETCH(QString, name);
    // The legend shows the paths as listed, so the pictures need the same paths on every run:
    // a folder of a fixed name in the tests' working directory.
    QDir inputs(QDir::current().filePath("kxcomp-golden-input"));
    QVERIFY(inputs.mkpath("."));
    auto write = [&inputs](const char* fileName, int first, int last) {
      std::string text = graph_testing::PlotFileText(kxcomp_testing::AgesData(first, last));
      std::ofstream(inputs.filePath(fileName).toStdString(), std::ios::binary) << text;
      return "kxcomp-golden-input/" + std::string(fileName);
    };
    CompareList list(prompter_);
    list.StartNew({write("plotinf01.tmp", 40, 90), write("saved.kxp", 60, 95)});
    kxcomp::CompareView view;
    view.tab = tab;
    view.style = static_cast<graph::PlotStyle>(style);
    view.pie = pie;
    view.piePoint = 25;  // age 65
    QVERIFY(MatchesGolden("kxcomp/" + name.toStdString(), Svg(list, view)));
  }
};

QTEST_GUILESS_MAIN(CompareGraphTest)
#include "compare_graph_test.moc"
