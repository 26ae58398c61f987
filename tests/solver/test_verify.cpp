// Verification by logic and the computed pencil marks.
#include <QtTest>

#include "model/puzzle_file.h"
#include "solver/verify.h"
#include "solver_support.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

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

class VerifyTest : public QObject {
  Q_OBJECT
 private slots:
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

QTEST_APPLESS_MAIN(VerifyTest)
#include "test_verify.moc"
