// Making solution grids: seeding, the choice of the cell to blank, the grid
// check and its give-up, fixed-cell patterns and the random pattern.
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
using kalvero::test::IsValidGrid;

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

// Cell of the k-th place (1..9, row-major) of box b, worked out from rows and
// columns rather than from the index tables.
int CellOfBoxPlace(int b, int k) {
  return (3 * ((b - 1) / 3) + (k - 1) / 3) * 9 + 3 * ((b - 1) % 3) + (k - 1) % 3 + 1;
}

std::string MakeFrom(const std::vector<double>& draws, std::size_t* drawn = nullptr) {
  Engine e(0);
  ScriptedRandom random(draws);
  e.generator.random = &random;
  GeneratorContext ctx = e.Gen();
  const MakeResult made = MakeSolution(ctx);
  if (drawn) *drawn = random.Drawn();
  return made == MakeResult::Made ? e.puzzle.SolutionText : "gave up";
}

std::vector<int> Cells(std::initializer_list<int> cells) { return cells; }

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

  // What a seed creates depends on its stream, so the stream is pinned: the
  // first and the thousandth draw of seed 42 as 53-bit integers, and the
  // first after a jump. The draws stay in [0, 1) and spread evenly.
  void pseudoRandomStreamIsPinned() {
    PseudoRandom a(42), jumped(42);
    jumped.Jump();
    const auto bits = [](double r) { return static_cast<std::uint64_t>(r * 0x1.0p53); };
    QCOMPARE(bits(a.Next()), std::uint64_t{755370490430936});
    std::array<int, 10> tenths{};
    for (int i = 2; i < 1000; ++i) ++tenths.at(static_cast<std::size_t>(a.Next() * 10));
    QCOMPARE(bits(a.Next()), std::uint64_t{4992541146232177});
    QCOMPARE(bits(jumped.Next()), std::uint64_t{2815908855125993});
    for (const int n : tenths) QVERIFY(n > 70 && n < 130);
  }

  void pickCellToBlank_data() {
    QTest::addColumn<std::vector<int>>("filled");
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("cell");
    std::vector<int> all;
    for (int c = 1; c <= 81; ++c) all.push_back(c);
    // Nine filled cells in box 1: p = floor(9r + 0.5) + 1, clamped to 9.
    QTest::newRow("first cell has half a share") << all << 0.0555 << 1;
    QTest::newRow("second cell from r = 1/18") << all << 0.0556 << 2;
    QTest::newRow("last cell from r = 15/18") << all << 0.8334 << 21;
    QTest::newRow("r near 1 is clamped to the last cell") << all << 0.9999 << 21;
    QTest::newRow("longest list wins") << Cells({1, 2, 41, 42, 49, 80}) << 0.0 << 41;
    QTest::newRow("tie goes to the lower box") << Cells({5, 6, 61, 62, 31}) << 0.4 << 6;
    QTest::newRow("no filled cell") << Cells({}) << 0.5 << 0;
  }
  void pickCellToBlank() {
    QFETCH(std::vector<int>, filled);
    QFETCH(double, draw);
    QFETCH(int, cell);
    Engine e(1);
    ScriptedRandom random({draw});
    e.generator.random = &random;
    for (const int c : filled) e.solver.CellValue[c] = DigitBit(1 + c % 9);
    GeneratorContext ctx = e.Gen();
    QCOMPARE(PickCellToBlank(ctx), cell);
  }

  // The seed draws put digit d on place floor(9r) + 1 of box d; the grid is
  // valid, keeps its seeds and comes out the same every time.
  void makeSolutionFromSeeds_data() {
    QTest::addColumn<std::vector<double>>("draws");
    QTest::addColumn<std::vector<int>>("places");
    QTest::newRow("place boundaries")
        << std::vector<double>{0.1112, 0.2222, 0.2223, 0.5, 0.1111, 0.999, 0.0, 0.3334, 0.8888}
        << std::vector<int>{2, 2, 3, 5, 1, 9, 1, 4, 8};
    QTest::newRow("mixed") << std::vector<double>{0.5, 0.3, 0.95, 0.05, 0.15, 0.85, 0.4, 0.6, 0.7}
                           << std::vector<int>{5, 3, 9, 1, 2, 8, 4, 6, 7};
  }
  void makeSolutionFromSeeds() {
    QFETCH(std::vector<double>, draws);
    QFETCH(std::vector<int>, places);
    std::size_t drawn = 0;
    const std::string grid = MakeFrom(draws, &drawn);
    QVERIFY2(IsValidGrid(grid), grid.c_str());
    QCOMPARE(MakeFrom(draws), grid);
    QCOMPARE(drawn, std::size_t{10});  // nine seeds and one cell to blank
    for (int d = 1; d <= 9; ++d) QCOMPARE(grid[CellOfBoxPlace(d, places[d - 1]) - 1], static_cast<char>('0' + d));
  }

  // With no search allowed no try can complete its grid, so MakeSolution
  // gives up after five tries with its message and leaves nothing behind.
  void makeSolutionGivesUp() {
    Engine e(5);
    e.solver.PlacementLimit = 0;
    e.puzzle.UserEntry[3][3] = "7";
    GeneratorContext ctx = e.Gen();
    QCOMPARE(MakeSolution(ctx), MakeResult::GaveUp);
    QCOMPARE(e.host.messages,
             std::vector<std::string>{"Could not create a puzzle with 1 blanks in 5 Tries|vbok+vbexclamation"});
    QVERIFY(e.solver.StopRequested);
    QVERIFY(e.solver.CellValue == CellList<DigitSet>{} && e.puzzle.CellCandidates == CellList<DigitSet>{});
    QVERIFY(e.puzzle.FixedMark == CellList<bool>{} && e.puzzle.UserEntry[3][3].empty());
  }

  // ApplyFixedPattern marks the table's cells for every count; the batch
  // window's presets use the same table but only for counts 3 to 9.
  void fixedPatterns_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<std::vector<int>>("cells");
    QTest::addColumn<bool>("preset");
    QTest::newRow("0: none") << 0 << Cells({}) << true;
    QTest::newRow("1: centre") << 1 << Cells({41}) << false;
    QTest::newRow("2: corners") << 2 << Cells({1, 81}) << false;
    QTest::newRow("3 (Hard): diagonal centres") << 3 << Cells({11, 41, 71}) << true;
    QTest::newRow("4: edge-box centres") << 4 << Cells({14, 38, 44, 68}) << true;
    QTest::newRow("5: cross") << 5 << Cells({14, 38, 41, 44, 68}) << true;
    QTest::newRow("6 (Easy): top and bottom centres") << 6 << Cells({11, 14, 17, 65, 68, 71}) << true;
    QTest::newRow("7: six and the centre") << 7 << Cells({11, 14, 17, 41, 65, 68, 71}) << true;
    QTest::newRow("8: all centres but the middle") << 8 << Cells({11, 14, 17, 38, 44, 65, 68, 71}) << true;
    QTest::newRow("9 (Very Easy): all centres") << 9 << Cells({11, 14, 17, 38, 41, 44, 65, 68, 71}) << true;
    QTest::newRow("10: none") << 10 << Cells({}) << true;
  }
  void fixedPatterns() {
    QFETCH(int, count);
    QFETCH(std::vector<int>, cells);
    QFETCH(bool, preset);
    Engine e(7);
    e.solver.StopRequested = true;  // left from before: MakeSolution clears it
    GeneratorContext ctx = e.Gen();
    QCOMPARE(MakeSolution(ctx), MakeResult::Made);
    e.puzzle.FixedFlag[9][1] = 1;
    e.puzzle.FixedMark[73] = true;
    e.puzzle.UserEntry[9][1] = "5";
    e.puzzle.CandidateGrid[4][4] = "12";
    ApplyFixedPattern(e.puzzle, count);
    Grid<int> flags{};
    flags[1][1] = flags[9][9] = 1;  // an earlier drawing, cleared by the preset
    SetPresetPattern(flags, count);
    for (int cell = 1; cell <= 81; ++cell) {
      const int r = (cell - 1) / 9 + 1, c = (cell - 1) % 9 + 1;
      const bool fixed = std::find(cells.begin(), cells.end(), cell) != cells.end();
      QCOMPARE(e.puzzle.FixedMark[cell], fixed);
      QCOMPARE(e.puzzle.FixedFlag[r][c], fixed ? 1 : 0);
      const std::string digit(1, e.puzzle.SolutionText[cell - 1]);
      QCOMPARE(e.puzzle.FixedValue[r][c], fixed ? digit : std::string());
      if (fixed) QCOMPARE(DigitText(e.puzzle.CellCandidates[cell]), digit);
      QCOMPARE(flags[r][c], fixed && preset ? 1 : 0);
    }
    QVERIFY(e.puzzle.UserEntry[9][1].empty());
    QVERIFY(e.puzzle.SavedEntry[9][1].empty());
    QVERIFY(e.puzzle.CandidateGrid[4][4].empty());
  }

  // The list is sorted as text: equal random prefixes order their cells by
  // the text of the cell number, and a smaller random number comes first.
  void randomPatternSortsAsText_data() {
    QTest::addColumn<std::vector<double>>("draws");
    QTest::addColumn<std::vector<int>>("cells");
    QTest::newRow("equal numbers: 1, 10, 11 before 2") << std::vector<double>(81, 0.0) << Cells({1, 10, 11, 12});
    std::vector<double> low(81, 0.5);
    low[44] = 0.1;  // cell 45
    low[4] = 0.1;   // cell 5
    low[79] = 0.0;  // cell 80
    QTest::newRow("smallest number first, then 45 before 5") << low << Cells({80, 45, 5, 1});
  }
  void randomPatternSortsAsText() {
    QFETCH(std::vector<double>, draws);
    QFETCH(std::vector<int>, cells);
    ScriptedRandom random(draws);
    QCOMPARE(RandomPatternCells(random, 4), cells);
    QCOMPARE(random.Drawn(), std::size_t{81});
  }

  // The create button's level list: any text but "Easy" and "Hard" makes a
  // "Very Easy" puzzle.
  void levelFromListText() {
    QCOMPARE(FixedCountOfLevel(LevelIndexOfText("hard")), 3);
    QCOMPARE(FixedCountOfLevel(LevelIndexOfText("Easy")), 6);
    QCOMPARE(FixedCountOfLevel(LevelIndexOfText("Very Easy")), 9);
    QCOMPARE(FixedCountOfLevel(4), 0);  // "Cancel" of the menu
  }
};

QTEST_APPLESS_MAIN(CreationTest)
#include "test_creation.moc"
