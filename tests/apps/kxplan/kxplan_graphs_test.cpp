// kxplan's graph folders under the offscreen platform: the account tabs by blocks of ten, zoom
// with Shift and the mouse on a drawn graph, the Summary folder's age chosen by a click, the
// Monte Carlo folder's analysis when it is shown, the graph window, and the current graph
// printed to a PDF.
#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/text.h"
#include "graph/monte_carlo_graph.h"
#include "planner/planner.h"
#include "platform/scripted.h"
#include "tests/apps/kxplan/planner_window.h"
#include "tests/apps/window_harness.h"
#include "tests/core/test_scenarios.h"
#include "ui/graph_folder.h"
#include "ui/graph_window.h"
#include "ui/main_window.h"
#include "ui/monte_carlo_folder.h"
#include "ui/summary_folder.h"

using apps_testing::ShowExposed;

class KxplanGraphsTest : public apps_testing::PlannerWindowTest {
  Q_OBJECT

 private:

  QStringList AccountTabTitles() {
    QStringList titles;
    for (kxui::GraphFolder* graph : window_->accountGraphs()) {
      titles << window_->folders()->tabText(window_->folders()->indexOf(graph));
    }
    return titles;
  }

  // A scenario of `count` accounts and nothing else.
  void UseAccounts(int count) {
    core::Scenario& s = planner_->document().scenario;
    core::ResetScenario(s);
    s.initial.startAge = 40.0f;
    s.initial.endAge = 60.0f;
    for (int a = 0; a < count; ++a) {
      core::testing::AddAccount(s, core::Format("Account %02d", a), core::kInvestmentSavings,
                                1000.0f, 5.0f);
    }
    planner_->ScenarioEdited();
  }

  kxui::GraphFolder* NetWorth() {
    window_->folders()->setCurrentIndex(window_->FolderIndex(kxui::Folder::NetWorth));
    auto* graph = qobject_cast<kxui::GraphFolder*>(window_->folders()->currentWidget());
    graph->repaint();
    return graph;
  }

  // The pixel of a point's age on the drawn graph.
  static QPoint PointOf(const kxui::GraphFolder& graph, int point) {
    const graph::GraphLayout& layout = graph.drawn()->layout;
    return QPoint(layout.x0 + point * layout.w + layout.w / 2, layout.y0 - 10);
  }

 private Q_SLOTS:
  void init() { Prepare(); }
  void cleanup() { Finish(); }

  void accountTabsComeInBlocksOfTen() {
    Start();
    UseAccounts(12);
    QCOMPARE(AccountTabTitles(), (QStringList{"Accounts 1-10", "Accounts 11-12"}));
    UseAccounts(41);
    QCOMPARE(AccountTabTitles(), (QStringList{"Accounts 1-10", "Accounts 11-20",
                                              "Accounts 21-30", "Accounts 31-40", "Account 41"}));
    // They stand between Groups and the Monte Carlo folder.
    QCOMPARE(window_->FolderIndex(kxui::Folder::MonteCarlo),
             window_->FolderIndex(kxui::Folder::Groups) + 6);
  }

  void shiftClicksZoomAndARefusalChangesNothing() {
    Start();
    kxui::GraphFolder* graph = NetWorth();
    QVERIFY(graph->drawn().has_value());
    const int all = planner_->plot().pointCount;
    QTest::mouseClick(graph, Qt::LeftButton, Qt::ShiftModifier, PointOf(*graph, 5));
    QTest::mouseClick(graph, Qt::LeftButton, Qt::ShiftModifier, PointOf(*graph, 6));
    QCOMPARE(graph->marks().size(), size_t{2});
    QTest::mouseClick(graph, Qt::RightButton, Qt::ShiftModifier, PointOf(*graph, 6));
    QCOMPARE(planner_->plot().pointCount, all);  // 2 ages: refused
    QVERIFY(!planner_->zoom().zoomed());

    QTest::mouseClick(graph, Qt::LeftButton, Qt::ShiftModifier, PointOf(*graph, 5));
    QTest::mouseClick(graph, Qt::LeftButton, Qt::ShiftModifier, PointOf(*graph, 7));
    QTest::mouseClick(graph, Qt::RightButton, Qt::ShiftModifier, PointOf(*graph, 7));
    QVERIFY(planner_->zoom().zoomed());
    QCOMPARE(planner_->plot().pointCount, 3);
    QCOMPARE(planner_->zoom().firstAge(), planner_->WholeStartAge() + 5);
    // Every graph folder shows the zoomed ages.
    graph->repaint();
    QCOMPARE(graph->drawn()->layout.pointCount, 3);
    QTest::mouseClick(graph, Qt::RightButton, Qt::ShiftModifier, PointOf(*graph, 1));
    QCOMPARE(planner_->plot().pointCount, all);
  }

  void aClickOnTheSummaryGraphChoosesItsAge() {
    Start();
    window_->folders()->setCurrentIndex(window_->FolderIndex(kxui::Folder::Summary));
    kxui::GraphFolder* graph = window_->summary()->graph();
    graph->repaint();
    QTest::mouseClick(graph, Qt::LeftButton, Qt::NoModifier, PointOf(*graph, 9));
    QCOMPARE(static_cast<int>(planner_->lastRun().results.years[planner_->summaryRow()].age),
             planner_->WholeStartAge() + 9);
  }

  void theMonteCarloFolderRunsWhenShownAndEndsWithTheSuccessText() {
    Start();
    planner_->document().scenario.groups.mcTrials = 16;
    planner_->ScenarioEdited();
    window_->folders()->setCurrentIndex(window_->FolderIndex(kxui::Folder::MonteCarlo));
    QTRY_VERIFY(!planner_->MonteCarloStale());
    const graph::MonteCarloGraph& curves = window_->monteCarlo()->curves();
    QVERIFY(curves.done);
    QCOMPARE(curves.trials.size(), size_t{16});
    QCOMPARE(curves.trial, 16);
    QVERIFY(graph::MonteCarloTexts(curves)[1].rfind("Scenario Success = ", 0) == 0);
    // Shown again without a change: no new analysis.
    window_->folders()->setCurrentIndex(0);
    window_->folders()->setCurrentIndex(window_->FolderIndex(kxui::Folder::MonteCarlo));
    QApplication::processEvents();
    QCOMPARE(window_->monteCarlo()->curves().trials.size(), size_t{16});
  }

  void theGraphWindowAndThePrintedGraph() {
    Start();
    planner_->Execute(501);
    QVERIFY(window_->graphWindow() != nullptr);
    QVERIFY(window_->graphWindow()->isVisible());
    QCOMPARE(window_->graphWindow()->tabs()->tabText(0), QStringLiteral("Net Worth"));
    planner_->Execute(501);  // the same window again
    QCOMPARE(window_->findChildren<kxui::GraphWindow*>().size(), 1);

    NetWorth();
    const QString pdf = dir_->filePath("graph.pdf");
    QVERIFY(window_->PrintCurrentGraphToPdf(pdf));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    window_->folders()->setCurrentIndex(window_->FolderIndex(kxui::Folder::Results));
    QVERIFY(!window_->PrintCurrentGraphToPdf(pdf));
  }
};

QTEST_MAIN(KxplanGraphsTest)
#include "kxplan_graphs_test.moc"
