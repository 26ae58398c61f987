// The solve driver, the rule loop and the search; verification by logic and
// the computed pencil marks.
#include <QtTest>

#include "boards.h"
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

struct SolveCase {
  QString board;
  int startPlacements;
  bool stop, failed;
  int branchPoints;  // -1: not checked
  int placements;    // final count, with an empty queue; 0: not checked
  QString expected;  // the board afterwards; empty: not checked
};

// One grid as a created puzzle with its nine box centres given (verifies),
// with three centres (verifies too), and with no givens (sums only).
const char* kNineGiven = "7259618341D37B86I59683452713128794566E72A43H94896531272745869135C14I27F8896137542";
const char* kThreeGiven = "7259618341D37286959683452713128794566572A43894896531272745869135314927F8896137542";
const char* kNoGiven = "725961834143728695968345271312879456657214389489653127274586913531492768896137542";
// Another grid, whose three centres leave the logic stuck.
const char* kThreeGivenB = "2749165833H65427195193784628624519374536I71281978236459352648717481352I6621789354";

PuzzleState Loaded(const QString& line) {
  PuzzleState p;
  if (!LoadPuzzleLine(p, line.toStdString()).ok()) qFatal("bad test line");
  return p;
}

const std::string& MarksOf(const PuzzleState& p, int cell) {
  return p.CandidateGrid[kTables.RowOf[cell]][kTables.ColOf[cell]];
}

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
      ForgetBoardNotes(solver);
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

  void verify_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("result");
    QTest::newRow("nine givens") << kNineGiven << 0;
    QTest::newRow("three givens") << kThreeGiven << 0;
    QTest::newRow("sums only") << kNoGiven << 1;
    QTest::newRow("three givens, other grid: logic stalls") << kThreeGivenB << 1;
    QString wrongGiven = kNineGiven;
    wrongGiven[10] = QLatin1Char('B');  // the given of cell 11 says 2 instead of 4
    QTest::newRow("given contradicts the solution") << wrongGiven << 1;
  }
  void verify() {
    QFETCH(QString, line);
    QFETCH(int, result);
    PuzzleState p = Loaded(line);
    p.UserEntry[1][1] = "5";
    SolverRig s;
    QCOMPARE(static_cast<int>(VerifyPuzzle(p, s.solver, s.host)), result);
    QVERIFY(p.FixedMark == CellList<bool>{} && p.UserEntry[1][1].empty());
    if (result != 0) return;
    // The grid and the candidates end on the solution.
    for (int cell = 1; cell <= kCellCount; ++cell) {
      const int digit = p.Solution[kTables.RowOf[cell]][kTables.ColOf[cell]];
      QCOMPARE(p.CellCandidates[cell], DigitBit(digit));
      QCOMPARE(MarksOf(p, cell), std::to_string(digit));
    }
  }

  // Nine-seed solves keep their seeds and give valid grids. Verification and
  // the pencil marks (read and just created) of such grids as puzzles of every
  // level, accepted and rejected, some with a stored solution that breaks the
  // rules, fold into a digest pinned from a reviewed run.
  void createdPuzzlesMatchPinnedDigest() {
    std::mt19937 rng(99);
    Digest d;
    for (int i = 0; i < 150; ++i) {
      const std::string seeds = NineSeeds(rng);
      SolverRig s(seeds);
      if (!s.Run().solved) continue;
      std::string line = BoardOf(s.solver);
      QVERIFY2(IsValidGrid(line), line.c_str());
      for (int k = 0; k < 81; ++k)
        if (seeds[k] != '0') QCOMPARE(line[k], seeds[k]);
      static const int kGivens[][9] = {{11, 14, 17, 38, 41, 44, 65, 68, 71}, {11, 14, 17, 65, 68, 71}, {11, 41, 71}};
      for (int cell : kGivens[i % 3])
        if (cell) line[cell - 1] = static_cast<char>(line[cell - 1] - '0' + 64);
      if (i % 10 == 9) std::swap(line[0], line[4]);
      PuzzleState p = Loaded(QString::fromStdString(line)), marks = p;
      if (i % 2) marks.CellCandidates.fill(0);
      ComputePencilMarks(marks);
      s.solver.PlacementCount = 0;
      d.Add(static_cast<std::uint64_t>(VerifyPuzzle(p, s.solver, s.host)));
      d.Add(static_cast<std::uint64_t>(s.solver.PlacementCount));
      for (int cell = 1; cell <= kCellCount; ++cell) {
        d.Add(p.CellCandidates[cell]);
        d.Add(s.solver.CellValue[cell]);
        d.Add(MarksOf(p, cell));
        d.Add(MarksOf(marks, cell));
      }
    }
    QCOMPARE(QString::number(d.value, 16), QStringLiteral("74ab3ef50c305c9a"));
  }

  void pencilMarks_data() {
    QTest::addColumn<QString>("entries");
    QTest::addColumn<bool>("created");
    QTest::addColumn<QString>("cells");  // "cell:text" pairs, text exactly as stored
    QTest::newRow("marks on a read puzzle; a given shows its digit as a lone mark")
        << "" << false << "11: 4|14: 2|2:1267|8:37";
    QTest::newRow("right after creation the givens act only through the sums") << "" << true << "2:123567|11: 4";
    QTest::newRow("an entry is kept and settles its peers") << "7" << false << "1:7|2:26";
    QTest::newRow("an area with no fitting triple empties its open cell") << "99" << false << "1:9|2:9|3:|19:";
  }
  void pencilMarks() {
    QFETCH(QString, entries);
    QFETCH(bool, created);
    QFETCH(QString, cells);
    PuzzleState p = Loaded(kNineGiven);
    if (created) p.CellCandidates.fill(0);
    for (int i = 0; i < entries.size(); ++i) p.UserEntry[1][i + 1] = std::string(1, entries[i].toLatin1());
    ComputePencilMarks(p);
    for (const QString& pair : cells.split(QLatin1Char('|'))) {
      const int cell = pair.section(QLatin1Char(':'), 0, 0).toInt();
      const QString text = pair.section(QLatin1Char(':'), 1);
      QCOMPARE(QString::fromStdString(MarksOf(p, cell)), text);
    }
  }

  // Every one of the 36 sum areas narrows its cells: with all other clues at
  // 15 (which keeps every digit on an empty board) and this one at 6, its
  // three cells end on 1, 2 and 3, and the centre keeps every digit.
  void pencilMarksUseEverySumArea() {
    for (int area = 1; area <= kClueCount; ++area) {
      PuzzleState p;
      p.ClueSum.fill(15);
      p.ClueSum[area] = 6;
      ComputePencilMarks(p);
      std::string got = p.CandidateGrid[5][5];
      for (int k = 1; k <= 3; ++k) got += ' ' + MarksOf(p, kTables.AreaCells[area][k]);
      QCOMPARE(got, std::string("123456789 123 123 123"));
    }
  }
};

QTEST_APPLESS_MAIN(SolverTest)
#include "test_solver.moc"
