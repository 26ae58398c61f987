// kalvero-tool's file commands as a script sees them: output text and exit codes.
#include <sys/resource.h>
#include <unistd.h>

#include <QtTest>

#include "temp_dir.h"
#include "tool_run.h"

using kalvero::test::TempDir;
using kalvero::test::Tool;
using Run = kalvero::test::ToolRun;

namespace {

const QByteArray kSolved =
    "123456789456789123789123456234567891567891234891234567345678912678912345912345678";
// Shipped puzzles 70 (hard), 1 and 3 (very easy); the complete grid above,
// without givens, is one whose sums alone leave the rating ladder stuck.
const QByteArray kHard = "5264819739D86371521732956483157698244891B37652675483916319524877928145C6854376219";
const QByteArray kFirst = "5193284673D65I72A82784165934937816256H29D57C11572638498316549729F51G23H4724839156";
const QByteArray kThird = "2374159861H93F72D54562893718749561233I21D85F75617238949158746326D85C27A9723691458";

// The first shipped puzzle with its first digit changed, and with its given
// 3 ("C") made a 4: stored solutions that repeat a digit.
QByteArray ChangedDigit() { return "6" + kFirst.mid(1); }
QByteArray MovedLetter() { return QByteArray(kFirst).replace('C', 'D'); }

}  // namespace

class ToolFilesTest : public QObject {
  Q_OBJECT
 private slots:
  void count_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("three lines, one blank") << QByteArray("a\r\n\r\nc\r\n") << QByteArray("3\n");
    QTest::newRow("empty") << QByteArray("") << QByteArray("0\n");
  }
  void count() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, out);
    TempDir dir;
    const Run r = Tool({"count", QString::fromStdString(dir.Write("p.txt", bytes))});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, out);
  }

  void clues() {
    TempDir dir;
    // A blank, like any character but 1-9 and A-I, makes a line unreadable
    // rather than an empty Hard puzzle.
    const Run r = Tool({"clues", QString::fromStdString(dir.Write(
                                     "p.txt", kSolved + "\r\nshort\r\n" + kSolved.left(80) + "J\n" + QByteArray(81, ' ')))});
    QCOMPARE(r.exitCode, 0);
    const QList<QByteArray> lines = r.out.split('\n');
    QCOMPARE(lines.size(), 5);  // four lines and the final empty piece
    QCOMPARE(lines[0], QByteArray("12 15 18 12 15 18 12 15 18 24 6 15 18 9 18 12 12 21 18 12 15 18 12 15 18 12 15 6 15 24 9 18 18 12 21 12"));
    QCOMPARE(lines[1], QByteArray("error: line shorter than 81 characters"));
    QCOMPARE(lines[2], QByteArray("error: character other than 1-9 and A-I at position 81"));
    QCOMPARE(lines[3], QByteArray("error: character other than 1-9 and A-I at position 1"));
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

  // rate: one line per puzzle, or the puzzle lines (their 81 cells) easiest
  // first. Lines whose stored solution breaks the rules (a digit changed, a
  // given letter moved by one) are errors and must not stall the rating or
  // the hint benchmark, which skips them and the unreadable line.
  void rate_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("one line per puzzle") << QStringList{"rate", "FILE"} << QByteArray(
        "1 hard naked-triple 181\n2 very-easy sum-area 114\n3 error: line shorter than 81 characters\n"
        "4 unsolved line-box 84\n5 very-easy sum-area 108\n6 error: clues and solution disagree\n"
        "7 error: clues and solution disagree\n8 very-easy sum-area 114\n");
    const QByteArray sorted = kThird + "\n" + kFirst + "\n" + kFirst + "\n" + kHard + "\n" + kSolved + "\nshort\n" +
                              ChangedDigit() + "\n" + MovedLetter() + "\n";
    QTest::newRow("sorted, unsolved and unrated last") << QStringList{"rate", "FILE", "--sort"} << sorted;
    QTest::newRow("sorted, option first") << QStringList{"rate", "--sort", "FILE"} << sorted;
    QTest::newRow("bench hint") << QStringList{"bench", "hint", "FILE"}
                                << QByteArray("hint benchmark: 5 puzzles, 606 positions\n");
  }
  void rate() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, out);
    TempDir dir;
    // The last line carries a megabyte of text after its cells.
    const QByteArray file = kHard + "\r\n" + kFirst + "\r\nshort\r\n" + kSolved + "\r\n" + kThird + "\r\n" +
                            ChangedDigit() + "\r\n" + MovedLetter() + "\r\n" + kFirst + QByteArray(1 << 20, '7') + "\r\n";
    args.replaceInStrings("FILE", QString::fromStdString(dir.Write("p.txt", file)));
    const auto r = Tool(args);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(args[0] == "bench" ? r.out.left(out.size()) : r.out, out);
  }

  // A file that cannot be read is an error, never an empty file.
  void unreadableInput_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("reason");
    for (const char* command : {"count", "clues", "verify", "show", "rate", "bench hint"}) {
      QTest::addRow("%s a missing file", command) << command << "none.txt" << QByteArray("No such file or directory");
      QTest::addRow("%s a folder", command) << command << "" << QByteArray("Is a directory");
      if (::geteuid() != 0)  // root reads every file
        QTest::addRow("%s a file without read permission", command) << command << "locked.txt"
                                                                     << QByteArray("Permission denied");
    }
  }
  void unreadableInput() {
    QFETCH(QString, command);
    QFETCH(QString, name);
    QFETCH(QByteArray, reason);
    TempDir dir;
    QFile::setPermissions(QString::fromStdString(dir.Write("locked.txt", kSolved)), QFileDevice::WriteOwner);
    const QString path = QString::fromStdString(dir.Path("")) + name;
    QStringList args = command.split(' ') << path;
    if (command == "show") args << "1";
    const Run r = Tool(args);
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, "error: cannot read " + path.toUtf8() + ": " + reason + "\n");
    QVERIFY(r.out.isEmpty());
  }

  // Only the cells of a line are kept: a 200 MB line without a line end
  // costs no more memory than a short one.
  void hugeLineTakesLittleMemory() {
#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__)
    QSKIP("memory is measured in the Release build");
#endif
    TempDir dir;
    const std::string path = dir.Path("huge.txt");
    {
      QFile f(QString::fromStdString(path));
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(kSolved);
      const QByteArray block(1 << 20, '5');
      for (int i = 0; i < 200; ++i) QVERIFY(f.write(block) == block.size());
    }
    for (const QStringList& args : {QStringList{"clues"}, QStringList{"verify"}, QStringList{"show", "1"},
                                    QStringList{"rate"}, QStringList{"rate", "--sort"}, QStringList{"bench", "hint"}}) {
      QStringList withFile = args;
      withFile.insert(args[0] == "bench" ? 2 : 1, QString::fromStdString(path));
      QCOMPARE(Tool(withFile).exitCode, 0);
    }
    rusage usage{};
    QCOMPARE(getrusage(RUSAGE_CHILDREN, &usage), 0);
    QVERIFY2(usage.ru_maxrss < 32 * 1024, QByteArray::number(static_cast<qlonglong>(usage.ru_maxrss)).constData());
  }

  // The benchmark's big file lives in a folder of its own: a link left in
  // the temporary folder is not followed, the folder is gone afterwards,
  // also when the run is ended by SIGTERM, and a missing temporary folder is
  // an error.
  void benchFilesTemporaryFile() {
    TempDir dir;
    const std::string victim = dir.Write("victim.txt", "keep me");
    const QString tmp = QString::fromStdString(dir.Path("tmp"));
    QVERIFY(QDir().mkpath(tmp));
    QVERIFY(QFile::link(QString::fromStdString(victim), tmp + "/kalvero-bench-files.txt"));
    const auto entries = [&tmp] {
      return QDir(tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    };
    const Run ok = Tool({"bench", "files", "--count", "100"}, {{}, {"TMPDIR=" + tmp}, {}});
    QCOMPARE(ok.exitCode, 0);
    QCOMPARE(TempDir::Read(victim), QByteArray("keep me"));
    QCOMPARE(entries(), QStringList{"kalvero-bench-files.txt"});  // the link alone

    QProcess stopped;
    kalvero::test::Prepare(stopped, {{}, {"TMPDIR=" + tmp}, {}});
    stopped.start(qEnvironmentVariable("KALVERO_TOOL"), {"bench", "files", "--count", "1000000"});
    QVERIFY(stopped.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    for (bool big = false; !big && stopped.state() == QProcess::Running && waited.elapsed() < 60000;) {
      for (const QString& name : entries())
        big = big || QFileInfo(tmp + "/" + name + "/puzzles.txt").size() > 0;
      QThread::msleep(5);
    }
    stopped.terminate();
    QVERIFY(stopped.waitForFinished(60000));
    QCOMPARE(stopped.exitStatus(), QProcess::CrashExit);
    QCOMPARE(entries(), QStringList{"kalvero-bench-files.txt"});

    const Run missing = Tool({"bench", "files", "--count", "100"}, {{}, {"TMPDIR=" + tmp + "/gone"}, {}});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.err.startsWith("error: ") && missing.err.count('\n') == 1);
  }

  // Wrong arguments exit 2 and first say what is wrong; --help prints the
  // usage on standard output.
  void errors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("reason");  // the first line on standard error (standard output for 0)
    QTest::newRow("no command") << QStringList{} << 2 << QByteArray("usage: kalvero-tool COMMAND [ARGS]");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << QByteArray("usage: kalvero-tool COMMAND [ARGS]");
    QTest::newRow("-h") << QStringList{"-h"} << 0 << QByteArray("usage: kalvero-tool COMMAND [ARGS]");
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2
                                     << QByteArray("kalvero-tool: unknown command \"frobnicate\"");
    QTest::newRow("count without file") << QStringList{"count"} << 2
                                        << QByteArray("kalvero-tool: count takes 1 argument, not 0");
    QTest::newRow("show with a word for N") << QStringList{"show", "x.txt", "two"} << 2
                                            << QByteArray("kalvero-tool: N must be 1 to 2147483647");
    QTest::newRow("rate with an unknown option") << QStringList{"rate", "x.txt", "--fast"} << 2
                                                 << QByteArray("kalvero-tool: unknown option \"--fast\"");
    QTest::newRow("rate without file") << QStringList{"rate"} << 2 << QByteArray("kalvero-tool: FILE is missing");
    QTest::newRow("rate --sort without file") << QStringList{"rate", "--sort"} << 2
                                              << QByteArray("kalvero-tool: FILE is missing");
    QTest::newRow("rate two files") << QStringList{"rate", "a.txt", "b.txt"} << 2
                                    << QByteArray("kalvero-tool: one FILE is wanted, not 2");
    QTest::newRow("bench hint without file") << QStringList{"bench", "hint"} << 2
                                             << QByteArray("kalvero-tool: FILE is missing");
  }
  void errors() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, reason);
    const Run r = Tool(args);
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE((exitCode == 0 ? r.out : r.err).split('\n').first(), reason);
    QVERIFY((exitCode == 0 ? r.err : r.out).isEmpty());
    if (exitCode == 0) QCOMPARE(r.out, Tool({}).err);
  }
};

QTEST_APPLESS_MAIN(ToolFilesTest)
#include "test_tool_files.moc"
