// Creating verified puzzles: single creations per level through the
// temporary file, batches appended to a file, given-up grids and cancels.
#include <QtTest>

#include <limits>

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

QList<QByteArray> Lines(const std::string& path) {
  QList<QByteArray> lines = TempDir::Read(path).split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

const std::string kSolved = "123456789456789123789123456234567891567891234891234567345678912678912345912345678";

// A puzzle file of `n` copies of one line with the given cell as a letter
// (line i fixes cell i), so a test can tell its lines apart.
std::string WritePuzzles(const TempDir& dir, const char* name, int n) {
  QByteArray bytes;
  for (int i = 1; i <= n; ++i) {
    std::string line = kSolved;
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

class CreationTest : public QObject {
  Q_OBJECT
 private slots:
  void levelPuzzles_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("name");
    QTest::addColumn<std::vector<int>>("fixed");
    QTest::newRow("Very Easy") << 0 << "Very Easy" << std::vector<int>{11, 14, 17, 38, 41, 44, 65, 68, 71};
    QTest::newRow("Easy") << 1 << "Easy" << std::vector<int>{11, 14, 17, 65, 68, 71};
    QTest::newRow("Hard") << 2 << "Hard" << std::vector<int>{11, 41, 71};
  }
  // Several puzzles of each level in a row, each checked independently, with
  // the temporary file holding exactly the created line afterwards.
  void levelPuzzles() {
    QFETCH(int, level);
    QFETCH(QString, name);
    QFETCH(std::vector<int>, fixed);
    TempDir dir;
    const std::string temp = dir.Path("temporarypuzzlefile.txt");
    Engine e(100 + static_cast<std::uint64_t>(level));
    CreationContext ctx = e.Creation(temp);
    std::vector<std::string> statuses;
    ctx.hooks.status = [&statuses](const std::string& s, CreationPhase) { statuses.push_back(s); };
    const std::string creating = "Creating puzzle (" + name.toStdString() + ") ...";
    for (int i = 0; i < 4; ++i) {
      statuses.clear();
      e.puzzle.UserEntry[2][3] = "4";
      const CreateResult r = CreateLevelPuzzle(ctx, FixedCountOfLevel(level));
      QVERIFY(r.ok());
      const std::string problem = CheckCreatedPuzzle(e.puzzle, fixed);
      QVERIFY2(problem.empty(), problem.c_str());
      QCOMPARE(e.puzzle.FixedCount, static_cast<int>(fixed.size()));
      QCOMPARE(Lines(temp), QList<QByteArray>{QByteArray::fromStdString(PuzzleLineOf(e.puzzle)) + "\r"});
      QCOMPARE(e.puzzle.PuzzleFileName, temp);
      QCOMPARE(e.puzzle.PuzzleNumber, 1);
      QCOMPARE(e.puzzle.PuzzleCount, 1);
      for (int cell = 1; cell <= 81; ++cell) {
        const int row = (cell - 1) / 9 + 1, col = (cell - 1) % 9 + 1;
        QVERIFY(e.puzzle.UserEntry[row][col].empty());
        QVERIFY(e.puzzle.CandidateGrid[row][col].empty());
        QCOMPARE(e.puzzle.CellCandidates[cell], DigitSet(0));
      }
      QVERIFY(!e.solver.Generating);
      QCOMPARE(statuses.front(), creating);
      QCOMPARE(statuses.back(), "Puzzle created (" + name.toStdString() + ")");
      QCOMPARE(std::count(statuses.begin(), statuses.end(), creating), static_cast<long>(r.attempts));
      QCOMPARE(std::count(statuses.begin(), statuses.end(), std::string("Verifying ...")), static_cast<long>(r.attempts));
    }
  }

  void inMemoryRoundTripMakesTheSamePuzzles() {
    TempDir dir;
    Engine viaFile(7), inMemory(7);
    CreationContext a = viaFile.Creation(dir.Path("temp.txt"));
    CreationContext b = inMemory.Creation("");
    for (int i = 0; i < 3; ++i) {
      QVERIFY(CreateLevelPuzzle(a, 3).ok());
      QVERIFY(CreateLevelPuzzle(b, 3).ok());
      QCOMPARE(PuzzleLineOf(inMemory.puzzle), PuzzleLineOf(viaFile.puzzle));
      QCOMPARE(inMemory.puzzle.ClueSum, viaFile.puzzle.ClueSum);
    }
  }

  // The first attempt's grid is given up (no search allowed once the
  // creation runs); the loop must neither write nor read nor verify it, and
  // go on to a good grid.
  void givenUpGridIsNeverWritten() {
    TempDir dir;
    const std::string temp = dir.Path("temp.txt");
    Engine e(11);
    int yields = 0;
    e.host.onYield = [&] {
      if (++yields == 1) e.solver.PlacementLimit = 0;
    };
    e.host.onMessage = [&e](const std::string&) { e.solver.PlacementLimit = kDefaultPlacementLimit; };
    CreationContext ctx = e.Creation(temp);
    int reads = 0;
    int badReads = 0;
    std::vector<std::string> statuses;
    ctx.hooks.read = [&](const std::string& file, std::int32_t n) {
      ++reads;
      if (LetterCells(TempDir::Read(file).left(81).toStdString()).size() != 3) ++badReads;
      return ReadPuzzle(e.puzzle, file, n).ok();
    };
    ctx.hooks.status = [&statuses](const std::string& s, CreationPhase) { statuses.push_back(s); };
    const CreateResult r = CreateLevelPuzzle(ctx, 3);
    QVERIFY(r.ok());
    QCOMPARE(r.gaveUp, 1);
    QCOMPARE(reads, r.attempts - 1);
    QCOMPARE(badReads, 0);
    QCOMPARE(e.host.messages.size(), std::size_t{1});
    QCOMPARE(statuses[1], std::string("Creating puzzle (Hard) ..."));  // no "Verifying ..." in between
    const std::string problem = CheckCreatedPuzzle(e.puzzle, {11, 41, 71});
    QVERIFY2(problem.empty(), problem.c_str());
  }

  // A stored limit at which no solve can succeed is replaced while creating
  // and kept in the solver afterwards.
  void hopelessPlacementLimitStillCreates_data() {
    QTest::addColumn<int>("stored");
    QTest::newRow("zero") << 0;
    QTest::newRow("lowest 32-bit") << std::numeric_limits<std::int32_t>::min();
    QTest::newRow("just below the lowest usable") << 99;
  }
  void hopelessPlacementLimitStillCreates() {
    QFETCH(int, stored);
    Engine e(61);
    e.solver.PlacementLimit = stored;
    CreationContext ctx = e.Creation("");
    const CreateResult r = CreateLevelPuzzle(ctx, 6);
    QVERIFY(r.ok());
    QCOMPARE(r.gaveUp, 0);
    QVERIFY(e.host.messages.empty());
    QCOMPARE(e.solver.PlacementLimit, stored);
  }

  // A grade keeps only puzzles that rate to it; the others are counted as
  // passed over, and the kept one is the current puzzle.
  void keepsOnlyTheGrade_data() {
    QTest::addColumn<int>("fixedCount");
    QTest::addColumn<int>("grade");
    QTest::newRow("Gentle, 9 givens") << 9 << static_cast<int>(Grade::Gentle);
    QTest::newRow("Moderate, 3 givens") << 3 << static_cast<int>(Grade::Moderate);
    QTest::newRow("Tough, 3 givens") << 3 << static_cast<int>(Grade::Tough);
  }
  void keepsOnlyTheGrade() {
    QFETCH(int, fixedCount);
    QFETCH(int, grade);
    for (const std::uint64_t seed : {1u, 2u}) {
      Engine e(seed);
      CreationContext ctx = e.Creation("");
      ctx.hooks.keep = [grade](const PuzzleState& p) { return GradeOf(RatePuzzle(p)) == static_cast<Grade>(grade); };
      const CreateResult r = CreateLevelPuzzle(ctx, fixedCount);
      QVERIFY(r.ok());
      QCOMPARE(GradeOf(RatePuzzle(e.puzzle)), std::optional<Grade>(static_cast<Grade>(grade)));
      if (static_cast<Grade>(grade) == Grade::Tough) QVERIFY(r.rejected > 0);
    }
  }

  // Every grid is given up: the creation ends by itself after twenty in a
  // row instead of trying forever, and the puzzle shown stays.
  void endlessGiveUpsEndTheCreation() {
    Engine e(71);
    const PuzzleState before = e.puzzle;
    e.host.onYield = [&e] { e.solver.StopRequested = true; };
    CreationContext ctx = e.Creation("");
    std::string lastStatus;
    ctx.hooks.status = [&lastStatus](const std::string& s, CreationPhase) { lastStatus = s; };
    const CreateResult r = CreateLevelPuzzle(ctx, 3);
    QCOMPARE(r.status, CreateStatus::Cancelled);
    QVERIFY(r.tooManyGiveUps);
    QCOMPARE(r.gaveUp, kGiveUpsInARowLimit);
    QCOMPARE(r.attempts, kGiveUpsInARowLimit);
    QCOMPARE(lastStatus, std::string("Creation cancelled"));
    QCOMPARE(PuzzleLineOf(e.puzzle), PuzzleLineOf(before));
  }

  void cancelledSingleCreationKeepsThePuzzleShown_data() {
    QTest::addColumn<bool>("duringVerification");
    QTest::addColumn<bool>("shownFromTemp");
    QTest::newRow("cancel while the first grid is made") << false << false;
    QTest::newRow("cancel while verifying") << true << false;
    QTest::newRow("cancel while verifying, shown puzzle from the temporary file") << true << true;
  }
  void cancelledSingleCreationKeepsThePuzzleShown() {
    QFETCH(bool, duringVerification);
    QFETCH(bool, shownFromTemp);
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
    if (duringVerification) {
      ctx.hooks.status = [&e](const std::string& s, CreationPhase) {
        if (s == "Verifying ...") RequestCancel(e.control, e.solver);
      };
    } else {
      e.host.onYield = [&] {
        if (++yields == 3) RequestCancel(e.control, e.solver);
      };
    }
    const CreateResult r = CreateLevelPuzzle(ctx, 3);
    QCOMPARE(r.status, CreateStatus::Cancelled);
    QCOMPARE(r.attempts, 1);
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
    std::vector<std::string> statuses;
    std::vector<int> appended;
    ctx.hooks.status = [&statuses](const std::string& s, CreationPhase) { statuses.push_back(s); };
    ctx.hooks.appended = [&appended](int i) { appended.push_back(i); };
    const Grid<int> pattern = PatternOf({1, 5, 41, 77, 81});
    const BatchResult r = CreatePuzzleBatch(ctx, pattern, 3, outFile);
    QCOMPARE(r.status, CreateStatus::Created);
    QCOMPARE(r.created, 3);
    QCOMPARE(r.total, 5);
    QCOMPARE(appended, (std::vector<int>{1, 2, 3}));
    const QList<QByteArray> lines = Lines(outFile);
    QCOMPARE(lines.size(), 5);
    for (int i = 2; i < 5; ++i) {
      QVERIFY(lines[i].endsWith('\r'));
      PuzzleState p;
      QVERIFY(LoadPuzzleLine(p, lines[i].chopped(1).toStdString()).ok());
      const std::string problem = CheckCreatedPuzzle(p, {1, 5, 41, 77, 81});
      QVERIFY2(problem.empty(), problem.c_str());
    }
    QCOMPARE(e.puzzle.PuzzleFileName, shown);
    QCOMPARE(e.puzzle.PuzzleNumber, 2);
    QCOMPARE(e.puzzle.PuzzleCount, 4);
    QCOMPARE(LetterCells(PuzzleLineOf(e.puzzle)), std::vector<int>{2});
    QCOMPARE(statuses.front(), std::string("Creating puzzle# 1 (Easy)"));
    QVERIFY(std::find(statuses.begin(), statuses.end(), "Created puzzle# 3") != statuses.end());
    QCOMPARE(BatchReportText(3, outFile, r.total),
             " 3 puzzles created and saved to:\r\n" + outFile + "\r\nTotal puzzles in this file= 5");
  }

  // Cancelled during the third puzzle: the first two are in the file as
  // whole lines, nothing of the third.
  void cancelledBatchWritesNothingPartial() {
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
    const QByteArray bytes = TempDir::Read(outFile);
    QCOMPARE(bytes.size(), 2 * 83);
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(!e.solver.StopRequested);
  }

  void batchIntoAnUnwritableFileFails() {
    TempDir dir;
    Engine e(51);
    CreationContext ctx = e.Creation("");
    const BatchResult r = CreatePuzzleBatch(ctx, PatternOf({41}), 2, dir.Path("missing/out.txt"));
    QCOMPARE(r.status, CreateStatus::FileError);
    QCOMPARE(r.created, 0);
    QCOMPARE(r.total, 0);
  }
};

QTEST_APPLESS_MAIN(CreationTest)
#include "test_creation.moc"
