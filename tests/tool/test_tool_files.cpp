// kalvero-tool's file commands as a script sees them: output text and exit codes.
#include <sys/resource.h>
#include <unistd.h>

#include "boards.h"
#include "tool_run.h"

using namespace kalvero::test;

namespace {

const QByteArray kSolved = kSolvedGrid;
// Shipped puzzles 70 (hard), 1 and 3 (very easy); the solved grid above,
// without givens, is one whose sums alone leave the rating ladder stuck.
const QByteArray kHard = "5264819739D86371521732956483157698244891B37652675483916319524877928145C6854376219";
const QByteArray kFirst = "5193284673D65I72A82784165934937816256H29D57C11572638498316549729F51G23H4724839156";
const QByteArray kThird = "2374159861H93F72D54562893718749561233I21D85F75617238949158746326D85C27A9723691458";
// The first puzzle with its first digit changed, and with its given 3 ("C")
// made a 4: stored solutions that repeat a digit.
const QByteArray kChanged = "6" + kFirst.mid(1);
const QByteArray kMoved = QByteArray(kFirst).replace('C', 'D');

}  // namespace

class ToolFilesTest : public QObject {
  Q_OBJECT
 private slots:
  // rate: one line per puzzle, or the puzzle lines easiest first. Lines whose
  // stored solution breaks the rules are errors and stall neither the rating
  // nor the hint benchmark; the last line has a megabyte after its cells. A
  // file that cannot be read is an error, never an empty file.
  void runs_data() {
    const QByteArray rated = kHard + "\r\n" + kFirst + "\r\nshort\r\n" + kSolved + "\r\n" + kThird + "\r\n" + kChanged +
                             "\r\n" + kMoved + "\r\n" + kFirst + QByteArray(1 << 20, '7') + "\r\n";
    const QByteArray sorted = kThird + "\n" + kFirst + "\n" + kFirst + "\n" + kHard + "\n" + kSolved + "\nshort\n" +
                              kChanged + "\n" + kMoved + "\n";
    const QByteArray usage = "usage: kalvero-tool COMMAND [ARGS]";
    std::vector<Case> rows = {
        {"count, a blank line counts", {"count", "FILE"}, 0, "3\n", "a\r\n\r\nc\r\n"},
        {"count, empty", {"count", "FILE"}, 0, "0\n", ""},
        // A blank, like any character but 1-9 and A-I, makes a line
        // unreadable rather than an empty Hard puzzle.
        {"clues", {"clues", "FILE"}, 0,
         "12 15 18 12 15 18 12 15 18 24 6 15 18 9 18 12 12 21 18 12 15 18 12 15 18 12 15 6 15 24 9 18 18 12 21 12\n"
         "error: line shorter than 81 characters\nerror: character other than 1-9 and A-I at position 81\n"
         "error: character other than 1-9 and A-I at position 1\n",
         kSolved + "\r\nshort\r\n" + kSolved.left(80) + "J\n" + QByteArray(81, ' ')}, {"show", {"show", "FILE", "1"}, 0,
         "p.txt  p# 1 of 1  Hard (1 given, shown in [ ])\n\n      12 15 18  12 15 18  12 15 18  \n"
         "     +---------+---------+---------+\n   6 | 1 [2] 3 | 4  5  6 | 7  8  9 | 24",
         "1B" + kSolved.mid(2) + "\r\n"}, {"rate", {"rate", "FILE"}, 0,
         "1 hard naked-triple 181\n2 very-easy sum-area 114\n3 error: line shorter than 81 characters\n"
         "4 unsolved line-box 84\n5 very-easy sum-area 108\n6 error: clues and solution disagree\n"
         "7 error: clues and solution disagree\n8 very-easy sum-area 114\n", rated},
        {"rate, sorted: unsolved and unrated last", {"rate", "FILE", "--sort"}, 0, sorted, rated},
        {"rate, sorted, option first", {"rate", "--sort", "FILE"}, 0, sorted, rated},
        {"bench hint", {"bench", "hint", "FILE"}, 0, "hint benchmark: 5 puzzles, 606 positions", rated},
        {"--help", {"--help"}, 0, usage}, {"-h", {"-h"}, 0, usage}, {"no command", {}, 2, usage},
        {"unknown command", {"frobnicate"}, 2, "kalvero-tool: unknown command \"frobnicate\""},
        {"count without file", {"count"}, 2, "kalvero-tool: count takes 1 argument, not 0"},
        {"show with a word for N", {"show", "x.txt", "two"}, 2, "kalvero-tool: N must be 1 to 2147483647"},
        {"rate with an unknown option", {"rate", "x.txt", "--fast"}, 2, "kalvero-tool: unknown option \"--fast\""},
        {"rate without file", {"rate"}, 2, "kalvero-tool: FILE is missing"},
        {"rate --sort without file", {"rate", "--sort"}, 2, "kalvero-tool: FILE is missing"},
        {"rate two files", {"rate", "a.txt", "b.txt"}, 2, "kalvero-tool: one FILE is wanted, not 2"},
        {"bench hint without file", {"bench", "hint"}, 2, "kalvero-tool: FILE is missing"},
    };
    const std::pair<QString, QByteArray> unreadable[] = {
        {"none.txt", "No such file or directory"}, {"", "Is a directory"}, {"locked.txt", "Permission denied"}};
    for (const QString command : {"count", "clues", "verify", "show", "rate", "bench hint"})
      for (const auto& [name, why] : unreadable)
        if (name != "locked.txt" || ::geteuid() != 0)  // root reads every file
          rows.push_back({(command + " DIR/" + name).toUtf8(),
                          command.split(' ') << "DIR/" + name << (command == "show" ? QStringList{"1"} : QStringList{}),
                          1, "error: cannot read DIR/" + name.toUtf8() + ": " + why});
    AddCases(rows);
  }
  void runs() { CheckCase(); }

  // Only the cells of a line are kept: a 200 MB line without a line end
  // costs no more memory than a short one.
  void hugeLineTakesLittleMemory() {
#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__)
    QSKIP("memory is measured in the Release build");
#endif
    TempDir dir;
    QFile f(QString::fromStdString(dir.Write("huge.txt", kSolved)));
    QVERIFY(f.resize(81 + (qint64{200} << 20)));
    const QString path = f.fileName();
    for (const QStringList& args : {QStringList{"clues", path}, {"verify", path}, {"show", path, "1"}, {"rate", path},
                                    {"rate", path, "--sort"}, {"bench", "hint", path}})
      QCOMPARE(Tool(args).exitCode, 0);
    rusage usage{};
    QCOMPARE(getrusage(RUSAGE_CHILDREN, &usage), 0);
    QVERIFY2(usage.ru_maxrss < 32 * 1024, QByteArray::number(static_cast<qlonglong>(usage.ru_maxrss)).constData());
  }

  // The benchmark's big file lives in a folder of its own: a link left in
  // the temporary folder is not followed, the folder is gone afterwards, also
  // after a SIGTERM, and a missing temporary folder is an error.
  void benchFilesTemporaryFolder() {
    TempDir dir;
    const std::string victim = dir.Write("victim.txt", "keep me");
    const QString tmp = QString::fromStdString(dir.Path("tmp"));
    QVERIFY(QDir().mkpath(tmp) && QFile::link(QString::fromStdString(victim), tmp + "/kalvero-bench-files.txt"));
    const auto linkAlone = [&tmp] {
      return QDir(tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).join('/') ==
             "kalvero-bench-files.txt";
    };
    const ToolSetup inTmp{{}, {"TMPDIR=" + tmp}, {}};
    QCOMPARE(Tool({"bench", "files", "--count", "100"}, inTmp).exitCode, 0);
    QCOMPARE(TempDir::Read(victim), QByteArray("keep me"));
    QVERIFY(linkAlone());

    QProcess stopped;
    Prepare(stopped, inTmp);
    stopped.start(qEnvironmentVariable("KALVERO_TOOL"), {"bench", "files", "--count", "1000000"});
    QVERIFY(stopped.waitForStarted());
    // Stopped once its big file is being written.
    QDeadlineTimer deadline(60000);
    for (bool big = false; !big && stopped.state() == QProcess::Running && !deadline.hasExpired(); QThread::msleep(5))
      for (const QString& name : QDir(tmp).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
        big = big || QFileInfo(tmp + "/" + name + "/puzzles.txt").size() > 0;
    stopped.terminate();
    QVERIFY(stopped.waitForFinished(60000) && stopped.exitStatus() == QProcess::CrashExit);
    QVERIFY(linkAlone());

    const ToolRun missing = Tool({"bench", "files", "--count", "100"}, {{}, {"TMPDIR=" + tmp + "/gone"}, {}});
    QVERIFY2(missing.exitCode == 1 && missing.err.startsWith("error: ") && missing.err.count('\n') == 1,
             missing.err.constData());
  }
};

QTEST_APPLESS_MAIN(ToolFilesTest)
#include "test_tool_files.moc"
