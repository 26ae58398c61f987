// Making solution grids: seeding, the choice of the cell to blank, the
// grid check and its give-up, fixed-cell patterns and the random pattern.
#include <QtTest>

#include "generator/patterns.h"
#include "generator_support.h"

using namespace kalvero;
using kalvero::test::Engine;
using kalvero::test::IsValidGrid;

namespace {

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

class GeneratorTest : public QObject {
  Q_OBJECT
 private slots:
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

QTEST_APPLESS_MAIN(GeneratorTest)
#include "test_generator.moc"
