// kalvero-tool's output when it cannot be written: a full standard output, a
// file that stops growing mid-line, and a count too large to plan for.
#include <signal.h>
#include <sys/resource.h>

#include <QtTest>

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

  // The file may hold 500 bytes: the ended last line (5 bytes) and five
  // puzzles fit, the sixth does not. Creation stops there and the file ends
  // with whole lines.
  void fileThatStopsGrowingKeepsWholeLines() {
    TempDir dir;
    const std::string out = dir.Write("out.txt", "abc");
    ToolSetup setup;
    setup.inChild = FileSizeLimit(500);
    const Run r = Tool({"create", "--level", "hard", "--count", "50", "--jobs", "1", "--seed", "2", "--out",
                        QString::fromStdString(out)},
                       setup);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("created 5 of 50"), r.err.constData());
    QVERIFY2(r.err.endsWith(": File too large\n"), r.err.constData());
    const QByteArray bytes = TempDir::Read(out);
    QCOMPARE(bytes.size(), 5 + 5 * 83);
    QVERIFY(bytes.startsWith("abc\r\n"));
    QVERIFY(bytes.endsWith("\r\n"));
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
};

QTEST_APPLESS_MAIN(ToolOutputTest)
#include "test_tool_output.moc"
