// Reading the compared files and changing the list: the reader's own rules (silent empty first
// line, the age 999 end, 100 rows), the ages the files cover together, at most 13 files, and
// removing by path.
#include "apps/kxcomp/compare_list.h"

#include <QTest>
#include <filesystem>

#include "platform/scripted.h"
#include "tests/apps/kxcomp/compare_fixture.h"
#include "tests/graph/plot_file_text.h"

using kxcomp::CompareList;
using kxcomp_testing::AgesData;
using kxcomp_testing::AgesFile;

class CompareListTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  platform::ScriptedPrompter prompter_;

  std::string Text(const QString& name, const std::string& text) {
    return apps_testing::WriteText(dir_, name, text).toStdString();
  }

 private slots:
  void init() { prompter_.Clear(); }

  // Ages 40-90 and 60-95 make one axis of 56 ages from 40.
  void twoFilesMakeOneAxisOverBothRanges() {
    CompareList list(prompter_);
    list.StartNew({AgesFile(dir_, "a.kxp", 40, 90), AgesFile(dir_, "b.kxp", 60, 95)});
    QCOMPARE(list.Axis().smallest, 40);
    QCOMPARE(list.Axis().count, 56);
    QVERIFY(prompter_.shown().empty());
  }

  void fifteenFilesKeepTheFirstThirteen() {
    std::vector<std::string> paths;
    for (int f = 0; f < 15; ++f) {
      paths.push_back(AgesFile(dir_, QString("f%1.kxp").arg(f), 60, 62));
    }
    CompareList list(prompter_);
    list.StartNew(paths);
    QCOMPARE(static_cast<int>(list.files().size()), 13);
    QCOMPARE(list.files().back().path, paths[12]);
  }

  void addingFollowsTheListUpToThirteen() {
    std::string a = AgesFile(dir_, "a.kxp", 50, 52);
    std::string b = AgesFile(dir_, "b.kxp", 70, 75);
    CompareList list(prompter_);
    list.StartNew({a});
    list.Add({b});
    QCOMPARE(static_cast<int>(list.files().size()), 2);
    QCOMPARE(list.files()[1].path, b);
    QCOMPARE(list.Axis().smallest, 50);
    QCOMPARE(list.Axis().count, 26);
    list.Add(std::vector<std::string>(20, a));
    QCOMPARE(static_cast<int>(list.files().size()), 13);
  }

  // Every entry of a chosen path goes; the others close up in order and read again.
  void removingDropsEveryEntryOfAPath() {
    std::string a = AgesFile(dir_, "a.kxp", 40, 90);
    std::string b = AgesFile(dir_, "b.kxp", 60, 95);
    CompareList list(prompter_);
    list.StartNew({a, b, a});
    list.Remove({a});
    QCOMPARE(static_cast<int>(list.files().size()), 1);
    QCOMPARE(list.files()[0].path, b);
    QVERIFY(list.files()[0].readable);
    // The axis follows the files that are left.
    QCOMPARE(list.Axis().smallest, 60);
    QCOMPARE(list.Axis().count, 36);
  }

  // The planner names its working file relative to the current folder; the chooser gives the
  // full path of the same file.
  void removingMatchesARelativeAndAFullPath() {
    std::string full = AgesFile(dir_, "plotinf01.tmp", 40, 50);
    std::string relative = std::filesystem::relative(full).string();
    QVERIFY(relative != full);
    CompareList list(prompter_);
    list.StartNew({relative, AgesFile(dir_, "b.kxp", 60, 62)});
    QVERIFY(list.files()[0].readable);
    list.Remove({full});
    QCOMPARE(static_cast<int>(list.files().size()), 1);
    QCOMPARE(list.files()[0].path, dir_.filePath("b.kxp").toStdString());
  }

  void removingTheOnlyFileLeavesNothing() {
    std::string a = AgesFile(dir_, "a.kxp", 40, 90);
    CompareList list(prompter_);
    list.StartNew({a});
    list.Remove({a});
    QVERIFY(list.files().empty());
    QCOMPARE(list.Axis().count, 0);
  }

  // Failures: the message (or none), the file stays listed but unread, the others are kept.
  void unreadableFilesAreReportedAndLeftOut_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty first line") << "blank.kxp" << QByteArray("\n1 Groups\n") << "";
    QTest::newRow("empty file") << "empty.kxp" << QByteArray() << "";
    QTest::newRow("first line 8") << "eight.kxp" << QByteArray("8 Groups\n")
                                  << "FILE OPEN ERROR: %1 is not a valid Dudavovez Odoredo file.";
    QTest::newRow("a letter") << "letter.kxp" << QByteArray("Groups\n")
                              << "FILE OPEN ERROR: %1 is not a valid Dudavovez Odoredo file.";
    QTest::newRow("ends after the count")
        << "count.kxp" << QByteArray("1 Groups\nFile: x\nDate: y\nTime: z\n3.00\n")
        << "FILE OPEN ERROR: 2 Cannot open %1 for reading.";
    QTest::newRow("missing") << "" << QByteArray()
                             << "FILE OPEN ERROR: Cannot open %1 for reading.";
  }
  void unreadableFilesAreReportedAndLeftOut() {
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    std::string bad =
        name.isEmpty() ? dir_.filePath("absent.kxp").toStdString() : Text(name, text.toStdString());
    std::string good = AgesFile(dir_, "good.kxp", 60, 70);
    CompareList list(prompter_);
    list.StartNew({bad, good});
    QCOMPARE(static_cast<int>(list.files().size()), 2);
    QVERIFY(!list.files()[0].readable);
    QVERIFY(list.files()[0].rows.empty());
    QVERIFY(list.files()[1].readable);
    QCOMPARE(list.Axis().smallest, 60);
    std::vector<std::string> expected;
    if (!message.isEmpty())
      expected.push_back(message.arg(QString::fromStdString(bad)).toStdString());
    QCOMPARE(prompter_.Lines(), expected);
  }

  // A file with line 1 alone reads without rows and leaves the axis to the others.
  void aFileOfOneLineHasNoRows() {
    CompareList list(prompter_);
    list.StartNew({Text("one.kxp", "1 Groups\n"), AgesFile(dir_, "b.kxp", 60, 61)});
    QVERIFY(list.files()[0].readable);
    QVERIFY(list.files()[0].rows.empty());
    QCOMPARE(list.Axis().smallest, 60);
    QCOMPARE(list.Axis().count, 2);
  }

  // The row of age 999 ends the rows; the purchasing-power values after the points still read.
  void ageNineNineNineEndsTheRows() {
    graph::PlotData data = AgesData(60, 64);
    data.rows[2][graph::kAge] = 999.0f;
    std::string path = apps_testing::WritePlotFile(dir_, "end.kxp", data).toStdString();
    CompareList list(prompter_);
    list.StartNew({path});
    const kxcomp::CompareFile& file = list.files()[0];
    QCOMPARE(static_cast<int>(file.rows.size()), 2);
    QCOMPARE(file.purchasingPower, (std::vector<float>{60.0f, 61.0f}));
    QCOMPARE(list.Axis().count, 2);
  }

  // A file that announces 150 points keeps the first 100 rows; the axis holds 99 ages.
  void aLongFileKeepsOneHundredRows() {
    std::string text = "1 Groups\nFile: x\nDate: y\nTime: z\n150.00\n0\n";
    for (int i = 0; i < 150; ++i)
      text += std::to_string(i) + " 0 0 0 0 0 5 0 0 0 0 0 0 0 0 0 0 0 0 0\n";
    CompareList list(prompter_);
    list.StartNew({Text("long.kxp", text)});
    QCOMPARE(static_cast<int>(list.files()[0].rows.size()), 100);
    QCOMPARE(list.Axis().smallest, 0);
    QCOMPARE(list.Axis().count, graph::kMaxPoints);
  }

  // Hostile ages (huge, negative, not numbers) keep the axis within the graph's points.
  void hostileAgesStayWithinTheAxis() {
    std::string text =
        "1 Groups\nFile: x\nDate: y\nTime: z\n3.00\n0\n"
        "-3e38 1 0 0 0 0 5 0 0 0 0 0 0 0 0 0 0 0 0 0\n"
        "3e38 1 0 0 0 0 5 0 0 0 0 0 0 0 0 0 0 0 0 0\n"
        "nan 1 0 0 0 0 5 0 0 0 0 0 0 0 0 0 0 0 0 0\n";
    CompareList list(prompter_);
    list.StartNew({Text("hostile.kxp", text)});
    QVERIFY(list.files()[0].readable);
    QCOMPARE(list.Axis().smallest, -1000000);
    QCOMPARE(list.Axis().count, graph::kMaxPoints);
  }

  // The saved copy ends in "Done" without a newline and reads like the working file.
  void aSavedCopyReadsLikeTheWorkingFile() {
    graph::PlotData data = AgesData(60, 63);
    std::string saved = Text("saved.kxp", graph_testing::PlotFileText(data, true));
    CompareList list(prompter_);
    list.StartNew({saved});
    QCOMPARE(static_cast<int>(list.files()[0].rows.size()), 4);
    QCOMPARE(list.files()[0].purchasingPower.size(), size_t{4});
  }
};

QTEST_GUILESS_MAIN(CompareListTest)
#include "compare_list_test.moc"
