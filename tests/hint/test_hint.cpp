// The hint finder: every step kind on a position built for it, the grades,
// and whole puzzles solved by hints alone without a wrong digit or mark.
#include <QtTest>

#include <sstream>

#include "hint/grade.h"
#include "hint/lead.h"
#include "model/line_reader.h"
#include "model/puzzle_file.h"
#include "tool_run.h"

using namespace kalvero;

namespace {

int CellAt(const std::string& rc) { return CellNum(rc[0] - '0', rc[1] - '0'); }

// A position from tokens, all else open without marks, clues or solution:
// "37=5" a player's 5 at row 3, column 7; "14:359" marks on a cell,
// "21-33:1234" on a rectangle of cells; "s3=14" clue 3 is 14; "w37=4" a
// solution digit. A clue of 0 fits nothing: areas without one yield no step.
HintPosition Built(const std::string& picture) {
  HintPosition p;
  std::istringstream in(picture);
  for (std::string t; in >> t;) {
    if (t[0] == 's') {
      p.clueSum[std::stoi(t.substr(1))] = std::stoi(t.substr(t.find('=') + 1));
    } else if (t[0] == 'w') {
      p.solution[CellAt(t.substr(1, 2))] = t[4] - '0';
    } else if (t[2] == '=') {
      p.value[CellAt(t)] = DigitBit(t[3] - '0');
    } else {
      const int from = CellAt(t), to = t[2] == '-' ? CellAt(t.substr(3, 2)) : from;
      const DigitSet marks = DigitsOf(t.substr(t.find(':')));
      for (int r = kTables.RowOf[from]; r <= kTables.RowOf[to]; ++r)
        for (int c = kTables.ColOf[from]; c <= kTables.ColOf[to]; ++c) p.marks[CellNum(r, c)] = marks;
    }
  }
  return p;
}

// Solves from the givens by hints alone, one hint at a time; returns what
// went wrong, or "". The lead from the givens must place a solution digit by
// sound steps; the rating, with its shortcuts, reach the same hardest step.
std::string SolveByHints(const std::string& line) {
  PuzzleState puzzle;
  if (!LoadPuzzleLine(puzzle, line).ok()) return "unreadable";
  HintPosition p = GivensOf(puzzle);
  const std::optional<DigitLead> lead = FindDigitLead(p);
  if (!lead || lead->Placement().digit != p.solution[lead->Placement().cell]) return "no lead to a right digit";
  for (const Hint& step : lead->steps)
    for (const Removal& r : step.removals)
      if (HasDigit(r.removed, p.solution[r.cell])) return "lead removes a right digit: " + step.text;
  StepKind hardest = StepKind::None;
  int steps = 0;
  for (Hint h = FindHint(p); h.kind != StepKind::None && steps < 2000; h = FindHint(p), ++steps) {
    hardest = steps == 0 ? h.kind : std::max(hardest, h.kind);
    if (h.digit != 0 && h.digit != p.solution[h.cell]) return "wrong digit: " + h.text;
    for (const Removal& r : h.removals)
      if (HasDigit(r.removed, p.solution[r.cell]) || !HasDigit(r.left, p.solution[r.cell]))
        return "right digit removed: " + h.text;
    ApplyHint(p, h);
  }
  if (std::count(p.value.begin() + 1, p.value.end(), 0) != 0) return "stuck at step " + std::to_string(steps);
  const Rating rating = RatePuzzle(puzzle);
  if (!rating.solved || rating.hardest != hardest || rating.steps != steps)
    return std::string("rated ") + StepName(rating.hardest) + " in " + std::to_string(rating.steps) + ", solved by " +
           StepName(hardest) + " in " + std::to_string(steps);
  return "";
}

}  // namespace

class HintTest : public QObject {
  Q_OBJECT
 private slots:
  void steps_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("changed");  // cells placed or narrowed
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const char* picture, StepKind kind, int changed, const char* text) {
      QTest::newRow(name) << picture << static_cast<int>(kind) << changed << text;
    };
    row("wrong value before a single", "37=5 w37=4 11:7", StepKind::WrongValue, 1, "The 5 in row 3, column 7 is wrong");
    row("naked single from the placed digits", "11=1 12=2 13=3 14=4 15=5 16=6 17=7 18=8", StepKind::NakedSingle, 1,
        "Row 1, column 9 can only be 9: every other digit is already in its row, column or box");
    row("naked single from marks", "55:7", StepKind::NakedSingle, 1,
        "Row 5, column 5 can only be 7: no other digit is left among its marks");
    row("marks without the solution digit are ignored", "55:7 w55=3", StepKind::None, 0, "");
    row("hidden single in a box", "24=5 37=5 42=5 73=5", StepKind::HiddenSingle, 1,
        "In the top-left box, the 5 can only go in row 1, column 1");
    row("sum area", "13:125 23:34 33=9 s3=14", StepKind::SumArea, 1,
        "Clue 14 above column 3: only 1+4+9 and 2+3+9 fit, so the top cell cannot be 5");
    row("sum area on the right", "47:89 48:789 s13=24", StepKind::SumArea, 1,
        "Clue 24 right of row 4: only 7+8+9 fits, so the right cell cannot be 1, 2, 3, 4, 5 or 6");
    row("naked pair", "11:35 12:35", StepKind::NakedPair, 7,
        "In row 1, the cells in columns 1 and 2 can only hold 3 and 5, so no other cell of row 1 can be 3 or 5");
    row("line-box", "14-19:12346789", StepKind::LineBox, 6,
        "In row 1, the 5 can only go in the top-left box, so no other cell of the top-left box can be 5");
    row("locked candidates", "21-33:12346789", StepKind::LockedCandidates, 6,
        "In the top-left box, the 5 can only go in row 1, so no other cell of row 1 can be 5");
    row("hidden pair", "12-14:3456789 16-19:3456789", StepKind::HiddenPair, 2,
        "In row 1, the digits 1 and 2 can only go in the cells in columns 1 and 5, so those cells cannot hold any other digit");
    row("naked triple", "11:12 15:23 19:13", StepKind::NakedTriple, 6,
        "In row 1, the cells in columns 1, 5 and 9 can only hold 1, 2 and 3, so no other cell of row 1 can be 1, 2 or 3");
    row("hidden triple", "12-14:456789 16-18:456789", StepKind::HiddenTriple, 3,
        "In row 1, the digits 1, 2 and 3 can only go in the cells in columns 1, 5 and 9, so those cells cannot hold any other digit");
    row("naked quad", "11:12 14:23 17:34 19:14", StepKind::NakedQuad, 5,
        "In row 1, the cells in columns 1, 4, 7 and 9 can only hold 1, 2, 3 and 4, so no other cell of row 1 can be 1, 2, 3 or 4");
    row("hidden quad", "12-13:56789 15-16:56789 18:56789", StepKind::HiddenQuad, 4,
        "In row 1, the digits 1, 2, 3 and 4 can only go in the cells in columns 1, 4, 7 and 9, so those cells cannot hold any other digit");
    row("two-line", "21-22:12346789 24-27:12346789 29:12346789 71-72:12346789 74-77:12346789 79:12346789",
        StepKind::TwoLine, 14, "In rows 2 and 7, the 5 can only go in columns 3 and 8, so no other cell of columns 3 and 8 can be 5");
    row("three-line",
        "12-13:12346789 15-19:12346789 41-43:12346789 45-46:12346789 48-49:12346789 72-76:12346789 78-79:12346789",
        StepKind::ThreeLine, 18,
        "In rows 1, 4 and 7, the 5 can only go in columns 1, 4 and 7, so no other cell of columns 1, 4 and 7 can be 5");
  }
  void steps() {
    QFETCH(QString, picture);
    const Hint h = FindHint(Built(picture.toStdString()));
    QTEST(QString::fromStdString(h.text), "text");
    QTEST(static_cast<int>(h.kind), "kind");
    QTEST(static_cast<int>(h.removals.size()) + (h.digit != 0 ? 1 : 0), "changed");
  }

  // The grade of each hardest step in ladder order, from a wrong value to
  // none at all: the ladder is cut where the grades table says.
  void grades() {
    QString grades;
    for (int k = 0; k < kStepKindCount; ++k)
      grades += InfoOf(*GradeOf(Rating{.solved = true, .hardest = static_cast<StepKind>(k)})).name[0];
    QCOMPARE(grades, QString("GGGGMMTTTFFFFFG"));
    QCOMPARE(GradeDescription({.solved = true, .hardest = StepKind::LockedCandidates}), "Tough: needs locked candidates");
    QCOMPARE(GradeDescription({.solved = false, .hardest = StepKind::SumArea}), "Fiendish: needs more than the hints know");
    QCOMPARE(GradeOf(Rating{.agrees = false, .solved = true}), std::nullopt);
  }

  // Every shipped puzzle and 300 created ones, solved from their givens by
  // hints alone: each placed digit and kept mark agrees with the solution.
  void solvesByHintsAlone() {
    kalvero::test::TempDir dir;
    const std::string created = dir.Path("created.txt");
    for (const char* level : {"very-easy", "easy", "hard"})
      QCOMPARE(kalvero::test::Tool({"create", "--level", level, "--count", "100", "--seed", "12", "--out", created.c_str()})
                   .exitCode, 0);
    int lines = 0;
    for (const std::string& file : {qEnvironmentVariable("KALVERO_DATA").toStdString() + "/puzzles.txt", created}) {
      LineReader reader(file);
      for (std::string line; reader.Next(line); ++lines) {
        const std::string fault = SolveByHints(line);
        QVERIFY2(fault.empty(), (line + ": " + fault).c_str());
      }
    }
    QCOMPARE(lines, 390);
  }
};

QTEST_GUILESS_MAIN(HintTest)
#include "test_hint.moc"
