// The solve driver, the rule loop and the search.
#include <QtTest>

#include "boards.h"
#include "rules/rules.h"
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

struct SolveCase {
  QString board;
  int startPlacements;
  bool stop, failed;
  int branchPoints;  // -1: not checked
  int placements;    // final count, with an empty queue; 0: not checked
  QString expected;  // the board afterwards; empty: not checked
};

}  // namespace

Q_DECLARE_METATYPE(SolveCase)

class SolverTest : public QObject {
  Q_OBJECT
 private slots:
  void solveOutcomes_data() {
    QTest::addColumn<SolveCase>("t");
    QString seeds(81, QLatin1Char('0'));
    for (int d = 1; d <= 9; ++d) seeds[kTables.BoxCells[d][d] - 1] = QChar(u'0' + d);
    QString threeOpen = QString::fromLatin1(kSolvedGrid);
    for (const int cell : {1, 41, 81}) threeOpen[cell - 1] = QLatin1Char('0');
    QTest::newRow("rule 1 alone, no search") << SolveCase{threeOpen, 0, false, false, 0, 3, kSolvedGrid};
    // The placement counts of searched solves include the singles that a
    // refresh placed and the next search step places again.
    QTest::newRow("unique puzzle, every other branch tried")
        << SolveCase{kUniqueNeedsSearch, 0, false, false, 0, 125, kUniqueSolution};
    QTest::newRow("two solutions, first candidate of a two-way branch")
        << SolveCase{kTwoSolutions, 0, false, false, 1, 93,
                     "371892456269453178458167293947621835826935741135784629512348967793216584684579312"};
    QTest::newRow("nine seeds")
        << SolveCase{seeds, 0, false, false, 35, 104,
                     "145627893389415672267839145523976481471258936698143257832591764954762318716384529"};
    QTest::newRow("repeated given, no branch point: -99")
        << SolveCase{"11" + QString(79, QLatin1Char('0')), 0, false, true, 0, kPlacementCountNoSolution, ""};
    QTest::newRow("placement limit already passed") << SolveCase{seeds, 201, false, true, -1, 0, ""};
    QTest::newRow("stop requested leaves the givens") << SolveCase{seeds, 0, true, true, -1, 0, seeds};
  }
  void solveOutcomes() {
    QFETCH(SolveCase, t);
    SolverRig s(t.board.toStdString());
    s.solver.PlacementCount = t.startPlacements;
    s.solver.StopRequested = t.stop;
    const SolveResult r = s.Run();
    QCOMPARE(s.solver.SolveFailed, t.failed);
    QCOMPARE(r.solved, !t.failed);
    QCOMPARE(r.branchPoints, s.solver.BranchStack.Points());
    if (t.branchPoints >= 0) QCOMPARE(r.branchPoints, t.branchPoints);
    if (t.placements != 0) {
      QCOMPARE(s.solver.PlacementCount, t.placements);
      QVERIFY(s.solver.TrialQueue.Empty());
    }
    if (!t.expected.isEmpty()) QCOMPARE(QString::fromStdString(BoardOf(s.solver)), t.expected);
  }

  // A queue left by an earlier solve is never placed: here its entry names a
  // given's cell, and the refresh stops early at cell 9, which has no
  // candidates, so the queue would not be rebuilt.
  void staleQueueIsNeverPlaced() {
    SolverRig s("123456780000000009" + std::string(63, '0'));
    s.solver.TrialQueue.Push(TrialEntry{1, 0, 1, 1, DigitBit(5)});
    s.Run();
    QVERIFY(s.solver.SolveFailed);
    QCOMPARE(s.solver.CellValue[1], DigitBit(1));
  }

  // Rule 1 counts an open cell without candidates as a single, so this board
  // reaches EmptyCount 0 with a hole and no repeated digit; it must fail.
  void holeIsNeverASuccess() {
    SolverRig s("023056400406780103789120050004500090507891030800034060340600912600912305912040608");
    s.Run();
    QVERIFY(s.solver.SolveFailed);
    QVERIFY(CheckNoDuplicates(s.solver) && BoardOf(s.solver).find('0') != std::string::npos);
  }

  // A single queued right after the head is placed in the same step, even
  // when the queue holds only the two; the refresh would not place it.
  void queuedSingleFollowsTheHead() {
    SolverRig s(std::string(81, '0'));
    s.solver.TrialQueue.Push(TrialEntry{1, 0, 1, 0, DigitBit(5)});
    s.solver.TrialQueue.Push(TrialEntry{1, 0, 2, 0, DigitBit(7)});
    SearchStep(s.ctx);
    QCOMPARE(s.solver.CellValue[2], DigitBit(7));
  }

  // The branch point of a cell with candidates 469: 4 first (69 untried),
  // after a backtrack 6 (9 untried), after another 9 with no branch point.
  void branchSequence469() {
    SolverRig s("012357800" + std::string(72, '0'));
    SolverState& solver = s.solver;
    const auto step = [&](int cell, DigitSet digits) {
      solver.TrialQueue.Clear();
      solver.TrialQueue.Push(TrialEntry{static_cast<std::uint8_t>(DigitCount(digits)), 0,
                                        static_cast<std::uint8_t>(cell), 0, digits});
      SearchStep(s.ctx);
    };
    step(1, DigitsOf("469"));
    QCOMPARE(solver.BranchStack.Top().snapshot[1], DigitSet(0));  // taken before the digit is written
    const struct { int digit; const char* untried; } expected[] = {{4, "69"}, {6, "9"}, {9, ""}};
    for (const auto& x : expected) {
      QCOMPARE(solver.CellValue[1], DigitBit(x.digit));
      QCOMPARE(solver.BranchStack.Points(), *x.untried ? 1 : 0);
      if (*x.untried) QCOMPARE(DigitText(solver.BranchStack.Top().untried), std::string(x.untried));
      // Placing cell 1's digit again in its column forces a backtrack.
      solver.CellValue[10] = 0;
      step(10, solver.CellValue[1]);
    }
  }

  // Which rules the rule loop runs: only the digits 2..9 of RuleOrder, and
  // all of 2..9 while generating, whatever the order says.
  void ruleOrder() {
    const struct { const char* order; bool generating; const char* ran; } cases[] = {{"1x30", false, "3"}, {"95", false, "59"}, {"3", true, "23456789"}};
    for (const auto& t : cases) {
      SolverRig s(std::string(81, '0'));
      s.puzzle.CellCandidates.fill(DigitsOf("12"));
      s.solver.EmptyCount = 81;
      s.solver.RuleOrder = t.order;
      s.solver.Generating = t.generating;
      s.solver.RuleChangeCount.fill(-1);
      ApplyRules(s.ctx);
      std::string ran;
      for (int n = 2; n <= 9; ++n)
        if (s.solver.RuleChangeCount[n] != -1) ran += static_cast<char>('0' + n);
      QCOMPARE(ran, std::string(t.ran));
    }
  }
};

QTEST_APPLESS_MAIN(SolverTest)
#include "test_solver.moc"
