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

  // rate: one line per puzzle, or the puzzle lines easiest first.
  void rate_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("one line per puzzle") << QString() << QByteArray(
        "1 hard naked-triple 181\n2 very-easy sum-area 114\n3 error: line shorter than 81 characters\n"
        "4 unsolved line-box 84\n5 very-easy sum-area 108\n");
    QTest::newRow("sorted, unsolved and unreadable last") << QString("--sort")
        << kThird + "\n" + kFirst + "\n" + kHard + "\n" + kSolved + "\nshort\n";
  }
  void rate() {
    QFETCH(QString, option);
    QFETCH(QByteArray, out);
    TempDir dir;
    QStringList args{"rate", QString::fromStdString(dir.Write("p.txt", kHard + "\r\n" + kFirst + "\r\nshort\r\n" + kSolved + "\r\n" + kThird + "\r\n"))};
    if (!option.isEmpty()) args << option;
    const auto r = Tool(args);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, out);
  }

  // A file that cannot be read is an error, never an empty file.
  void unreadableInput_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("reason");
    for (const char* command : {"count", "clues", "verify", "show", "rate"}) {
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
    QStringList args{command, path};
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
    for (const QStringList& args : {QStringList{"clues"}, QStringList{"verify"}, QStringList{"show", "1"}}) {
      QStringList withFile = args;
      withFile.insert(1, QString::fromStdString(path));
      QCOMPARE(Tool(withFile).exitCode, 0);
    }
    rusage usage{};
    QCOMPARE(getrusage(RUSAGE_CHILDREN, &usage), 0);
    QVERIFY2(usage.ru_maxrss < 32 * 1024, QByteArray::number(static_cast<qlonglong>(usage.ru_maxrss)).constData());
  }

  // The benchmark's big file gets a name of its own: a link left in the
  // temporary folder is not followed, and a missing folder is an error.
  void benchFilesTemporaryFile() {
    TempDir dir;
    const std::string victim = dir.Write("victim.txt", "keep me");
    const QString tmp = QString::fromStdString(dir.Path("tmp"));
    QVERIFY(QDir().mkpath(tmp));
    QVERIFY(QFile::link(QString::fromStdString(victim), tmp + "/kalvero-bench-files.txt"));
    const Run ok = Tool({"bench", "files", "--count", "100"}, {{}, {"TMPDIR=" + tmp}, {}});
    QCOMPARE(ok.exitCode, 0);
    QCOMPARE(TempDir::Read(victim), QByteArray("keep me"));
    QCOMPARE(QDir(tmp).entryList(QDir::Files | QDir::System).size(), 1);  // the link alone

    const Run missing = Tool({"bench", "files", "--count", "100"}, {{}, {"TMPDIR=" + tmp + "/gone"}, {}});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.err.startsWith("error: ") && missing.err.count('\n') == 1);
  }

  void errors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no command") << QStringList{} << 2;
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2;
    QTest::newRow("count without file") << QStringList{"count"} << 2;
    QTest::newRow("show with a word for N") << QStringList{"show", "x.txt", "two"} << 2;
    QTest::newRow("rate with an unknown option") << QStringList{"rate", "x.txt", "--fast"} << 2;
    QTest::newRow("bench hint without file") << QStringList{"bench", "hint"} << 2;
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
