// kxplan's window under the offscreen platform: menus and keys from the command table (Alt+F
// is Fundamentals, not the File menu), the recent entries' order, the title and the hidden
// folder, the schedule's red lines and "Go To" on the list, the budget names, the close with
// Cancel, the command line and the headless words.
#include <QAction>
#include <QDialog>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>
#include <sstream>

#include "apps/kxplan/command_line.h"
#include "apps/kxplan/headless.h"
#include "core/text.h"
#include "planner/command_table.h"
#include "planner/planner.h"
#include "platform/scripted.h"
#include "tests/apps/kxplan/planner_window.h"
#include "tests/apps/window_harness.h"
#include "ui/folder_names.h"
#include "ui/main_window.h"
#include "ui/results_folder.h"
#include "ui/schedule_model.h"

using apps_testing::ShowExposed;

class KxplanWindowTest : public apps_testing::PlannerWindowTest {
  Q_OBJECT

 private:

  // The texts of the File menu's entries between the recent files' separator and Exit.
  QStringList RecentEntries() {
    QStringList texts;
    bool inside = false;
    for (QAction* action : window_->MenuOf("File")->actions()) {
      if (action == window_->ActionOf(5)) break;
      if (action->isSeparator()) {
        inside = true;
        continue;
      }
      if (inside) texts << action->text();
    }
    return texts;
  }

 private Q_SLOTS:
  void init() { Prepare(); }
  void cleanup() { Finish(); }

  void menusCarryTheTableTextsAndKeys() {
    Start();
    for (const planner::CommandEntry& entry : planner::CommandTable()) {
      QAction* action = window_->ActionOf(entry.number);
      QVERIFY2(action != nullptr, entry.text);
      if (action->text() != QString::fromLatin1(entry.text)) continue;  // a second menu's row
      if (*entry.keys == '\0') continue;
      QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(entry.keys)));
    }
    QCOMPARE(window_->ActionOf(110)->text(), QStringLiteral("&Fundamentals"));
    QVERIFY(window_->MenuOf("Edit > Add Event To Scenario") != nullptr);
    // The menu bar's titles carry no mnemonic, so no Alt+letter belongs to them.
    for (QAction* menu : window_->menuBar()->actions()) {
      QVERIFY2(!menu->text().contains(QLatin1Char('&')), qPrintable(menu->text()));
    }
  }

  void altLetterAndFunctionKeysReachTheirCommands() {
    Start();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    // Alt+F opens the Fundamentals dialog (closed here by the watchdog as it opens).
    QStringList dialogs;
    apps_testing::DialogWatchdog watchdog;
    watchdog.Start([&dialogs](const QString& title) { dialogs << title; });
    QTest::keyClick(window_.get(), Qt::Key_F, Qt::AltModifier);
    watchdog.Stop();
    QCOMPARE(dialogs, QStringList{QStringLiteral("Fundamentals")});
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_F2, Qt::ControlModifier);
    QTest::keyClick(window_.get(), Qt::Key_F1);
    // Ctrl+F2 opens the net worth report's window, F1 the contents of the help.
    QVERIFY(Messages().empty());
    QVERIFY(window_->findChild<QDialog*>(QStringLiteral("reportschedule")) != nullptr);
    QCOMPARE(platform_->help.requests().size(), size_t{1});
    QCOMPARE(platform_->help.requests()[0].topic, 104);
  }

  void recentEntriesStandAboveExitHighestFirst() {
    Start();
    QCOMPARE(RecentEntries(),
             (QStringList{"(6) EXAMPLE6.RET", "(5) EXAMPLE5.RET", "(4) EXAMPLE4.RET",
                          "(3) EXAMPLE3.RET", "(2) EXAMPLE2.RET", "(1) EXAMPLE1.RET"}));
    planner_->Execute(604);  // entry 3, EXAMPLE3.RET, becomes entry 1
    QCOMPARE(RecentEntries().last(), QStringLiteral("(1) EXAMPLE3.RET"));
    // The sixth entry dropped off before the old place of EXAMPLE3.RET was taken out.
    QCOMPARE(RecentEntries().first(), QStringLiteral("(5) EXAMPLE5.RET"));
    QCOMPARE(RecentEntries().size(), 5);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Dudavovez Odoredo -- Pro - EXAMPLE3.RET"));
  }

  void theMakerFolderHidesByPreference() {
    Start();
    QTabWidget* tabs = window_->folders();
    // The example's 33 accounts add four account tabs before the Monte Carlo folder.
    QCOMPARE(tabs->count(), kxui::kFolderCount + 4);
    QCOMPARE(tabs->tabText(4), QStringLiteral("Results"));
    QCOMPARE(tabs->tabText(tabs->count() - 1), QStringLiteral("Monte Carlo Analysis"));
    QVERIFY(tabs->isTabVisible(1));
    planner_->StoreDisplayPreferences(planner::DisplayPreferences{true, true, true});
    QVERIFY(!tabs->isTabVisible(1));
    QVERIFY(planner_->document().modified);
  }

  void theScheduleShowsRedLinesAndGoesToAnAge() {
    Start();
    kxui::ResultsFolder* results = window_->results();
    window_->folders()->setCurrentWidget(results);
    QAbstractItemModel* model = results->list()->model();
    QCOMPARE(model->rowCount(), static_cast<int>(planner_->schedule().lines().size()));
    int red = -1;
    for (int row = 0; row < model->rowCount(); ++row) {
      const QModelIndex index = model->index(row, 0);
      if (index.data().toString().startsWith(QStringLiteral("Red flags"))) red = row;
      if (index.data().toString().startsWith(QStringLiteral("Financial Events:"))) {
        QVERIFY(!index.data(kxui::ScheduleModel::RedRole).toBool());
      }
    }
    QVERIFY(red >= 0);
    QVERIFY(model->index(red, 0).data(kxui::ScheduleModel::RedRole).toBool());

    const int age = planner_->WholeStartAge() + 5;
    results->ageField()->setText(QString::number(age));
    QTest::keyClick(results->ageField(), Qt::Key_Return);
    QApplication::processEvents();
    const int top = results->list()->indexAt(QPoint(4, 4)).row();
    QCOMPARE(top, planner_->schedule().FirstLineOfAge(age));
    results->ageField()->setText(QStringLiteral("130"));
    QTest::keyClick(results->ageField(), Qt::Key_Return);
    QCOMPARE(Messages(), std::vector<std::string>{
                             "AGE ERROR: This age must be between 1 and 120.0."});
  }

  void theBudgetsMenuFollowsTheBudgetNames() {
    Start();
    core::CopyText(planner_->document().scenario.budgets[2].budgetName, "College");
    window_->MenusChanged();
    QCOMPARE(window_->ActionOf(463)->text(), QStringLiteral("College"));
  }

  void cancelAtTheSavePromptKeepsTheWindowOpen() {
    Start();
    planner_->document().MarkEdited();
    platform_->prompter.SetNextAnswer(platform::Answer::Cancel);
    planner_->Execute(5);
    QVERIFY(window_->isVisible());
    platform_->prompter.SetNextAnswer(platform::Answer::No);
    planner_->Execute(5);
    QVERIFY(!window_->isVisible());
    QVERIFY(QFile::exists(dir_->filePath("prefinf.dat")));
  }

  void theCommandLineNamesAScenarioAndAFolder() {
    kxplan::CommandLine line;
    std::string problem;
    QVERIFY(kxplan::ParseCommandLine({"Pound", "--workdir", "/tmp/x", "Plan.ret", "NORET"}, line,
                                     problem));
    QCOMPARE(line.scenario.value_or(""), std::string("Plan.ret"));
    QCOMPARE(kxplan::WorkingFolderOf(line), std::string("/tmp/x"));
    QCOMPARE(line.words, std::string("Pound --workdir /tmp/x Plan.ret NORET"));
    QVERIFY(!kxplan::ParseCommandLine({"--workdir"}, line, problem));
    QVERIFY(!kxplan::ParseCommandLine({"--bogus"}, line, problem));
    kxplan::CommandLine user;
    QVERIFY(kxplan::ParseCommandLine({"--user-folder"}, user, problem));
    QVERIFY(kxplan::WorkingFolderOf(user).find("kxplanner") != std::string::npos);
  }

  void headlessWordsStartAndExitAndTakePictures() {
    kxplan::CommandLine line;
    line.headless = kxplan::HeadlessWord::ExitAfterStart;
    line.workDir = dir_->filePath("first").toStdString();
    std::ostringstream err;
    QCOMPARE(kxplan::RunHeadless(line, err), 0);
    QCOMPARE(err.str(), std::string());
    QVERIFY(QFile::exists(dir_->filePath("first/finance.dat")));
    QVERIFY(QFile::exists(dir_->filePath("first/EXAMPLE6.RET")));
    QVERIFY(!QFile::exists(dir_->filePath("first/bigfile.tmp")));

    line.headless = kxplan::HeadlessWord::Screenshot;
    line.screenshotDir = dir_->filePath("shots").toStdString();
    QCOMPARE(kxplan::RunHeadless(line, err), 0);
    const QStringList shots = QDir(dir_->filePath("shots")).entryList({"*.png"});
    QVERIFY(shots.contains(QStringLiteral("folder-01-Summary.png")));
    QVERIFY(shots.contains(QStringLiteral("folder-07-Incoming-Outgoing.png")));
    QVERIFY(shots.contains(QStringLiteral("dialog-PREF.png")));
    // Every folder, the four account tabs and the zoomed net worth graph.
    QCOMPARE(shots.filter(QStringLiteral("folder-")).size(), kxui::kFolderCount + 4 + 1);
    QVERIFY(shots.contains(QStringLiteral("folder-06-Net-Worth-zoomed.png")));
    QVERIFY(shots.contains(QStringLiteral("folder-15-Monte-Carlo-Analysis.png")));
  }
};

QTEST_MAIN(KxplanWindowTest)
#include "kxplan_window_test.moc"
