// The calculator's two graphs drawn on the SVG canvas and compared with approved pictures, the
// scales each half takes from its own series, and the texts of the tips.
#include "apps/kxrule/rule_graphs.h"

#include <QTest>
#include <limits>

#include "graph/svg_canvas.h"
#include "tests/apps/golden_file.h"

using kxrule::ScheduleEntry;
using apps_testing::MatchesGolden;

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 420;

// The minimum method at 10 % from 62,000 at 50 with Es(x) = 112 - x: the withdrawal and the
// balance both grow by a tenth a year.
std::vector<ScheduleEntry> GrowingSchedule() {
  return {{50, 67100.0f, 1000.0f}, {51, 72600.0f, 1100.0f},  {52, 78529.0f, 1210.0f},
          {53, 84917.8f, 1331.0f}, {54, 91799.07f, 1464.1f}, {55, 99207.42f, 1610.51f}};
}

// An annuity of 30,000 from 100,000 at rate 0: the account is overdrawn from the fourth year.
std::vector<ScheduleEntry> OverdrawnSchedule() {
  std::vector<ScheduleEntry> schedule;
  for (int k = 0; k < 6; ++k) {
    schedule.push_back({60.0f + static_cast<float>(k),
                        100000.0f - 30000.0f * static_cast<float>(k + 1), 30000.0f});
  }
  return schedule;
}

struct Drawing {
  std::string svg;
  kxrule::DrawnRuleGraphs drawn;
};

Drawing Draw(const std::vector<ScheduleEntry>& schedule, graph::Currency currency) {
  graph::SvgCanvas canvas(kWidth, kHeight);
  Drawing drawing;
  drawing.drawn =
      kxrule::DrawRule72tGraphs(canvas, schedule, {0, 0, kWidth, kHeight}, 12, currency);
  drawing.svg = canvas.Document();
  return drawing;
}

}  // namespace

class RuleGraphsTest : public QObject {
  Q_OBJECT

 private slots:
  // Each half takes its scale from its own series. The balances peak at 99,207.42: the
  // companion top of 10 x 10,000 x 1.1 = 110,000 rounds to a span of 200,000. The withdrawals
  // peak at 1,610.51: the top of 1 x 1,000 x 1.1 = 1,100 climbs in steps of 110 to 1,650,
  // which rounds to a span of 2,000.
  void growingBalancesAndWithdrawals() {
    Drawing drawing = Draw(GrowingSchedule(), graph::Currency::Dollars);
    QVERIFY(MatchesGolden("kxrule/growing-minimum.svg", drawing.svg));
    const auto& halves = drawing.drawn.halves;
    QCOMPARE(halves[0].scale.min, 0.0f);
    QCOMPARE(halves[0].scale.span, 200000.0f);
    QCOMPARE(halves[1].scale.min, 0.0f);
    QCOMPARE(halves[1].scale.span, 2000.0f);
    QCOMPARE(halves[0].layout.pointCount, 6);
    // The balances stand above the withdrawals, each plot inside its half.
    QVERIFY(halves[0].layout.y0 <= kHeight / 2);
    QVERIFY(halves[1].layout.y0 - halves[1].layout.H >= kHeight / 2);
    QVERIFY(drawing.svg.find(">Account Balances<") != std::string::npos);
    QVERIFY(drawing.svg.find(">Annual Withdrawals<") != std::string::npos);
  }

  // Balances from 70,000 down to -80,000: the scale reaches below zero with a division on it.
  void overdrawnBalancesInPounds() {
    Drawing drawing = Draw(OverdrawnSchedule(), graph::Currency::Pounds);
    QVERIFY(MatchesGolden("kxrule/overdrawn-annuity-pounds.svg", drawing.svg));
    const kxrule::DrawnHalf& upper = drawing.drawn.halves[0];
    QVERIFY(upper.scale.min <= -80000.0f);
    QCOMPARE(graph::PixelYOf(upper.layout, upper.scale, 0.0f), upper.layout.zeroY);
    QVERIFY(upper.layout.zeroY < upper.layout.y0);
    QVERIFY(drawing.svg.find("\xC2\xA3") != std::string::npos);  // the pound sign in UTF-8
  }

  // One year draws its point's axis but no line; no years draw the empty grids.
  void oneYearAndNoYears() {
    QVERIFY(MatchesGolden("kxrule/single-year.svg",
                          Draw({{50, 390000.0f, 10000.0f}}, graph::Currency::Dollars).svg));
    Drawing empty = Draw({}, graph::Currency::Dollars);
    QCOMPARE(empty.drawn.halves[0].layout.pointCount, 0);
    QVERIFY(empty.svg.find(">Annual Withdrawals<") != std::string::npos);
  }

  // Values beyond any scale draw something rather than nothing or a hang.
  void unboundedValuesStillDraw() {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    Drawing drawing =
        Draw({{50, 1e38f, 1e37f}, {51, inf, nan}, {52, -inf, -1e38f}}, graph::Currency::Dollars);
    QVERIFY(drawing.svg.find(">Annual Withdrawals<") != std::string::npos);
    QCOMPARE(drawing.drawn.halves[0].layout.pointCount, 3);
  }

  void tipsReadTheNearestPoint() {
    std::vector<ScheduleEntry> schedule = GrowingSchedule();
    Drawing drawing = Draw(schedule, graph::Currency::Dollars);
    const graph::GraphLayout& lower = drawing.drawn.halves[1].layout;
    int y = lower.y0 - 1;
    std::optional<kxrule::Tip> tip =
        kxrule::TipAt(drawing.drawn, schedule, graph::PixelXOf(lower, 4) + lower.w / 3, y,
                      graph::Currency::Dollars);
    QVERIFY(tip.has_value());
    QCOMPARE(tip->text, std::string("$1,464"));
    QVERIFY(kxrule::OverPlot(drawing.drawn, tip->at.x, tip->at.y));
    QVERIFY(!kxrule::TipAt(drawing.drawn, schedule, 1, 1, graph::Currency::Dollars));
    QVERIFY(!kxrule::OverPlot(drawing.drawn, 1, 1));
  }

  void tipTexts_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("rounded up") << 1234.6f << "$1,235";
    QTest::newRow("millions") << 1234567.0f << "$1,234,567";
    QTest::newRow("negative") << -80000.4f << "-$80,000";
    QTest::newRow("zero") << 0.0f << "$0";
  }
  void tipTexts() {
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(kxrule::TipText(value, graph::Currency::Dollars), text.toStdString());
  }

  // A 150th of the height, but never below the library's readable 12 pixels.
  void graphFontFollowsTheWindowHeight() {
    QCOMPARE(kxrule::RuleGraphFontHeight(450), 12);
    QCOMPARE(kxrule::RuleGraphFontHeight(3000), 20);
  }
};

QTEST_GUILESS_MAIN(RuleGraphsTest)
#include "rule_graphs_test.moc"
