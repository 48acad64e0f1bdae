// The calculation behind the calculator's window: the checks and their messages, the payments
// of the three methods as the output fields show them, and the schedule, worked by hand over
// the tables of life_table_files.h.
#include "apps/kxrule/rule72t_calculator.h"

#include <QTest>
#include <cmath>

#include "platform/scripted.h"
#include "tests/apps/kxrule/life_table_files.h"

using kxrule::CalculatorFields;
using kxrule::LifeTable;
using kxrule::Method;
using kxrule::Rule72tCalculation;
using kxrule::ScheduleEntry;

namespace {

// Balances of a few hundred thousand hold about two decimals in single precision.
constexpr float kCent = 0.01f;

bool WithinACent(float actual, float expected) { return std::fabs(actual - expected) <= kCent; }

CalculatorFields Fields(const char* age, const char* beneficiary, const char* end, const char* rate,
                        const char* balance, LifeTable table, Method method) {
  CalculatorFields fields;
  fields.age = age;
  fields.beneficiaryAge = beneficiary;
  fields.endAge = end;
  fields.rate = rate;
  fields.balance = balance;
  fields.table = table;
  fields.method = method;
  return fields;
}

QString Describe(const std::vector<ScheduleEntry>& schedule) {
  QString text;
  for (const ScheduleEntry& entry : schedule) {
    text += QString::asprintf("%.1f %.2f %.2f; ", static_cast<double>(entry.age),
                              static_cast<double>(entry.balance),
                              static_cast<double>(entry.withdrawal));
  }
  return text;
}

}  // namespace

class Rule72tCalculatorTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  platform::ScriptedPrompter prompter_;

  bool Calculate(const CalculatorFields& fields, Rule72tCalculation& calculation,
                 graph::Currency currency = graph::Currency::Dollars) {
    kxrule::CalculatorEnvironment environment{prompter_, dir_.path().toStdString(), currency};
    return kxrule::RecalculateRule72t(fields, environment, calculation);
  }

 private slots:
  void initTestCase() { kxrule_testing::WriteLifeTables(dir_); }
  void init() { prompter_.Clear(); }

  // Rate 0, nobody dies: the annuity factor at 50 is 1 + 65 years of 1 = 66, so 66,000 pays
  // 1,000 a year; Es(50) = 62 gives 66,000 / 62 = 1,064.52 by amortization (the limit B / L)
  // and by the minimum method. An empty end age runs the schedule from 50 to 55.
  void rateZeroPassesAndEmptyEndAgeGivesSixYears() {
    Rule72tCalculation calculation;
    QVERIFY(Calculate(Fields("50", "45", "", "0", "66000", LifeTable::Single, Method::Annuity),
                      calculation));
    QVERIFY(prompter_.shown().empty());
    QCOMPARE(calculation.outputs.annuity, std::string("$1,000"));
    QCOMPARE(calculation.outputs.amortization, std::string("$1,065"));
    QCOMPARE(calculation.outputs.minimum, std::string("$1,065"));
    QCOMPARE(calculation.outputs.annualWithdrawal, std::string("$1,000"));
    QCOMPARE(calculation.schedule.size(), size_t{6});
    for (size_t k = 0; k < calculation.schedule.size(); ++k) {
      const ScheduleEntry& entry = calculation.schedule[k];
      QCOMPARE(entry.age, 50.0f + static_cast<float>(k));
      QVERIFY2(WithinACent(entry.withdrawal, 1000.0f), qPrintable(Describe(calculation.schedule)));
      QVERIFY2(WithinACent(entry.balance, 65000.0f - 1000.0f * static_cast<float>(k)),
               qPrintable(Describe(calculation.schedule)));
    }
  }

  // A fractional age: the end age is 55.5 and the schedule still runs from whole age 50 to 55.
  void emptyEndAgeCountsFromTheWholeAge() {
    Rule72tCalculation calculation;
    QVERIFY(Calculate(Fields("50.5", "45", "", "0", "66000", LifeTable::Single, Method::Annuity),
                      calculation));
    QCOMPARE(calculation.schedule.size(), size_t{6});
    QCOMPARE(calculation.schedule.front().age, 50.0f);
    QCOMPARE(calculation.schedule.back().age, 55.0f);
  }

  // Annuity and amortization pay the first year's amount every year, whatever the balance.
  void annuityAndAmortizationPayEqualAmounts_data() {
    QTest::addColumn<int>("method");
    QTest::newRow("annuity") << static_cast<int>(Method::Annuity);
    QTest::newRow("amortization") << static_cast<int>(Method::Amortization);
  }
  void annuityAndAmortizationPayEqualAmounts() {
    QFETCH(int, method);
    Rule72tCalculation calculation;
    QVERIFY(Calculate(
        Fields("50", "45", "59", "4.5", "400000", LifeTable::Single, static_cast<Method>(method)),
        calculation));
    QCOMPARE(calculation.schedule.size(), size_t{10});
    float first = calculation.schedule.front().withdrawal;
    QVERIFY(first > 0.0f);
    QCOMPARE(kxrule::PaymentText(first, graph::Currency::Dollars),
             calculation.outputs.annualWithdrawal);
    float balance = 400000.0f;
    for (const ScheduleEntry& entry : calculation.schedule) {
      QCOMPARE(entry.withdrawal, first);
      balance = (balance - first) * 1.045f;
      QVERIFY2(std::fabs(entry.balance - balance) <= 0.05f,
               qPrintable(Describe(calculation.schedule)));
    }
  }

  // Worked by hand at 10 %: 62,000 / Es(50) = 62 pays 1,000, leaving (62,000 - 1,000) x 1.1 =
  // 67,100; then 67,100 / Es(51) = 61 pays 1,100, leaving 60 x 1,210 = 72,600; each year the
  // payment grows by the same 10 % as the balance over the shrinking expectancy.
  void minimumFollowsTheBalance() {
    Rule72tCalculation calculation;
    QVERIFY(Calculate(Fields("50", "45", "55", "10", "62000", LifeTable::Single, Method::Minimum),
                      calculation));
    const float withdrawals[] = {1000.0f, 1100.0f, 1210.0f, 1331.0f, 1464.1f, 1610.51f};
    const float balances[] = {67100.0f, 72600.0f, 78529.0f, 84917.8f, 91799.07f, 99207.42f};
    QCOMPARE(calculation.schedule.size(), size_t{6});
    for (size_t k = 0; k < 6; ++k) {
      QVERIFY2(WithinACent(calculation.schedule[k].withdrawal, withdrawals[k]),
               qPrintable(Describe(calculation.schedule)));
      QVERIFY2(std::fabs(calculation.schedule[k].balance - balances[k]) <= 0.05f,
               qPrintable(Describe(calculation.schedule)));
    }
    // The outputs show the first year, not the last one computed.
    QCOMPARE(calculation.outputs.minimum, std::string("$1,000"));
    QCOMPARE(calculation.outputs.annualWithdrawal, std::string("$1,000"));
  }

  // Joint entry of 50 and 45: 250 - 50 - 45 = 155, so 155,000 pays 1,000 by the minimum
  // method; the uniform divisor Eu(50) = 70 makes 70,000 pay 1,000.
  void tablesChooseTheLifeExpectancy_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("balance");
    QTest::newRow("joint") << static_cast<int>(LifeTable::Joint) << "155000";
    QTest::newRow("uniform") << static_cast<int>(LifeTable::Uniform) << "70000";
    QTest::newRow("single") << static_cast<int>(LifeTable::Single) << "62000";
  }
  void tablesChooseTheLifeExpectancy() {
    QFETCH(int, table);
    QFETCH(QString, balance);
    Rule72tCalculation calculation;
    QVERIFY(Calculate(Fields("50", "45", "59", "0", qPrintable(balance),
                             static_cast<LifeTable>(table), Method::Minimum),
                      calculation));
    QCOMPARE(calculation.outputs.minimum, std::string("$1,000"));
    QVERIFY(WithinACent(calculation.schedule.front().withdrawal, 1000.0f));
  }

  // The older age is the owner's either way: the payments agree, and so do the years both
  // schedules hold (the one from 45 starts with the same two ages, 50 and 45).
  void swappedAgesGiveTheSameResults_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("method");
    for (int table = 0; table < 3; ++table) {
      for (int method = 0; method < 3; ++method) {
        QTest::addRow("table %d method %d", table, method) << table << method;
      }
    }
  }
  void swappedAgesGiveTheSameResults() {
    QFETCH(int, table);
    QFETCH(int, method);
    Rule72tCalculation ownerOlder, beneficiaryOlder;
    auto table72 = static_cast<LifeTable>(table);
    auto method72 = static_cast<Method>(method);
    QVERIFY(Calculate(Fields("50", "45", "59", "4.5", "400000", table72, method72), ownerOlder));
    QVERIFY(
        Calculate(Fields("45", "50", "59", "4.5", "400000", table72, method72), beneficiaryOlder));
    QCOMPARE(beneficiaryOlder.outputs.annuity, ownerOlder.outputs.annuity);
    QCOMPARE(beneficiaryOlder.outputs.amortization, ownerOlder.outputs.amortization);
    QCOMPARE(beneficiaryOlder.outputs.minimum, ownerOlder.outputs.minimum);
    QCOMPARE(beneficiaryOlder.outputs.annualWithdrawal, ownerOlder.outputs.annualWithdrawal);
    QCOMPARE(ownerOlder.schedule.size(), size_t{10});
    QCOMPARE(beneficiaryOlder.schedule.size(), size_t{15});
    for (size_t k = 0; k < ownerOlder.schedule.size(); ++k) {
      QCOMPARE(beneficiaryOlder.schedule[k].withdrawal, ownerOlder.schedule[k].withdrawal);
      QCOMPARE(beneficiaryOlder.schedule[k].balance, ownerOlder.schedule[k].balance);
    }
  }

  void poundsMarkEveryMoneyText() {
    Rule72tCalculation calculation;
    QVERIFY(Calculate(Fields("50", "45", "", "0", "66000", LifeTable::Single, Method::Annuity),
                      calculation, graph::Currency::Pounds));
    QCOMPARE(calculation.outputs.annuity, std::string("\xA3"
                                                      "1,000"));
    QCOMPARE(calculation.outputs.amortization, std::string("\xA3"
                                                           "1,065"));
    QCOMPARE(calculation.outputs.minimum, std::string("\xA3"
                                                      "1,065"));
    QCOMPARE(calculation.outputs.annualWithdrawal, std::string("\xA3"
                                                               "1,000"));
  }

  // Each check in its order, with its message; the previous results stay.
  void checksShowTheirMessageAndKeepTheResults_data() {
    QTest::addColumn<QStringList>("field");  // age, beneficiary, end, rate, table
    QTest::addColumn<QString>("message");
    const QString young =
        "Age Error: Ages cannot be less than 10 when using the Uniform Life Table.";
    const QString old = "Age Error: Ages cannot be more than 115.";
    const QString rate = "Rate Error: Rates must be between 0.0% and 100.0%";
    const QString negative = "Age Error: Ages must be greater than 0.0";
    const QString end = "Age Error: The End Age must be greater than the Age.";
    QTest::newRow("uniform, beneficiary 9")
        << QStringList{"50", "9", "59", "4.5", "uniform"} << young;
    QTest::newRow("uniform before rate") << QStringList{"9", "45", "59", "101", "uniform"} << young;
    QTest::newRow("age 116") << QStringList{"116", "45", "120", "4.5", "single"} << old;
    QTest::newRow("beneficiary 115.5") << QStringList{"50", "115.5", "59", "4.5", "joint"} << old;
    QTest::newRow("rate 100.1") << QStringList{"50", "45", "59", "100.1", "single"} << rate;
    QTest::newRow("rate -0.5") << QStringList{"50", "45", "59", "-0.5", "single"} << rate;
    QTest::newRow("beneficiary -1") << QStringList{"50", "-1", "59", "4.5", "single"} << negative;
    QTest::newRow("end 49") << QStringList{"50", "45", "49", "4.5", "single"} << end;
    QTest::newRow("end 50.9 of 50.5") << QStringList{"50.5", "45", "50.9", "4.5", "single"} << end;
    QTest::newRow("end far away")
        << QStringList{"50", "45", "1e30", "4.5", "single"}
        << "Age Error: The End Age cannot be more than 98 years after the Age.";
  }
  void checksShowTheirMessageAndKeepTheResults() {
    QFETCH(QStringList, field);
    QFETCH(QString, message);
    Rule72tCalculation calculation;
    QVERIFY(Calculate(CalculatorFields{}, calculation));
    const Rule72tCalculation before = calculation;
    LifeTable table = field[4] == "uniform" ? LifeTable::Uniform
                      : field[4] == "joint" ? LifeTable::Joint
                                            : LifeTable::Single;
    CalculatorFields fields =
        Fields(qPrintable(field[0]), qPrintable(field[1]), qPrintable(field[2]),
               qPrintable(field[3]), "400000", table, Method::Annuity);
    QVERIFY(!Calculate(fields, calculation));
    QCOMPARE(prompter_.Lines(), std::vector<std::string>{message.toStdString()});
    QCOMPARE(calculation.outputs.annualWithdrawal, before.outputs.annualWithdrawal);
    QCOMPARE(calculation.schedule.size(), before.schedule.size());
  }

  // The limits themselves pass: ages 0, 10 with the uniform table and 115, rates 0 and 100,
  // and the longest schedule of 99 years.
  void limitsPass_data() {
    QTest::addColumn<QStringList>("field");
    QTest::addColumn<int>("years");
    QTest::newRow("age 0") << QStringList{"0", "0", "5", "4.5", "single"} << 6;
    QTest::newRow("uniform 10") << QStringList{"10", "10", "12", "4.5", "uniform"} << 3;
    QTest::newRow("age 115") << QStringList{"115", "115", "", "100", "joint"} << 6;
    QTest::newRow("99 years") << QStringList{"17", "17", "115", "0", "single"} << 99;
  }
  void limitsPass() {
    QFETCH(QStringList, field);
    QFETCH(int, years);
    LifeTable table = field[4] == "uniform" ? LifeTable::Uniform
                      : field[4] == "joint" ? LifeTable::Joint
                                            : LifeTable::Single;
    for (Method method : {Method::Annuity, Method::Amortization, Method::Minimum}) {
      Rule72tCalculation calculation;
      QVERIFY(Calculate(Fields(qPrintable(field[0]), qPrintable(field[1]), qPrintable(field[2]),
                               qPrintable(field[3]), "400000", table, method),
                        calculation));
      QCOMPARE(static_cast<int>(calculation.schedule.size()), years);
    }
    QVERIFY(prompter_.shown().empty());
  }

  // Empty fields count as 0 and texts that are no number too: the balance of 0 pays nothing.
  void emptyAndUnreadableFieldsCountAsZero() {
    Rule72tCalculation calculation;
    QVERIFY(Calculate(Fields("50", "", "", "nan", "money", LifeTable::Single, Method::Minimum),
                      calculation));
    QCOMPARE(calculation.outputs.minimum, std::string("$0"));
    QCOMPARE(calculation.schedule.size(), size_t{6});
    QCOMPARE(calculation.schedule.back().balance, 0.0f);
  }

  // A balance near the largest float overflows within a year at 100 %: the schedule still
  // holds every year, and the texts stay short.
  void anOverflowingBalanceKeepsEveryYear() {
    Rule72tCalculation calculation;
    QVERIFY(Calculate(Fields("17", "17", "115", "100", "3e38", LifeTable::Single, Method::Minimum),
                      calculation));
    QCOMPARE(calculation.schedule.size(), size_t{99});
    QVERIFY(std::isinf(calculation.schedule.back().balance));
    QVERIFY(calculation.outputs.annualWithdrawal.size() < 64);
  }

  // A life table cut short is reported once per calculation, not once per year.
  void aShortLifeTableIsReportedOnce() {
    QTemporaryDir shortTables;
    kxrule_testing::WriteFile(shortTables, "mort.dat", "0.0\n0.0\n");
    kxrule_testing::WriteFile(shortTables, "jointtab.dat", kxrule_testing::JointText());
    kxrule::CalculatorEnvironment environment{prompter_, shortTables.path().toStdString(),
                                              graph::Currency::Dollars};
    Rule72tCalculation calculation;
    QVERIFY(kxrule::RecalculateRule72t(
        Fields("50", "45", "59", "4.5", "400000", LifeTable::Single, Method::Minimum), environment,
        calculation));
    QCOMPARE(prompter_.shown().size(), size_t{1});
    QCOMPARE(prompter_.shown().front().caption, std::string("Life Table Error"));
    QCOMPARE(calculation.outputs.annualWithdrawal, std::string("$0"));
    QCOMPARE(calculation.outputs.annuity, std::string("$0.00"));  // no factor: kept
  }
};

QTEST_GUILESS_MAIN(Rule72tCalculatorTest)
#include "rule72t_calculator_test.moc"
