// The calculator's window under the offscreen platform: the calculation at start, the options
// and buttons, the checks' messages, the Enter and Alt+X keys, help, the About box and the tips
// over the graphs. Messages are scripted; a watchdog closes any modal dialog a test opens, so no
// test can hang on one.
#include "apps/kxrule/rule_window.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "apps/kxrule/about_box.h"
#include "platform/scripted.h"
#include "qt/latin1_text.h"
#include "tests/apps/kxrule/life_table_files.h"

using kxrule::Command;
using kxrule::RuleWindow;

class RuleWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  platform::ScriptedPrompter prompter_;
  platform::RecordingHelpViewer help_;
  std::unique_ptr<RuleWindow> window_;
  QTimer watchdog_;
  QStringList dialogsSeen_;
  std::function<void(QWidget*)> onDialog_;

  RuleWindow& Open(graph::Currency currency = graph::Currency::Dollars) {
    window_ = std::make_unique<RuleWindow>(prompter_, help_, dir_.path().toStdString(), currency);
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) qWarning("window not exposed");
    window_->graphs().repaint();
    return *window_;
  }

  QString Annual() { return window_->calculator().annualWithdrawalOutput().text(); }

 private slots:
  void initTestCase() { kxrule_testing::WriteLifeTables(dir_); }

  void init() {
    prompter_.Clear();
    dialogsSeen_.clear();
    onDialog_ = [](QWidget* dialog) { dialog->close(); };
    connect(&watchdog_, &QTimer::timeout, this, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        dialogsSeen_ << modal->windowTitle();
        onDialog_(modal);
      }
    });
    watchdog_.start(50);
  }

  void cleanup() {
    watchdog_.stop();
    watchdog_.disconnect();
    window_.reset();
  }

  // Annuity and Single Life are chosen and the initial texts calculated once: ten years from
  // 50 to 59, the outputs filled, the graphs taking the right half of a window twice as wide
  // as the calculator.
  void startsCalculatedWithTheInitialTexts() {
    RuleWindow& window = Open();
    QCOMPARE(window.windowTitle(), QString("Rule 72T Calculator"));
    kxrule::CalculatorPanel& calculator = window.calculator();
    QCOMPARE(calculator.ageEdit().text(), QString("50"));
    QCOMPARE(calculator.beneficiaryAgeEdit().text(), QString("45"));
    QCOMPARE(calculator.endAgeEdit().text(), QString("59"));
    QCOMPARE(calculator.rateEdit().text(), QString("4.5"));
    QCOMPARE(calculator.balanceEdit().text(), QString("400000"));
    QCOMPARE(calculator.tableOptions().checkedButton()->text(), QString("Single Life"));
    QCOMPARE(calculator.methodOptions().checkedButton()->text(), QString("Annuity"));
    QCOMPARE(window.calculation().schedule.size(), size_t{10});
    QCOMPARE(calculator.annuityOutput().text(), Annual());
    QVERIFY(Annual().startsWith('$'));
    QVERIFY(Annual() != QString("$0.0"));
    QCOMPARE(window.width(), 2 * calculator.width());
    QCOMPARE(window.graphs().x(), calculator.width());
    QCOMPARE(window.graphs().height(), window.height());
    QVERIFY(window.minimumSize() == window.maximumSize());
    QVERIFY(prompter_.shown().empty());
  }

  // Choosing an option calculates at once.
  void choosingAMethodRecalculates() {
    RuleWindow& window = Open();
    QAbstractButton* minimum = window.calculator().methodOptions().button(2);
    QTest::mouseClick(minimum, Qt::LeftButton, Qt::NoModifier, QPoint(8, minimum->height() / 2));
    QCOMPARE(Annual(), window.calculator().minimumOutput().text());
    QVERIFY(window.calculation().schedule[1].withdrawal !=
            window.calculation().schedule[0].withdrawal);
  }

  // Rate 0, 66,000 at 50 with nobody dying pays 1,000 a year by annuity (see the tables).
  void calculateReadsTheFields() {
    RuleWindow& window = Open();
    window.calculator().rateEdit().setText("0");
    window.calculator().balanceEdit().setText("66000");
    window.calculator().endAgeEdit().clear();
    QTest::mouseClick(window.calculator().button(Command::Recalculate), Qt::LeftButton);
    QCOMPARE(Annual(), QString("$1,000"));
    QCOMPARE(window.calculation().schedule.size(), size_t{6});
  }

  void aFailedCheckShowsItsMessageAndKeepsTheResults() {
    RuleWindow& window = Open();
    QString before = Annual();
    window.calculator().endAgeEdit().setText("40");
    window.calculator().balanceEdit().setText("1000");
    QTest::mouseClick(window.calculator().button(Command::Recalculate), Qt::LeftButton);
    QCOMPARE(prompter_.Lines(),
             std::vector<std::string>{"Age Error: The End Age must be greater than the Age."});
    QCOMPARE(Annual(), before);
    QCOMPARE(window.calculation().schedule.size(), size_t{10});
  }

  // Enter in a field chooses no button: nothing is calculated.
  void enterDoesNothing() {
    RuleWindow& window = Open();
    QString before = Annual();
    window.calculator().balanceEdit().setText("1000");
    window.calculator().balanceEdit().setFocus();
    QTest::keyClick(&window.calculator().balanceEdit(), Qt::Key_Return);
    QTest::keyClick(&window.calculator().balanceEdit(), Qt::Key_Enter);
    QCOMPARE(Annual(), before);
    QVERIFY(window.isVisible());
  }

  // Moving the window calculates again, without messages for fields that fail their checks.
  void movingRecalculatesQuietly() {
    RuleWindow& window = Open();
    window.calculator().balanceEdit().setText("66000");
    window.calculator().rateEdit().setText("0");
    window.calculator().endAgeEdit().clear();
    QMoveEvent move(QPoint(120, 120), QPoint(100, 100));
    QApplication::sendEvent(&window, &move);
    QCOMPARE(Annual(), QString("$1,000"));
    window.calculator().rateEdit().setText("200");
    QApplication::sendEvent(&window, &move);
    QVERIFY(prompter_.shown().empty());
    QCOMPARE(Annual(), QString("$1,000"));
  }

  void altXCloses() {
    RuleWindow& window = Open();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window.calculator().ageEdit(), Qt::Key_X, Qt::AltModifier);
    QVERIFY(!window.isVisible());
  }

  void helpCommandsOpenTheirTopics() {
    RuleWindow& window = Open();
    QTest::mouseClick(window.calculator().button(Command::Help), Qt::LeftButton);
    window.RunCommand(static_cast<int>(Command::MoreHelp));
    QCOMPARE(help_.requests().size(), size_t{2});
    QCOMPARE(help_.requests()[0].file, std::string(".\\rule.hlp"));
    QCOMPARE(help_.requests()[0].topic, 1545);
    QCOMPARE(help_.requests()[1].topic, 1552);
  }

  void aboutBoxShowsNameAndVersion() {
    RuleWindow& window = Open();
    QStringList texts;
    onDialog_ = [&texts](QWidget* dialog) {
      for (QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
      dialog->close();
    };
    QTest::mouseClick(window.calculator().button(Command::About), Qt::LeftButton);
    QCOMPARE(dialogsSeen_, QStringList{" About the Rule 72T Calculator"});
    QVERIFY(texts.contains(" The Rule 72T Calculator"));
    QVERIFY(texts.contains("Version 1.1"));
  }

  // Any key and any click close the About box, on its texts as well.
  void aboutBoxClosesOnAnyKeyOrClick() {
    kxrule::AboutBox keyed;
    keyed.show();
    QTest::keyClick(&keyed, Qt::Key_Q);
    QCOMPARE(keyed.result(), int(QDialog::Accepted));
    QVERIFY(!keyed.isVisible());
    kxrule::AboutBox clicked;
    clicked.show();
    QLabel* label = clicked.findChildren<QLabel*>().front();
    QTest::mouseClick(&clicked, Qt::RightButton, Qt::NoModifier, label->geometry().center());
    QVERIFY(!clicked.isVisible());
  }

  void poundsOnTheCommandLineMarkTheOutputs() {
    RuleWindow& window = Open(graph::Currency::Pounds);
    QVERIFY(Annual().startsWith(QChar(0xA3)));
    QVERIFY(window.calculator().amortizationOutput().text().startsWith(QChar(0xA3)));
  }

  // Over a point of the upper graph the tip shows that year's balance, over the lower one the
  // withdrawal; the pointer is a cross over the plots only.
  void tipsShowTheValueOfThePointUnderThePointer() {
    RuleWindow& window = Open();
    window.calculator().rateEdit().setText("0");
    window.calculator().balanceEdit().setText("66000");
    window.calculator().endAgeEdit().clear();
    window.Recalculate();
    kxrule::RuleGraphPanel& graphs = window.graphs();
    graphs.repaint();
    const auto& halves = graphs.drawn()->halves;
    const graph::GraphLayout& upper = halves[0].layout;
    QPoint third(graph::PixelXOf(upper, 2) + 1, upper.y0 - upper.H / 2);
    QTest::mouseMove(&graphs, third);
    QVERIFY(graphs.tip().has_value());
    QCOMPARE(graphs.tip()->text, std::string("$63,000"));  // 66,000 less three years of 1,000
    QCOMPARE(graphs.cursor().shape(), Qt::CrossCursor);

    const graph::GraphLayout& lower = halves[1].layout;
    QTest::mouseMove(&graphs, QPoint(graph::PixelXOf(lower, 5), lower.y0 - 5));
    QCOMPARE(graphs.tip()->text, std::string("$1,000"));

    QTest::mouseMove(&graphs, QPoint(2, 2));
    QVERIFY(!graphs.tip().has_value());
    QCOMPARE(graphs.cursor().shape(), Qt::ArrowCursor);
  }
};

QTEST_MAIN(RuleWindowTest)
#include "rule_window_test.moc"
