// kalvero-tool's generator commands as a script sees them: seedgrid's pinned
// grids, create's lines on standard output and in a file, and bad arguments.
#include <sys/stat.h>

#include <QtTest>

#include "solver/solver_support.h"
#include "temp_dir.h"
#include "tool_run.h"

using kalvero::test::TempDir;
using kalvero::test::Tool;
using Run = kalvero::test::ToolRun;

namespace {

bool IsValidGrid(const QByteArray& g) { return kalvero::test::IsValidGrid(g.toStdString()); }

// The line's letters turned back into digits, and the cells they stood in.
QByteArray Digits(const QByteArray& line, QList<int>* letterCells = nullptr) {
  QByteArray g = line;
  for (int k = 0; k < g.size(); ++k)
    if (g[k] >= 'A' && g[k] <= 'I') {
      g[k] = static_cast<char>(g[k] - 'A' + '1');
      if (letterCells) *letterCells << k + 1;
    }
  return g;
}

}  // namespace

class ToolGeneratorTest : public QObject {
  Q_OBJECT
 private slots:
  // Pinned grids: the generator's deterministic part (seeding, solver,
  // blanking check) must not drift; the same places give the same grid.
  void seedgridIsPinned_data() {
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QByteArray>("grid");
    QTest::newRow("all first places") << QStringList(9, "1")
                                      << QByteArray("145267389389145267267389145431572698572698413896413572713824956628951734954736821");
    QTest::newRow("mixed places") << QStringList{"5", "3", "9", "1", "2", "8", "4", "6", "7"}
                                  << QByteArray("346512798217389456589467123462751389893246517175893264934625871721938645658174932");
  }
  void seedgridIsPinned() {
    QFETCH(QStringList, places);
    QFETCH(QByteArray, grid);
    const Run r = Tool(QStringList{"seedgrid"} + places);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, grid + "\n");
    QVERIFY(IsValidGrid(grid));
  }

  // Pinned lines: a change to the engine or the random streams that alters
  // what a seed creates shows here. Job 0 of several makes what one job
  // makes; job 1's stream is the seed's jumped once.
  void createIsPinned_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("lines");
    QTest::newRow("very easy, seed 7")
        << QStringList{"--level", "very-easy", "--seed", "7", "--count", "1", "--jobs", "1"}
        << QByteArray("4376528915B89C16G41967485329513267488F34I71B52741853697458692133A25G49H6689213457\n");
    QTest::newRow("easy, seed 7") << QStringList{"--level", "easy", "--seed", "7", "--count", "1", "--jobs", "1"}
                                  << QByteArray(
                                         "4376528915B89C16G41967485329513267488634971252741853697458692133A25G49H668921345"
                                         "7\n");
    QTest::newRow("pattern, seed 3") << QStringList{"--fixed", "1,1 5,5 9,9", "--seed", "3", "--count", "1", "--jobs", "1"}
                                     << QByteArray(
                                            "B958431677481562936312794588573916249124F783546352897157698431238971254612463578"
                                            "I\n");
    QTest::newRow("hard, seed 7, two jobs")
        << QStringList{"--level", "hard", "--seed", "7", "--count", "2", "--jobs", "2"}
        << QByteArray(
               "4376528915B89316741967485329513267488634I71252741853697458692133125749H6689213457\n"
               "6347152899B18463577853924612175839463492F15785684791231569278344731586I2892634715\n");
  }
  void createIsPinned() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, lines);
    const Run r = Tool(QStringList{"create"} + args);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, lines);
  }

  void createLevelsOnStandardOutput_data() {
    QTest::addColumn<QString>("level");
    QTest::addColumn<QList<int>>("fixed");
    QTest::newRow("very-easy") << "very-easy" << QList<int>{11, 14, 17, 38, 41, 44, 65, 68, 71};
    QTest::newRow("easy") << "easy" << QList<int>{11, 14, 17, 65, 68, 71};
    QTest::newRow("hard") << "hard" << QList<int>{11, 41, 71};
  }
  // LF lines, each a valid grid with the level's letters; the same seed and
  // jobs give the same lines in the same order.
  void createLevelsOnStandardOutput() {
    QFETCH(QString, level);
    QFETCH(QList<int>, fixed);
    const QStringList args{"create", "--level", level, "--count", "5", "--seed", "9", "--jobs", "2"};
    const Run r = Tool(args);
    QCOMPARE(r.exitCode, 0);
    QVERIFY(!r.out.contains('\r'));
    QVERIFY(r.out.endsWith('\n'));
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 5);
    for (const QByteArray& line : lines) {
      QList<int> letters;
      QVERIFY2(IsValidGrid(Digits(line, &letters)), line.constData());
      QCOMPARE(letters, fixed);
    }
    QVERIFY(r.err.contains("created 5 of 5"));
    QCOMPARE(Tool(args).out, r.out);
  }

  // A graded collection: `create --grade` writes only puzzles of the grade,
  // which `rate --grade` then picks out again (and no others).
  void gradedCollection() {
    TempDir dir;
    const QString file = QString::fromStdString(dir.Path("tough.txt"));
    const Run made = Tool({"create", "--level", "hard", "--grade", "tough", "--count", "2", "--seed", "4", "--out", file});
    QCOMPARE(made.exitCode, 0);
    QVERIFY2(made.err.contains("(Tough Hard)") && made.err.contains("puzzles of other grades passed over"),
             made.err.constData());
    const QByteArray lines = TempDir::Read(file.toStdString()).replace("\r", "");
    QCOMPARE(Tool({"rate", file, "--grade", "tough"}).out, lines);
    QCOMPARE(Tool({"rate", "--grade", "gentle", file}).out, QByteArray());
  }

  // Appending to a file whose last line has no line end: that line is ended,
  // then whole CR LF lines follow, with the drawn pattern's letters.
  void createFixedCellsIntoAFile() {
    TempDir dir;
    const std::string file = dir.Write("out.txt", "previous line");
    const Run r = Tool({"create", "--fixed", "1,1 5,5 9,9 1,9", "--count", "3", "--out",
                        QString::fromStdString(file), "--jobs", "3", "--seed", "4"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.contains("(Hard)"));
    const QByteArray bytes = TempDir::Read(file);
    QVERIFY(bytes.startsWith("previous line\r\n"));
    QVERIFY(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), 5);  // previous line, three puzzles, the empty piece after the last line end
    for (int i = 1; i <= 3; ++i) {
      QVERIFY(lines[i].endsWith('\r'));
      QList<int> letters;
      QVERIFY(IsValidGrid(Digits(lines[i].chopped(1), &letters)));
      QCOMPARE(letters, (QList<int>{1, 9, 41, 81}));
    }
  }

  // Usage errors exit 2 and say which argument is wrong before the usage
  // text; an unwritable output exits 1.
  void badArguments_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("reason");  // the first line on standard error
    QTest::newRow("seedgrid with eight places") << QStringList{"seedgrid", "1", "1", "1", "1", "1", "1", "1", "1"} << 2
                                               << QByteArray("kalvero-tool: seedgrid takes 9 arguments, not 8");
    QTest::newRow("seedgrid place 0") << QStringList{"seedgrid", "0", "1", "1", "1", "1", "1", "1", "1", "1"} << 2
                                     << QByteArray("kalvero-tool: P1 must be 1 to 9");
    QTest::newRow("create without count") << QStringList{"create", "--level", "hard"} << 2
                                         << QByteArray("kalvero-tool: --count is missing");
    QTest::newRow("create unknown level") << QStringList{"create", "--level", "medium", "--count", "1"} << 2
                                         << QByteArray("kalvero-tool: --level must be very-easy, easy or hard");
    QTest::newRow("create unknown grade") << QStringList{"create", "--level", "hard", "--count", "1", "--grade", "hard"}
                                         << 2
                                         << QByteArray("kalvero-tool: --grade must be gentle, moderate, tough or fiendish");
    QTest::newRow("rate grade without value") << QStringList{"rate", "x.txt", "--grade"} << 2
                                             << QByteArray("kalvero-tool: --grade needs a value");
    QTest::newRow("create level and cells")
        << QStringList{"create", "--level", "hard", "--fixed", "1,1", "--count", "1"} << 2
        << QByteArray("kalvero-tool: --fixed: give one --level or one --fixed");
    QTest::newRow("create cell outside the grid") << QStringList{"create", "--fixed", "10,1", "--count", "1"} << 2
                                                 << QByteArray("kalvero-tool: --fixed: cell 10,1 is outside the grid");
    QTest::newRow("create cell 0") << QStringList{"create", "--fixed", "0,1", "--count", "1"} << 2
                                  << QByteArray("kalvero-tool: --fixed: cell 0,1 is outside the grid");
    QTest::newRow("create half a cell") << QStringList{"create", "--fixed", "5,", "--count", "1"} << 2
                                       << QByteArray("kalvero-tool: --fixed: \"5,\" is not a cell r,c");
    QTest::newRow("create repeated cell") << QStringList{"create", "--fixed", "2,2 2,2", "--count", "1"} << 2
                                         << QByteArray("kalvero-tool: --fixed: cell 2,2 is given twice");
    QTest::newRow("create 300 jobs") << QStringList{"create", "--level", "easy", "--count", "1", "--jobs", "300"} << 2
                                    << QByteArray("kalvero-tool: --jobs must be 1 to 256");
    QTest::newRow("create negative count") << QStringList{"create", "--level", "easy", "--count", "-1"} << 2
                                          << QByteArray("kalvero-tool: --count must be 1 to 1000000000");
    QTest::newRow("create unknown option") << QStringList{"create", "--levels", "easy"} << 2
                                          << QByteArray("kalvero-tool: unknown option \"--levels\"");
    QTest::newRow("create option without value") << QStringList{"create", "--level", "easy", "--count"} << 2
                                                << QByteArray("kalvero-tool: --count needs a value");
    QTest::newRow("bench create count 0") << QStringList{"bench", "create", "--count", "0"} << 2
                                         << QByteArray("kalvero-tool: --count must be 1 to 1000000");
    QTest::newRow("bench without a benchmark") << QStringList{"bench"} << 2
                                              << QByteArray("kalvero-tool: bench needs one of files, engine, create, rate, hint");
    QTest::newRow("create into an unwritable file")
        << QStringList{"create", "--level", "hard", "--count", "1", "--out", "/nonexistent/dir/out.txt"} << 1
        << QByteArray("error: cannot write /nonexistent/dir/out.txt: No such file or directory");
    // Only regular files are written: a FIFO without a reader would hold the
    // run for ever.
    QTest::newRow("create into a FIFO") << QStringList{"create", "--level", "hard", "--count", "1", "--out", "DIR/fifo"}
                                        << 1 << QByteArray("error: DIR/fifo is not a regular file");
    QTest::newRow("create into a folder") << QStringList{"create", "--level", "hard", "--count", "1", "--out", "DIR"}
                                          << 1 << QByteArray("error: cannot write DIR: Is a directory");
  }
  void badArguments() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, reason);
    TempDir dir;
    const QString folder = QString::fromStdString(dir.Path("")).chopped(1);
    QCOMPARE(::mkfifo(dir.Path("fifo").c_str(), 0600), 0);
    args.replaceInStrings("DIR", folder);
    reason.replace("DIR", folder.toUtf8());
    const Run r = Tool(args);
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(r.err.split('\n').first(), reason);
    QCOMPARE(r.err.contains("\nusage: "), exitCode == 2);
    QVERIFY(r.out.isEmpty());
  }

  // The comparison program is run when it is there and skipped when it is
  // not; the benchmark never tries to install it (fake installers on the
  // path record any call).
  void benchCreateInstallsNothing() {
    TempDir dir;
    const QString bin = QString::fromStdString(dir.Path("bin"));
    QVERIFY(QDir().mkpath(bin));
    const QString record = QString::fromStdString(dir.Path("installer-calls"));
    for (const char* installer : {"sudo", "apt-get", "apt"}) {
      QFile f(bin + "/" + installer);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("#!/bin/sh\necho \"$0 $*\" >> " + record.toUtf8() + "\n");
      f.close();
      f.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const Run r = Tool({"bench", "create", "--count", "1"}, {{}, {"PATH=" + bin}, {}});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.contains("qqwing: not installed; no comparison"), r.out.constData());
    QVERIFY(!QFile::exists(record));
  }
};

QTEST_APPLESS_MAIN(ToolGeneratorTest)
#include "test_tool_generator.moc"
