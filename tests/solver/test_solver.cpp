// The solve driver, the rule loop and the search.
#include <QtTest>

#include "model/puzzle_file.h"
#include "rules/rules.h"
#include "solver/verify.h"
#include "solver_support.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

// A unique puzzle the rules cannot finish: its search ends with every other
// candidate tried, so no branch point stays open.
const char* kUniqueNeedsSearch = "....14....3....2...7..........9...3.6.1........9....8.2.....1.4....5.6.....7.8...";
const char* kUniqueSolution = "962314857134587269578296413847962531651873942329145786285639174793451628416728395";
// A puzzle with two solutions that differ in one two-way choice.
const char* kTwoSolutions = "37.....5626.4531..45.1.....947...83..269...4.......6.....348.....3.16...........2";
// A complete grid; with three cells open, rule 1 alone finishes it.
const char* kGrid = "962314857134587269578296413847962531651873942329145786285639174793451628416728395";

std::string Without(std::string board, std::initializer_list<int> cells) {
  for (int cell : cells) board[cell - 1] = '0';
  return board;
}

// One solve set up from a board text as the generator's seeding leaves it.
struct Solve {
  PuzzleState puzzle;
  SolverState solver;
  SilentHost host;
  RuleContext ctx{puzzle, solver, host};
  explicit Solve(const std::string& board) { SetUpSolve(puzzle, solver, board); }
  SolveResult Run() { return SolvePuzzle(puzzle, solver, host); }
};

}  // namespace

class SolverTest : public QObject {
  Q_OBJECT
 private slots:
  void solveOutcomes_data() {
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("startPlacements");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<bool>("failed");
    QTest::addColumn<int>("branchPoints");  // -1: not checked
    QTest::addColumn<int>("placements");    // final count, with an empty queue; 0: not checked
    QTest::addColumn<QString>("expected");  // "valid": any complete grid keeping the givens
    QString seeds(81, QLatin1Char('0'));
    for (int d = 1; d <= 9; ++d) seeds[kTables.BoxCells[d][d] - 1] = QChar(u'0' + d);
    QTest::newRow("rule 1 alone, no search")
        << QString::fromStdString(Without(kGrid, {1, 41, 81})) << 0 << false << false << 0 << 3 << QString(kGrid);
    // The placement counts of searched solves include the singles that a
    // refresh placed and the next search step places again.
    QTest::newRow("unique puzzle, every other branch tried")
        << QString(kUniqueNeedsSearch) << 0 << false << false << 0 << 125 << QString(kUniqueSolution);
    QTest::newRow("two solutions, first candidate of a two-way branch")
        << QString(kTwoSolutions) << 0 << false << false << 1 << 93
        << "371892456269453178458167293947621835826935741135784629512348967793216584684579312";
    QTest::newRow("nine seeds") << seeds << 0 << false << false << 35 << 104
                                << "145627893389415672267839145523976481471258936698143257832591764954762318716384529";
    QTest::newRow("repeated given, no branch point: -99")
        << "11" + QString(79, QLatin1Char('0')) << 0 << false << true << 0 << kPlacementCountNoSolution << "";
    QTest::newRow("placement limit already passed") << seeds << 201 << false << true << -1 << 0 << "";
    QTest::newRow("stop requested leaves the givens") << seeds << 0 << true << true << -1 << 0 << seeds;
  }
  void solveOutcomes() {
    QFETCH(QString, board);
    QFETCH(int, startPlacements);
    QFETCH(bool, stop);
    QFETCH(bool, failed);
    QFETCH(int, branchPoints);
    QFETCH(int, placements);
    QFETCH(QString, expected);
    Solve t(board.toStdString());
    t.solver.PlacementCount = startPlacements;
    t.solver.StopRequested = stop;
    const SolveResult r = t.Run();
    QCOMPARE(t.solver.SolveFailed, failed);
    QCOMPARE(r.solved, !failed);
    QCOMPARE(r.branchPoints, t.solver.BranchStack.Points());
    if (branchPoints >= 0) QCOMPARE(t.solver.BranchStack.Points(), branchPoints);
    if (placements != 0) {
      QCOMPARE(t.solver.PlacementCount, placements);
      QVERIFY(t.solver.TrialQueue.Empty());
    }
    const std::string got = BoardOf(t.solver);
    if (expected == QLatin1String("valid")) {
      QVERIFY(IsValidGrid(got));
      for (int i = 0; i < 81; ++i)
        if (board[i] != QLatin1Char('0') && board[i] != QLatin1Char('.')) QCOMPARE(got[i], board[i].toLatin1());
    } else if (!expected.isEmpty()) {
      QCOMPARE(QString::fromStdString(got), expected);
    }
  }

  // A queue left by an earlier solve is never placed: here its entry names a
  // given's cell, and the refresh stops early at cell 9, which has no
  // candidates, so the queue would not be rebuilt.
  void staleQueueIsNeverPlaced() {
    Solve t("123456780000000009" + std::string(63, '0'));
    TrialEntry stale;
    stale.count = 1;
    stale.cell = 1;
    stale.box = 1;
    stale.candidates = DigitBit(5);
    t.solver.TrialQueue.Push(stale);
    t.Run();
    QVERIFY(t.solver.SolveFailed);
    QCOMPARE(t.solver.CellValue[1], DigitBit(1));
  }

  // Rule 1 counts an open cell without candidates as a single, so this board
  // reaches EmptyCount 0 with a hole and no repeated digit; it must fail.
  void holeIsNeverASuccess() {
    Solve t("023056400406780103789120050004500090507891030800034060340600912600912305912040608");
    t.Run();
    QVERIFY(t.solver.SolveFailed);
    QVERIFY(CheckNoDuplicates(t.solver));
    QVERIFY(BoardOf(t.solver).find('0') != std::string::npos);
  }

  // The branch point of a cell with candidates 469: 4 first (69 untried),
  // after a backtrack 6 (9 untried), after another 9 with no branch point.
  void branchSequence469() {
    Solve t("012357800" + std::string(72, '0'));
    SolverState& solver = t.solver;
    const auto queue = [&](int cell, const char* digits) {
      TrialEntry e;
      e.cell = static_cast<std::uint8_t>(cell);
      e.box = static_cast<std::uint8_t>(kTables.BoxOf[cell]);
      e.candidates = DigitsOf(digits);
      e.count = static_cast<std::uint8_t>(DigitCount(e.candidates));
      solver.TrialQueue.Clear();
      solver.TrialQueue.Push(e);
    };
    queue(1, "469");
    SearchStep(t.ctx);
    QCOMPARE(solver.BranchStack.Points(), 1);
    QCOMPARE(int(solver.BranchStack.Top().digit), 4);
    QCOMPARE(DigitText(solver.BranchStack.Top().untried), std::string("69"));
    QCOMPARE(solver.BranchStack.Top().snapshot[1], DigitSet(0));
    // Placing cell 1's digit again in its column forces a backtrack.
    const auto forceBacktrack = [&] {
      solver.CellValue[10] = 0;
      queue(10, DigitText(solver.CellValue[1]).c_str());
      SearchStep(t.ctx);
    };
    forceBacktrack();
    QCOMPARE(solver.CellValue[1], DigitBit(6));
    QCOMPARE(solver.BranchStack.Points(), 1);
    QCOMPARE(int(solver.BranchStack.Top().digit), 6);
    QCOMPARE(DigitText(solver.BranchStack.Top().untried), std::string("9"));
    forceBacktrack();
    QCOMPARE(solver.CellValue[1], DigitBit(9));
    QCOMPARE(solver.BranchStack.Points(), 0);
  }

  void ruleOrder_data() {
    QTest::addColumn<QString>("order");
    QTest::addColumn<bool>("generating");
    QTest::addColumn<QString>("ran");
    QTest::newRow("only the digits 2..9 run") << "1x30" << false << "3";
    QTest::newRow("written order") << "95" << false << "59";
    QTest::newRow("generating ignores the order") << "3" << true << "23456789";
  }
  void ruleOrder() {
    QFETCH(QString, order);
    QFETCH(bool, generating);
    QFETCH(QString, ran);
    Solve t(std::string(81, '0'));
    t.puzzle.CellCandidates.fill(DigitsOf("12"));
    t.solver.EmptyCount = 81;
    t.solver.RuleOrder = order.toStdString();
    t.solver.Generating = generating;
    t.solver.RuleChangeCount.fill(-1);
    ApplyRules(t.ctx);
    QString got;
    for (int n = 2; n <= 9; ++n)
      if (t.solver.RuleChangeCount[n] != -1) got += QChar(u'0' + n);
    QCOMPARE(got, ran);
  }

  // Every nine-seed solve ends in a failure flag or a valid grid keeping its
  // seeds; every such grid, all given, verifies.
  void nineSeedSolvesGiveValidGrids() {
    std::mt19937 rng(2024);
    SilentHost host;
    int solved = 0;
    for (int i = 0; i < 300; ++i) {
      const std::string seeds = NineSeeds(rng);
      Solve t(seeds);
      if (!t.Run().solved) continue;
      ++solved;
      const std::string grid = BoardOf(t.solver);
      QVERIFY2(IsValidGrid(grid), grid.c_str());
      for (int k = 0; k < 81; ++k)
        if (seeds[k] != '0') QCOMPARE(grid[k], seeds[k]);
      if (i % 5 != 0) continue;
      std::string line = grid;
      for (char& ch : line) ch = static_cast<char>(ch - '0' + 64);
      PuzzleState all;
      QVERIFY(LoadPuzzleLine(all, line).ok());
      QCOMPARE(VerifyPuzzle(all, t.solver, host), VerifyResult::Verified);
    }
    QVERIFY(solved > 250);
  }
};

QTEST_APPLESS_MAIN(SolverTest)
#include "test_solver.moc"
