// Creating verified puzzles: single creations per level through the
// temporary file, batches appended to a file, given-up grids and cancels.
#include <QtTest>

#include <limits>

#include "boards.h"
#include "generator/patterns.h"
#include "generator_support.h"
#include "hint/grade.h"
#include "temp_dir.h"

using namespace kalvero;
using kalvero::test::CheckCreatedPuzzle;
using kalvero::test::Engine;
using kalvero::test::LetterCells;
using kalvero::test::TempDir;

namespace {

// A puzzle file of `n` copies of one line with the given cell as a letter
// (line i fixes cell i), so a test can tell its lines apart.
std::string WritePuzzles(const TempDir& dir, const char* name, int n) {
  QByteArray bytes;
  for (int i = 1; i <= n; ++i) {
    std::string line = kalvero::test::kSolvedGrid;
    line[i - 1] = static_cast<char>(line[i - 1] - '0' + 64);
    bytes += QByteArray::fromStdString(line) + "\r\n";
  }
  return dir.Write(name, bytes);
}

Grid<int> PatternOf(std::initializer_list<int> cells) {
  Grid<int> g{};
  for (const int cell : cells) g[(cell - 1) / 9 + 1][(cell - 1) % 9 + 1] = 1;
  return g;
}

}  // namespace

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(kalvero::Grade)

class CreationTest : public QObject {
  Q_OBJECT
 private slots:
  void levelPuzzles_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<std::vector<int>>("fixed");
    QTest::newRow("Very Easy") << 0 << std::vector<int>{11, 14, 17, 38, 41, 44, 65, 68, 71};
    QTest::newRow("Easy") << 1 << std::vector<int>{11, 14, 17, 65, 68, 71};
    QTest::newRow("Hard") << 2 << std::vector<int>{11, 41, 71};
  }
  // Several puzzles of each level in a row, each checked independently, with
  // the temporary file holding exactly the created line afterwards. A twin
  // engine that loads each line straight back instead of through the file
  // makes the same puzzles.
  void levelPuzzles() {
    QFETCH(int, level);
    QFETCH(std::vector<int>, fixed);
    const std::string name = QTest::currentDataTag();
    TempDir dir;
    const std::string temp = dir.Path("temporarypuzzlefile.txt");
    Engine e(100 + static_cast<std::uint64_t>(level)), twin(100 + static_cast<std::uint64_t>(level));
    CreationContext ctx = e.Creation(temp), inMemory = twin.Creation("");
    const std::string creating = "Creating puzzle (" + name + ") ...";
    for (int i = 0; i < 4; ++i) {
      e.statuses.clear();
      e.puzzle.UserEntry[2][3] = "4";
      const CreateResult r = CreateLevelPuzzle(ctx, FixedCountOfLevel(level));
      QVERIFY(r.ok());
      QCOMPARE(CheckCreatedPuzzle(e.puzzle, fixed), std::string());
      QCOMPARE(e.puzzle.FixedCount, static_cast<int>(fixed.size()));
      QCOMPARE(TempDir::Read(temp), QByteArray::fromStdString(PuzzleLineOf(e.puzzle)) + "\r\n");
      QVERIFY(e.puzzle.PuzzleFileName == temp && e.puzzle.PuzzleNumber == 1 && e.puzzle.PuzzleCount == 1);
      for (int cell = 1; cell <= 81; ++cell) {
        const int r = (cell - 1) / 9 + 1, c = (cell - 1) % 9 + 1;
        QVERIFY(e.puzzle.UserEntry[r][c].empty() && e.puzzle.CandidateGrid[r][c].empty() && !e.puzzle.CellCandidates[cell]);
      }
      QVERIFY(!e.solver.Generating);
      QCOMPARE(e.statuses.front(), creating);
      QCOMPARE(e.statuses.back(), "Puzzle created (" + name + ")");
      QCOMPARE(std::count(e.statuses.begin(), e.statuses.end(), creating), long{r.attempts});
      QCOMPARE(std::count(e.statuses.begin(), e.statuses.end(), std::string("Verifying ...")), long{r.attempts});
      QVERIFY(CreateLevelPuzzle(inMemory, FixedCountOfLevel(level)).ok());
      QCOMPARE(PuzzleLineOf(twin.puzzle), PuzzleLineOf(e.puzzle));
      QCOMPARE(twin.puzzle.ClueSum, e.puzzle.ClueSum);
    }
  }

  // The first attempt's grid is given up (no search allowed once the
  // creation runs); the loop must neither write nor read nor verify it, and
  // go on to a good grid.
  void givenUpGridIsNeverWritten() {
    TempDir dir;
    Engine e(11);
    int yields = 0, reads = 0, badReads = 0;
    e.host.onYield = [&] {
      if (++yields == 1) e.solver.PlacementLimit = 0;
    };
    e.host.onMessage = [&e](const std::string&) { e.solver.PlacementLimit = kDefaultPlacementLimit; };
    CreationContext ctx = e.Creation(dir.Path("temp.txt"));
    ctx.hooks.read = [&](const std::string& file, std::int32_t n) {
      ++reads;
      if (LetterCells(TempDir::Read(file).left(81).toStdString()).size() != 3) ++badReads;
      return ReadPuzzle(e.puzzle, file, n).ok();
    };
    const CreateResult r = CreateLevelPuzzle(ctx, 3);
    QVERIFY(r.ok());
    QCOMPARE(r.gaveUp, 1);
    QCOMPARE(reads, r.attempts - 1);
    QCOMPARE(badReads, 0);
    QCOMPARE(e.host.messages.size(), std::size_t{1});
    QCOMPARE(e.statuses[1], std::string("Creating puzzle (Hard) ..."));  // no "Verifying ..." in between
    QCOMPARE(CheckCreatedPuzzle(e.puzzle, {11, 41, 71}), std::string());
  }

  // A grade keeps only puzzles that rate to it; the others are counted as
  // passed over, and the kept one is the current puzzle. Each creation starts
  // with a stored placement limit at which no solve could succeed: it is
  // replaced while creating and kept in the solver afterwards.
  void keepsOnlyTheGrade_data() {
    QTest::addColumn<int>("fixedCount");
    QTest::addColumn<Grade>("grade");
    QTest::addColumn<int>("storedLimit");
    QTest::newRow("Gentle, 9 givens, limit 0") << 9 << Grade::Gentle << 0;
    QTest::newRow("Moderate, 3 givens, limit 99") << 3 << Grade::Moderate << 99;
    QTest::newRow("Tough, 3 givens, lowest limit") << 3 << Grade::Tough << std::numeric_limits<std::int32_t>::min();
  }
  void keepsOnlyTheGrade() {
    QFETCH(int, fixedCount);
    QFETCH(Grade, grade);
    QFETCH(int, storedLimit);
    for (const std::uint64_t seed : {1u, 2u}) {
      Engine e(seed);
      e.solver.PlacementLimit = storedLimit;
      CreationContext ctx = e.Creation("");
      ctx.hooks.keep = [grade](const PuzzleState& p) { return GradeOf(p) == grade; };
      const CreateResult r = CreateLevelPuzzle(ctx, fixedCount);
      QVERIFY(r.ok());
      QCOMPARE(GradeOf(e.puzzle), std::optional<Grade>(grade));
      if (grade == Grade::Tough) QVERIFY(r.rejected > 0);
      QCOMPARE(r.gaveUp, 0);
      QVERIFY(e.host.messages.empty());
      QCOMPARE(e.solver.PlacementLimit, storedLimit);
    }
  }

  // A cancelled creation, or one whose every grid is given up (it ends by
  // itself after twenty in a row instead of trying forever), keeps the
  // puzzle shown and the temporary file as they were.
  void cancelledCreationKeepsThePuzzleShown_data() {
    QTest::addColumn<int>("stop");  // 0: cancel at the third yield, 1: while verifying, 2: every yield stops
    QTest::addColumn<bool>("shownFromTemp");
    QTest::addColumn<int>("attempts");
    QTest::newRow("cancel while the first grid is made") << 0 << false << 1;
    QTest::newRow("cancel while verifying") << 1 << false << 1;
    QTest::newRow("cancel while verifying, shown puzzle from the temporary file") << 1 << true << 1;
    QTest::newRow("every grid given up") << 2 << true << kGiveUpsInARowLimit;
  }
  void cancelledCreationKeepsThePuzzleShown() {
    QFETCH(int, stop);
    QFETCH(bool, shownFromTemp);
    QFETCH(int, attempts);
    TempDir dir;
    const std::string temp = dir.Path("temp.txt");
    const std::string shownFile = shownFromTemp ? WritePuzzles(dir, "temp.txt", 1) : WritePuzzles(dir, "p.txt", 3);
    Engine e(21);
    e.puzzle.PuzzleCount = CountPuzzles(shownFile);
    QVERIFY(ReadPuzzle(e.puzzle, shownFile, e.puzzle.PuzzleCount).ok());
    e.puzzle.UserEntry[5][5] = "3";
    const PuzzleState before = e.puzzle;
    const QByteArray tempBefore = TempDir::Read(temp);
    CreationContext ctx = e.Creation(temp);
    int yields = 0;
    e.host.onYield = [&] {
      if (stop == 2) e.solver.StopRequested = true;
      if (stop == 0 && ++yields == 3) RequestCancel(e.control, e.solver);
    };
    if (stop == 1)
      ctx.hooks.status = [&e](const std::string& s, CreationPhase) {
        if (s == "Verifying ...") RequestCancel(e.control, e.solver);
      };
    const CreateResult r = CreateLevelPuzzle(ctx, 3);
    QCOMPARE(r.status, CreateStatus::Cancelled);
    QCOMPARE(r.attempts, attempts);
    QCOMPARE(r.gaveUp, stop == 2 ? attempts : 0);
    QCOMPARE(r.tooManyGiveUps, stop == 2);
    if (stop == 2) QCOMPARE(e.statuses.back(), std::string("Creation cancelled"));
    QCOMPARE(PuzzleLineOf(e.puzzle), PuzzleLineOf(before));
    QCOMPARE(e.puzzle.PuzzleFileName, before.PuzzleFileName);
    QCOMPARE(e.puzzle.PuzzleNumber, before.PuzzleNumber);
    QCOMPARE(e.puzzle.UserEntry[5][5], std::string("3"));
    QVERIFY(!e.solver.StopRequested);
    QVERIFY(!e.solver.Generating);
    QCOMPARE(TempDir::Read(temp), tempBefore);
  }

  // A batch of three into a file of two puzzles while puzzle 2 of another
  // file is shown: three verified lines with the pattern appended, the
  // report's numbers, and puzzle 2 shown again.
  void batchAppendsAndShowsThePreviousPuzzle() {
    TempDir dir;
    const std::string shown = WritePuzzles(dir, "shown.txt", 4);
    const std::string outFile = WritePuzzles(dir, "out.txt", 2);
    Engine e(31);
    e.puzzle.PuzzleCount = 4;
    QVERIFY(ReadPuzzle(e.puzzle, shown, 2).ok());
    CreationContext ctx = e.Creation(dir.Path("temp.txt"));
    std::vector<int> appended;
    ctx.hooks.appended = [&appended](int i) { appended.push_back(i); };
    const BatchResult r = CreatePuzzleBatch(ctx, PatternOf({1, 5, 41, 77, 81}), 3, outFile);
    QCOMPARE(r.status, CreateStatus::Created);
    QCOMPARE(r.created, 3);
    QCOMPARE(r.total, 5);
    QCOMPARE(appended, (std::vector<int>{1, 2, 3}));
    const QList<QByteArray> lines = TempDir::Read(outFile).split('\n');
    QVERIFY(lines.size() == 6 && lines[5].isEmpty());
    for (int i = 2; i < 5; ++i) {
      QVERIFY(lines[i].endsWith('\r'));
      PuzzleState p;
      QVERIFY(LoadPuzzleLine(p, lines[i].chopped(1).toStdString()).ok());
      QCOMPARE(CheckCreatedPuzzle(p, {1, 5, 41, 77, 81}), std::string());
    }
    QVERIFY(e.puzzle.PuzzleFileName == shown && e.puzzle.PuzzleNumber == 2 && e.puzzle.PuzzleCount == 4);
    QCOMPARE(LetterCells(PuzzleLineOf(e.puzzle)), std::vector<int>{2});
    QCOMPARE(e.statuses.front(), std::string("Creating puzzle# 1 (Easy)"));
    QVERIFY(std::find(e.statuses.begin(), e.statuses.end(), "Created puzzle# 3") != e.statuses.end());
    QCOMPARE(BatchReportText(3, outFile, r.total),
             " 3 puzzles created and saved to:\r\n" + outFile + "\r\nTotal puzzles in this file= 5");
  }

  // Cancelled during the third puzzle: the first two are in the file as
  // whole lines, nothing of the third. A file that cannot be written stops
  // the batch with nothing created.
  void interruptedBatchesWriteNothingPartial() {
    TempDir dir;
    const std::string outFile = dir.Path("out.txt");
    Engine e(41);
    CreationContext ctx = e.Creation(dir.Path("temp.txt"));
    bool cancelNext = false;
    ctx.hooks.appended = [&](int i) { cancelNext = i == 2; };
    e.host.onYield = [&] {
      if (cancelNext) RequestCancel(e.control, e.solver);
    };
    const BatchResult r = CreatePuzzleBatch(ctx, PatternOf({11, 41, 71}), 5, outFile);
    QCOMPARE(r.status, CreateStatus::Cancelled);
    QCOMPARE(r.created, 2);
    QCOMPARE(r.total, 2);
    QCOMPARE(TempDir::Read(outFile).size(), 2 * 83);  // two whole CR LF lines
    QVERIFY(!e.solver.StopRequested);

    Engine f(51);
    CreationContext unwritable = f.Creation("");
    const BatchResult failed = CreatePuzzleBatch(unwritable, PatternOf({41}), 2, dir.Path("missing/out.txt"));
    QCOMPARE(failed.status, CreateStatus::FileError);
    QCOMPARE(failed.created, 0);
    QCOMPARE(failed.total, 0);
  }
};

QTEST_APPLESS_MAIN(CreationTest)
#include "test_creation.moc"
