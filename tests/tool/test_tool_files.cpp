// kalvero-tool's file commands as a script sees them: output text and exit codes.
#include <QtTest>

#include "temp_dir.h"
#include "tool_run.h"

using kalvero::test::TempDir;
using kalvero::test::Tool;
using Run = kalvero::test::ToolRun;

namespace {

const QByteArray kSolved =
    "123456789456789123789123456234567891567891234891234567345678912678912345912345678";

}  // namespace

class ToolFilesTest : public QObject {
  Q_OBJECT
 private slots:
  void count_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("three lines, one blank") << QByteArray("a\r\n\r\nc\r\n") << QByteArray("3\n");
    QTest::newRow("empty") << QByteArray("") << QByteArray("0\n");
    QTest::newRow("missing") << QByteArray() << QByteArray("0\n");
  }
  void count() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, out);
    TempDir dir;
    const Run r = Tool({"count", QString::fromStdString(bytes.isNull() ? dir.Path("none.txt") : dir.Write("p.txt", bytes))});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, out);
  }

  void clues() {
    TempDir dir;
    const Run r = Tool({"clues", QString::fromStdString(dir.Write("p.txt", kSolved + "\r\nshort\r\n" + kSolved.left(80) + "J\n"))});
    QCOMPARE(r.exitCode, 0);
    const QList<QByteArray> lines = r.out.split('\n');
    QCOMPARE(lines.size(), 4);  // three lines and the final empty piece
    QCOMPARE(lines[0], QByteArray("12 15 18 12 15 18 12 15 18 24 6 15 18 9 18 12 12 21 18 12 15 18 12 15 18 12 15 6 15 24 9 18 18 12 21 12"));
    QCOMPARE(lines[1], QByteArray("error: line shorter than 81 characters"));
    QVERIFY(lines[2].startsWith("error: "));
  }

  void showMarksGivensAndSums() {
    TempDir dir;
    QByteArray line = kSolved;
    line[1] = 'B';
    const Run r = Tool({"show", QString::fromStdString(dir.Write("p.txt", line + "\r\n")), "1"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains("p# 1 of 1"));
    QVERIFY(r.out.contains("Hard (1 given"));
    QVERIFY(r.out.contains("[2]"));
    QVERIFY(r.out.contains("   6 | 1 [2] 3 |"));
  }

  void errors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no command") << QStringList{} << 2;
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2;
    QTest::newRow("count without file") << QStringList{"count"} << 2;
    QTest::newRow("show with a word for N") << QStringList{"show", "x.txt", "two"} << 2;
    QTest::newRow("show a missing file") << QStringList{"show", "/nonexistent/x.txt", "1"} << 1;
    QTest::newRow("clues of a missing file") << QStringList{"clues", "/nonexistent/x.txt"} << 1;
  }
  void errors() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    const Run r = Tool(args);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY(!r.err.isEmpty());
    QVERIFY(r.out.isEmpty());
  }
};

QTEST_APPLESS_MAIN(ToolFilesTest)
#include "test_tool_files.moc"
