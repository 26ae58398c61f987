// kalvero-tool's output when it cannot be written: a full standard output, a
// file that stops growing mid-line, and a count too large to plan for.
#include <signal.h>
#include <sys/resource.h>

#include <QtTest>
#include <memory>
#include <vector>

#include "temp_dir.h"
#include "tool_run.h"

using kalvero::test::TempDir;
using kalvero::test::Tool;
using kalvero::test::ToolSetup;
using Run = kalvero::test::ToolRun;

namespace {

const QByteArray kSolved =
    "123456789456789123789123456234567891567891234891234567345678912678912345912345678";

// In the child: files may grow to `bytes` only, and a write past that fails
// instead of killing the process.
std::function<void()> FileSizeLimit(rlim_t bytes) {
  return [bytes] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  };
}

}  // namespace

class ToolOutputTest : public QObject {
  Q_OBJECT
 private slots:
  void fullStandardOutputFails_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("count") << QStringList{"count", "FILE"};
    QTest::newRow("clues") << QStringList{"clues", "FILE"};
    QTest::newRow("show") << QStringList{"show", "FILE", "2"};
    QTest::newRow("verify") << QStringList{"verify", "FILE"};
    QTest::newRow("create") << QStringList{"create", "--level", "easy", "--count", "5", "--seed", "1"};
    QTest::newRow("version") << QStringList{"--version"};
  }
  void fullStandardOutputFails() {
    QFETCH(QStringList, args);
    TempDir dir;
    args.replaceInStrings("FILE", QString::fromStdString(dir.Write("p.txt", kSolved + "\r\n" + kSolved + "\r\n")));
    const Run r = Tool(args, {"/dev/full", {}, {}});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.endsWith("error: cannot write standard output: No space left on device\n"), r.err.constData());
  }

  // The file may hold `limit` bytes. With 500, the ended first line (5
  // bytes) and five puzzles fit, the sixth does not: creation stops there and
  // the file keeps whole lines only. Two runs appending at once each cut back
  // only their own failed write and count only their own lines, and only one
  // of them ends the first line. A file a run created and wrote no line to is
  // removed.
  void fileThatStopsGrowingKeepsWholeLines_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("writers");
    QTest::addColumn<int>("lines");  // puzzle lines in the file afterwards
    QTest::newRow("one run") << 500 << 1 << 5;
    QTest::newRow("two runs at once") << 500 << 2 << 5;
    QTest::newRow("new file, no line fits") << 50 << 1 << 0;
  }
  void fileThatStopsGrowingKeepsWholeLines() {
    QFETCH(int, limit);
    QFETCH(int, writers);
    QFETCH(int, lines);
    TempDir dir;
    const std::string out = lines > 0 ? dir.Write("out.txt", "abc") : dir.Path("out.txt");
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int w = 0; w < writers; ++w) {
      runs.push_back(std::make_unique<QProcess>());
      kalvero::test::Prepare(*runs.back(), {{}, {}, FileSizeLimit(static_cast<rlim_t>(limit))});
      runs.back()->start(qEnvironmentVariable("KALVERO_TOOL"),
                         {"create", "--level", "hard", "--count", "50", "--jobs", "1", "--seed",
                          QString::number(2 + w), "--out", QString::fromStdString(out)});
    }
    int created = 0;
    for (auto& run : runs) {
      QVERIFY(run->waitForFinished(120000));
      const QByteArray err = run->readAllStandardError();
      QCOMPARE(run->exitCode(), 1);
      QVERIFY2(err.endsWith(": File too large\n"), err.constData());
      const qsizetype at = err.lastIndexOf("created ");
      QVERIFY2(at >= 0, err.constData());
      created += err.mid(at + 8, err.indexOf(' ', at + 8) - at - 8).toInt();
    }
    QCOMPARE(created, lines);
    if (lines == 0) {
      QVERIFY(!QFile::exists(QString::fromStdString(out)));
      return;
    }
    const QByteArray bytes = TempDir::Read(out);
    QCOMPARE(bytes.size(), 5 + lines * 83);
    QVERIFY(bytes.startsWith("abc\r\n"));
    for (const QByteArray& line : bytes.mid(5).split('\n').mid(0, lines))
      QVERIFY2(line.size() == 82 && line.endsWith('\r') && !line.contains('\0'), line.constData());
  }

  // A billion puzzles are made one after the other: the first line comes
  // at once, with the address space the tool may use held far below what a
  // per-puzzle reservation would take.
  void hugeCountStreams() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer needs an unlimited address space");
#endif
    QProcess p;
    p.setChildProcessModifier([] {
      const rlimit limit{rlim_t{1} << 30, rlim_t{1} << 30};
      ::setrlimit(RLIMIT_AS, &limit);
    });
    p.start(qEnvironmentVariable("KALVERO_TOOL"),
            {"create", "--level", "easy", "--count", "1000000000", "--jobs", "1", "--seed", "3"});
    QVERIFY(p.waitForStarted());
    while (!p.canReadLine() && p.state() == QProcess::Running) p.waitForReadyRead(1000);
    const QByteArray first = p.readLine();
    p.kill();
    p.waitForFinished();
    QCOMPARE(first.size(), 82);
  }

  // With too little address space for 256 threads, the threads that start
  // share the jobs: the same file as a run that got them all.
  void jobsWithoutThreadsOfTheirOwn() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer needs an unlimited address space");
#endif
    const QStringList args{"create", "--level", "easy", "--count", "40", "--jobs", "256", "--seed", "1"};
    ToolSetup setup;
    setup.inChild = [] {
      const rlimit limit{rlim_t{64} << 20, rlim_t{64} << 20};
      ::setrlimit(RLIMIT_AS, &limit);
    };
    const Run limited = Tool(args, setup);
    QCOMPARE(limited.exitCode, 0);
    QVERIFY2(limited.err.contains("note: ") && limited.err.contains("created 40 of 40"), limited.err.constData());
    QCOMPARE(limited.out.count('\n'), 40);
    QCOMPARE(limited.out, Tool(args).out);
  }
};

QTEST_APPLESS_MAIN(ToolOutputTest)
#include "test_tool_output.moc"
