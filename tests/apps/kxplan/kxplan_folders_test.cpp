// kxplan's Accounts and Scenario folders and a form's dialog under the offscreen platform: the
// list view's columns and totals, the withdrawal-order switch, the event list's lines, and a
// dialog that shows its form's fields and forwards what is typed.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "core/accounts.h"
#include "core/text.h"
#include "planner/forms/form_factory.h"
#include "planner/planner.h"
#include "platform/scripted.h"
#include "tests/apps/window_harness.h"
#include "tests/support/refinance_example.h"
#include "ui/dialogs/form_dialog.h"
#include "ui/list_folders.h"
#include "ui/main_window.h"

class KxplanFoldersTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<platform::ScriptedPlatform> platform_;
  std::unique_ptr<planner::Planner> planner_;
  std::unique_ptr<kxui::MainWindow> window_;

  void Start() {
    dir_ = std::make_unique<QTemporaryDir>();
    platform_ = std::make_unique<platform::ScriptedPlatform>();
    planner_ = std::make_unique<planner::Planner>(
        platform_->services(), dir_->path().toStdString(), planner::StartupOptions{});
    window_ = std::make_unique<kxui::MainWindow>(*planner_);
    apps_testing::ShowExposed(*window_);
    planner_->StartUp();
  }

 private Q_SLOTS:
  void cleanup() {
    window_.reset();
    planner_.reset();
  }

  void accountsFolderListsEveryAccountWithItsTotals() {
    Start();
    const core::Scenario& scenario = planner_->document().scenario;
    kxui::AccountsFolder* folder = window_->accounts();
    QTreeWidget* list = folder->list();
    QCOMPARE(list->columnCount(), 17);
    QCOMPARE(list->headerItem()->text(16), QStringLiteral("Std. Dev.  ID"));
    QCOMPARE(list->topLevelItemCount(), scenario.accountCount());
    QCOMPARE(folder->count()->text(), QString::number(scenario.accountCount()));
    QVERIFY(folder->total()->text().startsWith(QLatin1Char('$')));
    QCOMPARE(list->topLevelItem(0)->text(0),
             QString::fromLatin1(core::TextOf(scenario.account(0).name).c_str()));
    folder->withdrawalOrder()->setChecked(true);
    QCOMPARE(list->topLevelItemCount(), scenario.accountCount());
    list->setCurrentItem(list->topLevelItem(0));
    const int chosen = folder->SelectedAccount();
    QVERIFY(chosen >= 0);
    const QString name = list->topLevelItem(0)->text(0);
    QCOMPARE(QString::fromLatin1(core::TextOf(scenario.account(chosen).name).c_str()), name);
    // A dialog's account list sorts the table by name; the row still names its account.
    core::SortAccountsByName(planner_->document().scenario);
    QCOMPARE(QString::fromLatin1(
                 core::TextOf(scenario.account(folder->SelectedAccount()).name).c_str()),
             name);
  }

  void scenarioFolderShowsTheListing() {
    Start();
    kxui::ScenarioFolder* folder = window_->scenario();
    QCOMPARE(folder->list()->count(), static_cast<int>(planner_->eventListing().lines().size()));
    QVERIFY(folder->list()->count() > 0);
  }

  void formDialogForwardsWhatIsTyped() {
    Start();
    auto form = planner::forms::MakeForm(*planner_, planner::Place{planner::PlaceKind::Dialog,
                                                                   "WITHDRAWAL"});
    kxui::FormDialog dialog(*form, *form, window_.get());
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Withdrawal"));
    QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
    QCOMPARE(edits.size(), 5);
    QTest::keyClicks(edits[1], QStringLiteral("61"));
    QCOMPARE(QString::fromStdString(form->Find("Start Age")->text), QStringLiteral("61"));
    bool hasLabel = false;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
      hasLabel |= label->text() == QStringLiteral("Withdrawal Account");
    }
    QVERIFY(hasLabel);
  }

  void aTableShowsItsColumnsAndCells() {
    Start();
    // The refinance's yearly rows, two per age from 50 to 69, under the file's ten titles.
    planner_->calculators().refinance = testing_support::TenYearRefinance();
    auto form = planner::forms::MakeForm(*planner_, planner::Place{planner::PlaceKind::Dialog,
                                                                   "REFINANCE"});
    QCOMPARE(form->Press("Do Analysis"), planner::forms::Outcome::Opened);
    kxui::FormDialog dialog(*form, form->Active(), window_.get());
    dialog.show();
    QCOMPARE(dialog.objectName(), QStringLiteral("RASCHEDULE"));
    QTreeWidget* table = dialog.findChild<QTreeWidget*>();
    QVERIFY(table != nullptr);
    QCOMPARE(table->columnCount(), 10);
    QCOMPARE(table->headerItem()->text(0), QStringLiteral("Age"));
    QCOMPARE(table->headerItem()->text(9), QStringLiteral("-Tax on Interest"));
    QCOMPARE(table->topLevelItemCount(), 40);
    // Cells stand trimmed and right-aligned; the existing row's payment difference is 0.00.
    QCOMPARE(table->topLevelItem(0)->text(0), QStringLiteral("50 O"));
    QCOMPARE(table->topLevelItem(0)->text(4), QStringLiteral("0.00"));
    QVERIFY(table->topLevelItem(1)->textAlignment(1) & Qt::AlignRight);
    // A table has no label beside it: it spans its row.
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
      QVERIFY(label->text() != QStringLiteral("Years"));
    }
  }

  void doubleClickOnAnAccountOpensTheAccountRateDialog() {
    Start();
    auto form = planner::forms::MakeForm(*planner_, planner::Place{planner::PlaceKind::Dialog,
                                                                   "FUNDAMENTALS"});
    kxui::FormDialog dialog(*form, *form, window_.get());
    apps_testing::ShowExposed(dialog);
    QListWidget* accounts = dialog.findChild<QListWidget*>();
    QVERIFY(accounts != nullptr);
    QVERIFY(accounts->count() > 1);
    QStringList opened;
    apps_testing::DialogWatchdog watchdog;
    watchdog.Start([&opened](const QString& title) { opened << title; });
    QListWidgetItem* second = accounts->item(1);
    const QString chosen = second->text();
    accounts->scrollToItem(second);
    Q_EMIT accounts->itemDoubleClicked(second);
    watchdog.Stop();
    QCOMPARE(opened, QStringList{QStringLiteral("Account Rate")});
    QCOMPARE(QString::fromStdString(form->Find("Select account.")->text), chosen);
  }
};

QTEST_MAIN(KxplanFoldersTest)
#include "kxplan_folders_test.moc"
