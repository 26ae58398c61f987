// kalvero-tool's generator commands as a script sees them: seedgrid's pinned
// grids, create's lines on standard output and in a file, and bad arguments.
#include "tool_run.h"

using namespace kalvero::test;

class ToolGeneratorTest : public QObject {
  Q_OBJECT
 private slots:
  // Pinned grids and lines: what a seed creates must not drift. Job 0 of
  // several makes what one job makes; job 1's stream is the seed's jumped
  // once. `rate --grade` picks out what `create --grade` writes. Only regular
  // files are written: a FIFO without a reader would hold the run for ever.
  void runs_data() {
    const QStringList hard{"create", "--level", "hard", "--count", "1"};
    const QByteArray tough = "3819725642D93567815674189324568931279782F14531235478966341892758127356D9795624318\n"
                             "7512846934B65931788396712455124378699831F54276478293512749185363687529A4195346782\n";
    const QByteArray gentle = "5193284673D65I72A82784165934937816256H29D57C11572638498316549729F51G23H4724839156\n";
    AddCases({
        {"seedgrid, all first places", QStringList{"seedgrid"} + QStringList(9, "1"), 0,
         "145267389389145267267389145431572698572698413896413572713824956628951734954736821\n"},
        {"seedgrid, mixed places", {"seedgrid", "5", "3", "9", "1", "2", "8", "4", "6", "7"}, 0,
         "346512798217389456589467123462751389893246517175893264934625871721938645658174932\n"},
        {"very easy, seed 7", {"create", "--level", "very-easy", "--seed", "7", "--count", "1", "--jobs", "1"}, 0,
         "4376528915B89C16G41967485329513267488F34I71B52741853697458692133A25G49H6689213457\n"},
        {"easy, seed 7", {"create", "--level", "easy", "--seed", "7", "--count", "1", "--jobs", "1"}, 0,
         "4376528915B89C16G41967485329513267488634971252741853697458692133A25G49H6689213457\n"},
        {"pattern, seed 3", {"create", "--fixed", "1,1 5,5 9,9", "--seed", "3", "--count", "1", "--jobs", "1"}, 0,
         "B958431677481562936312794588573916249124F783546352897157698431238971254612463578I\n"},
        {"hard, seed 7, two jobs", {"create", "--level", "hard", "--seed", "7", "--count", "2", "--jobs", "2"}, 0,
         "4376528915B89316741967485329513267488634I71252741853697458692133125749H6689213457\n"
         "6347152899B18463577853924612175839463492F15785684791231569278344731586I2892634715\n"},
        {"create, Tough only", {"create", "--level", "hard", "--grade", "tough", "--count", "2", "--seed", "4", "--jobs", "2"},
         0, tough}, {"rate picks a grade", {"rate", "FILE", "--grade", "tough"}, 0, tough, gentle + tough},
        {"rate picks a grade, option first", {"rate", "--grade", "gentle", "FILE"}, 0, gentle, gentle + tough},
        {"seedgrid with eight places", QStringList{"seedgrid"} + QStringList(8, "1"), 2,
         "kalvero-tool: seedgrid takes 9 arguments, not 8"},
        {"seedgrid place 0", QStringList{"seedgrid", "0"} + QStringList(8, "1"), 2, "kalvero-tool: P1 must be 1 to 9"},
        {"create without count", {"create", "--level", "hard"}, 2, "kalvero-tool: --count is missing"},
        {"create unknown level", {"create", "--level", "medium", "--count", "1"}, 2,
         "kalvero-tool: --level must be very-easy, easy or hard"},
        {"create unknown grade", hard + QStringList{"--grade", "hard"}, 2,
         "kalvero-tool: --grade must be gentle, moderate, tough or fiendish"},
        {"rate grade without value", {"rate", "x.txt", "--grade"}, 2, "kalvero-tool: --grade needs a value"},
        {"create level and cells", hard + QStringList{"--fixed", "1,1"}, 2,
         "kalvero-tool: --fixed: give one --level or one --fixed"},
        {"create cell outside the grid", {"create", "--fixed", "10,1", "--count", "1"}, 2,
         "kalvero-tool: --fixed: cell 10,1 is outside the grid"},
        {"create cell 0", {"create", "--fixed", "0,1", "--count", "1"}, 2,
         "kalvero-tool: --fixed: cell 0,1 is outside the grid"},
        {"create half a cell", {"create", "--fixed", "5,", "--count", "1"}, 2,
         "kalvero-tool: --fixed: \"5,\" is not a cell r,c"},
        {"create repeated cell", {"create", "--fixed", "2,2 2,2", "--count", "1"}, 2,
         "kalvero-tool: --fixed: cell 2,2 is given twice"},
        {"create 300 jobs", hard + QStringList{"--jobs", "300"}, 2, "kalvero-tool: --jobs must be 1 to 256"},
        {"create negative count", {"create", "--level", "easy", "--count", "-1"}, 2,
         "kalvero-tool: --count must be 1 to 1000000000"},
        {"create unknown option", {"create", "--levels", "easy"}, 2, "kalvero-tool: unknown option \"--levels\""},
        {"create option without value", {"create", "--level", "easy", "--count"}, 2, "kalvero-tool: --count needs a value"},
        {"bench create count 0", {"bench", "create", "--count", "0"}, 2, "kalvero-tool: --count must be 1 to 1000000"},
        {"bench without a benchmark", {"bench"}, 2, "kalvero-tool: bench needs one of files, engine, create, rate, hint"},
        {"create into an unwritable file", hard + QStringList{"--out", "/nonexistent/dir/out.txt"}, 1,
         "error: cannot write /nonexistent/dir/out.txt: No such file or directory"},
        {"create into a FIFO", hard + QStringList{"--out", "DIR/fifo"}, 1, "error: DIR/fifo is not a regular file"},
        {"create into a folder", hard + QStringList{"--out", "DIR"}, 1, "error: cannot write DIR: Is a directory"},
    });
  }
  void runs() { CheckCase(); }

  // Appending to a file whose last line has no line end: that line is ended,
  // then whole CR LF lines follow, with the drawn pattern's letters.
  void createFixedCellsIntoAFile() {
    TempDir dir;
    const std::string file = dir.Write("out.txt", "previous line");
    const ToolRun r =
        Tool({"create", "--fixed", "1,1 5,5 9,9 1,9", "--count", "3", "--out", file.c_str(), "--jobs", "3", "--seed", "4"});
    QVERIFY2(r.exitCode == 0 && r.out.isEmpty() && r.err.contains("(Hard)"), r.err.constData());
    QCOMPARE(TempDir::Read(file), "previous line\r\n"
                                  "A4385976B8521769349763428515672913482147C869538956412743198527672561348969842751C\r\n"
                                  "G5128469C4265931788396712455124378699831F542764782935127491853636875291419534678B\r\n"
                                  "E4681923G3897425167123568499715684234582I376162347195889563417226718539413492768E\r\n");
  }

  // The comparison program is skipped when it is missing, never installed
  // (fake installers on the path record any call).
  void benchCreateInstallsNothing() {
    TempDir dir;
    const QString bin = QString::fromStdString(dir.Path("bin")), record = QString::fromStdString(dir.Path("calls"));
    QVERIFY(QDir().mkpath(bin));
    for (const char* installer : {"sudo", "apt-get", "apt"}) {
      const std::string path =
          dir.Write(("bin/" + std::string(installer)).c_str(), "#!/bin/sh\necho \"$0 $*\" >> " + record.toUtf8());
      QVERIFY(QFile::setPermissions(path.c_str(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const ToolRun r = Tool({"bench", "create", "--count", "1"}, {{}, {"PATH=" + bin}, {}});
    QVERIFY2(r.exitCode == 0 && r.out.contains("qqwing: not installed; no comparison"), r.out.constData());
    QVERIFY(!QFile::exists(record));
  }
};

QTEST_APPLESS_MAIN(ToolGeneratorTest)
#include "test_tool_generator.moc"
