// kalvero-tool's engine commands as a script sees them: output formats and
// exit codes.
#include <QtTest>

#include "temp_dir.h"
#include "tool_run.h"

using kalvero::test::TempDir;
using kalvero::test::Tool;
using Run = kalvero::test::ToolRun;

namespace {

const QString kNineGiven = "7259618341D37B86I59683452713128794566E72A43H94896531272745869135C14I27F8896137542";
const QString kSolution = "725961834143728695968345271312879456657214389489653127274586913531492768896137542";

}  // namespace

class ToolEngineTest : public QObject {
  Q_OBJECT
 private slots:
  void verifyPrintsOneLinePerLine() {
    TempDir dir;
    const QByteArray file = kNineGiven.toLatin1() + "\r\nshort\r\n" + kSolution.toLatin1() + "\r\n";
    const Run r = Tool({"verify", QString::fromStdString(dir.Write("p.txt", file))});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray("1 0\n2 error\n3 1\n"));
    QVERIFY(!r.err.isEmpty());
  }

  void solve_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<bool>("exact");  // otherwise: out is the line's start
    QString open = kSolution;
    open[0] = QLatin1Char('.');
    open[40] = QLatin1Char('0');
    QTest::newRow("two open cells") << QStringList{open}
                                    << "failed=0 placements=2 branchpoints=0 board=" + kSolution.toLatin1() + "\n" << true;
    QTest::newRow("puzzle line, limit 0: one search step")
        << QStringList{kNineGiven, "--limit", "0"} << QByteArray("failed=1 placements=1 branchpoints=1 board=") << false;
    // Rows 1 and 2 leave only 8 for the last two cells of row 1: the search
    // meets the repeated 8 with nothing left to try. The solver's code for
    // that is no count.
    QString noSolution(81, QLatin1Char('.'));
    noSolution.replace(0, 7, "1234567");
    noSolution[16] = noSolution[35] = QLatin1Char('9');
    QTest::newRow("no solution") << QStringList{noSolution}
                                 << "failed=1 placements=0 branchpoints=0 board=123456788000000090000000000000000009" +
                                        QByteArray(45, '0') + "\n"
                                 << true;
  }
  void solve() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, out);
    QFETCH(bool, exact);
    const Run r = Tool(QStringList{"solve"} + args);
    QCOMPARE(r.exitCode, 0);
    if (exact) {
      QCOMPARE(r.out, out);
    } else {
      QVERIFY2(r.out.startsWith(out), r.out.constData());
      QCOMPARE(r.out.size(), out.size() + 82);
    }
  }

  // Exit 1 for a board that is no board, 2 for a wrong argument; the first
  // line says what is wrong.
  void rejectsBadArguments_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("reason");
    QTest::newRow("too short") << QStringList{"solve", "123"} << 1
                               << QByteArray("kalvero-tool: BOARD must be 81 characters, not 3");
    QTest::newRow("stray character") << QStringList{"solve", "x" + QString(80, QLatin1Char('.'))} << 1
                                     << QByteArray("kalvero-tool: BOARD: character 1 \"x\" is not 1-9, 0 or .");
    QTest::newRow("repeated given") << QStringList{"solve", "1.......1" + QString(72, QLatin1Char('.'))} << 1
                                    << QByteArray("kalvero-tool: BOARD: 1 is given twice in row 1");
    QTest::newRow("nine 9s in a row") << QStringList{"solve", QString(9, QLatin1Char('9')) + QString(72, QLatin1Char('.'))}
                                      << 1 << QByteArray("kalvero-tool: BOARD: 9 is given twice in row 1");
    QTest::newRow("repeated letter in a box") << QStringList{"solve", "A.........A" + QString(70, QLatin1Char('.'))} << 1
                                              << QByteArray("kalvero-tool: BOARD: 1 is given twice in box 1");
    QTest::newRow("pencil line with a character more") << QStringList{"pencil", kNineGiven + "7"} << 1
                                                       << QByteArray("kalvero-tool: LINE must be 81 characters, not 82");
    QTest::newRow("bad limit") << QStringList{"solve", QString(81, QLatin1Char('.')), "--limit", "many"} << 2
                               << QByteArray("kalvero-tool: --limit must be 0 to 1000000000");
    QTest::newRow("entry letter") << QStringList{"pencil", kNineGiven, "7" + QString(79, QLatin1Char('.')) + "q"} << 2
                                  << QByteArray("kalvero-tool: ENTRIES: character 81 \"q\" is not 1-9, 0 or .");
    QTest::newRow("short entries") << QStringList{"pencil", kNineGiven, "7"} << 2
                                   << QByteArray("kalvero-tool: ENTRIES must be 81 characters, not 1");
    QTest::newRow("verify two files") << QStringList{"verify", "a", "b"} << 2
                                      << QByteArray("kalvero-tool: verify takes 1 argument, not 2");
  }
  void rejectsBadArguments() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, reason);
    const Run r = Tool(args);
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(r.err.split('\n').first(), reason);
  }

  void pencil_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("start");  // the first cells of the output
    QTest::newRow("read puzzle") << QStringList{kNineGiven} << QByteArray("12356789|1267|12356789|3456789|3467|");
    QTest::newRow("created") << QStringList{kNineGiven, "--created"} << QByteArray("123456789|123567|");
    QTest::newRow("with an entry")
        << QStringList{kNineGiven, "7" + QString(80, QLatin1Char('.'))} << QByteArray("7|26|15|345689|");
  }
  void pencil() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, start);
    const Run r = Tool(QStringList{"pencil"} + args);
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.startsWith(start), r.out.constData());
    QCOMPARE(r.out.count('|'), 80);
    QVERIFY(r.out.endsWith('\n'));
  }

  void benchPrintsItsTable() {
    const Run r = Tool({"bench", "engine", "--count", "5", "--seed", "3"});
    QCOMPARE(r.exitCode, 0);
    for (const char* row : {"VerifyPuzzle accepted", "VerifyPuzzle rejected", "SolvePuzzle nine seeds", "ComputePencilMarks"})
      QVERIFY2(r.out.contains(row), row);
  }
};

QTEST_GUILESS_MAIN(ToolEngineTest)
#include "test_tool_engine.moc"
