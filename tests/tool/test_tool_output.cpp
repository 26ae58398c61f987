// kalvero-tool's output when it cannot be written: a full standard output, a
// file that stops growing mid-line, and a count too large to plan for.
#include <signal.h>
#include <sys/resource.h>

#include "boards.h"
#include "tool_run.h"

using namespace kalvero::test;

namespace {

// In the child: the address space, or the size files may grow to (a write
// past that then fails instead of killing the process), held to `bytes`.
ToolSetup Limit(int resource, rlim_t bytes) {
  const rlimit limit{bytes, bytes};
  return {{}, {}, [resource, limit] {
            ::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(resource, &limit);
          }};
}

}  // namespace

class ToolOutputTest : public QObject {
  Q_OBJECT
 private slots:
  void fullStandardOutputFails() {
    TempDir dir;
    const QString file = dir.Write("p.txt", QByteArray(kSolvedGrid) + "\r\n" + kSolvedGrid + "\r\n").c_str();
    for (const QStringList& args : {QStringList{"count", file}, {"show", file, "2"}, {"verify", file}, {"--version"},
                                    {"create", "--level", "easy", "--count", "5", "--seed", "1"}}) {
      const ToolRun r = Tool(args, {"/dev/full", {}, {}});
      QVERIFY2(r.exitCode == 1 && r.err.endsWith("error: cannot write standard output: No space left on device\n"),
               qPrintable(args.join(' ') + ": " + r.err));
    }
  }

  // The file may hold `limit` bytes: with 500 the ended first line (5 bytes)
  // and five puzzles fit, and the file keeps whole lines only. Two runs
  // appending at once each cut back and count only their own lines, and one
  // ends the first line. A file created with no line written is removed.
  void fileThatStopsGrowingKeepsWholeLines_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("writers");
    QTest::newRow("one run") << 500 << 1;
    QTest::newRow("two runs at once") << 500 << 2;
    QTest::newRow("new file, no line fits") << 50 << 1;
  }
  void fileThatStopsGrowingKeepsWholeLines() {
    QFETCH(int, limit);
    QFETCH(int, writers);
    const int lines = limit / 100;  // puzzle lines in the file afterwards
    TempDir dir;
    const std::string out = lines > 0 ? dir.Write("out.txt", "abc") : dir.Path("out.txt");
    QProcess runs[2];
    for (int w = 0; w < writers; ++w) {
      Prepare(runs[w], Limit(RLIMIT_FSIZE, static_cast<rlim_t>(limit)));
      runs[w].start(qEnvironmentVariable("KALVERO_TOOL"), {"create", "--level", "hard", "--count", "50", "--jobs", "1",
                                                          "--seed", QString::number(2 + w), "--out", out.c_str()});
    }
    int created = 0;
    for (int w = 0; w < writers; ++w) {
      QVERIFY(runs[w].waitForFinished(120000));
      const QByteArray err = runs[w].readAllStandardError();
      QVERIFY2(runs[w].exitCode() == 1 && err.endsWith(": File too large\n") && err.contains("created "), err.constData());
      created += err.mid(err.lastIndexOf("created ") + 8).split(' ').first().toInt();
    }
    QCOMPARE(created, lines);
    QCOMPARE(QFile::exists(out.c_str()), lines > 0);
    const QByteArray bytes = TempDir::Read(out);
    const QRegularExpression wholeLines(QString("^(abc\r\n([1-9A-I]{81}\r\n){%1})?$").arg(lines));
    QVERIFY2(wholeLines.match(bytes).hasMatch(), bytes.constData());
  }

  // With little address space a billion puzzles are made one after another,
  // the first at once, and of 256 jobs the threads that start share the work,
  // making the same file as a run that got them all.
  void lowAddressSpace() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer needs an unlimited address space");
#endif
    QProcess p;
    Prepare(p, Limit(RLIMIT_AS, rlim_t{1} << 30));
    p.start(qEnvironmentVariable("KALVERO_TOOL"),
            {"create", "--level", "easy", "--count", "1000000000", "--jobs", "1", "--seed", "3"});
    QVERIFY(p.waitForStarted());
    while (!p.canReadLine() && p.state() == QProcess::Running) p.waitForReadyRead(1000);
    QCOMPARE(p.readLine().size(), 82);
    p.kill();
    p.waitForFinished();
    const QStringList args{"create", "--level", "easy", "--count", "40", "--jobs", "256", "--seed", "1"};
    const ToolRun limited = Tool(args, Limit(RLIMIT_AS, rlim_t{64} << 20));
    QVERIFY2(limited.exitCode == 0 && limited.err.contains("note: ") && limited.err.contains("created 40 of 40"),
             limited.err.constData());
    QCOMPARE(limited.out.count('\n'), 40);
    QCOMPARE(limited.out, Tool(args).out);
  }
};

QTEST_APPLESS_MAIN(ToolOutputTest)
#include "test_tool_output.moc"
