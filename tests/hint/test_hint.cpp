// The hint finder: every step kind on a position built for it, a wrong value
// before any logic, and whole puzzles solved by hints alone without a wrong
// digit or a wrongly removed mark.
#include <QtTest>

#include <sstream>

#include "hint/grade.h"
#include "hint/hint.h"
#include "hint/lead.h"
#include "hint/rating.h"
#include "model/line_reader.h"
#include "model/puzzle_file.h"
#include "temp_dir.h"
#include "tool_run.h"

using namespace kalvero;

namespace {

int CellAt(const std::string& rc) { return CellNum(rc[0] - '0', rc[1] - '0'); }

// A position from tokens, everything else open without marks, clues or
// known solution: "37=5" a player's 5 at row 3, column 7; "14:359" marks on
// one cell, "21-33:1234" on a rectangle of cells; "s3=14" clue 3 is 14;
// "w37=4" the solution digit of a cell. A clue of 0 fits nothing, so areas
// without one never yield a step.
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
      const std::size_t colon = t.find(':');
      const int from = CellAt(t), to = t[2] == '-' ? CellAt(t.substr(3, 2)) : from;
      for (int r = kTables.RowOf[from]; r <= kTables.RowOf[to]; ++r)
        for (int c = kTables.ColOf[from]; c <= kTables.ColOf[to]; ++c) p.marks[CellNum(r, c)] = DigitsOf(t.substr(colon));
    }
  }
  return p;
}

// Solves from the givens by hints alone, one hint at a time; returns what
// went wrong, or "". The rating, which takes its shortcuts, must come to the
// same hardest step and number of hints.
std::string SolveByHints(const std::string& line) {
  PuzzleState puzzle;
  if (!LoadPuzzleLine(puzzle, line).ok()) return "unreadable";
  HintPosition p = GivensOf(puzzle);
  // The lead from the givens places a solution digit by sound steps.
  const std::optional<DigitLead> lead = FindDigitLead(p);
  if (!lead) return "no lead from the givens";
  if (lead->Placement().digit != p.solution[lead->Placement().cell]) return "lead to a wrong digit";
  for (const Hint& step : lead->steps)
    for (const Removal& r : step.removals)
      if (HasDigit(r.removed, p.solution[r.cell])) return "lead removes a right digit: " + step.text;
  StepKind hardest = StepKind::None;
  for (int steps = 0; steps < 2000; ++steps) {
    const Hint h = FindHint(p);
    if (h.kind == StepKind::None) {
      for (int cell = 1; cell <= kCellCount; ++cell)
        if (p.value[cell] == 0) return "stuck at step " + std::to_string(steps);
      const Rating rating = RatePuzzle(puzzle);
      if (!rating.solved || rating.hardest != hardest || rating.steps != steps)
        return std::string("rated ") + StepName(rating.hardest) + " in " + std::to_string(rating.steps) + ", solved by " +
               StepName(hardest) + " in " + std::to_string(steps);
      return "";
    }
    if (hardest == StepKind::None || h.kind > hardest) hardest = h.kind;
    if (h.digit != 0 && h.digit != p.solution[h.cell]) return "wrong digit: " + h.text;
    for (const Removal& r : h.removals)
      if (HasDigit(r.removed, p.solution[r.cell]) || !HasDigit(r.left, p.solution[r.cell]))
        return "right digit removed: " + h.text;
    ApplyHint(p, h);
  }
  return "no end";
}

std::vector<std::string> Lines(const std::string& path) {
  std::vector<std::string> lines;
  LineReader reader(path);
  for (std::string line; reader.Next(line);) lines.push_back(line);
  return lines;
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
        "12-13:12346789 15-19:12346789 41-43:12346789 45-46:12346789 48-49:12346789 "
        "72-76:12346789 78-79:12346789",
        StepKind::ThreeLine, 18,
        "In rows 1, 4 and 7, the 5 can only go in columns 1, 4 and 7, so no other cell of columns 1, 4 and 7 can be 5");
  }
  void steps() {
    QFETCH(QString, picture);
    QFETCH(int, kind);
    QFETCH(int, changed);
    QFETCH(QString, text);
    const Hint h = FindHint(Built(picture.toStdString()));
    QCOMPARE(QString::fromStdString(h.text), text);
    QCOMPARE(static_cast<int>(h.kind), kind);
    QCOMPARE(static_cast<int>(h.removals.size()) + (h.digit != 0 ? 1 : 0), changed);
  }

  // The grade cuts the ladder where the grades table says, and names the
  // hardest step.
  void grades_data() {
    QTest::addColumn<int>("hardest");
    QTest::addColumn<bool>("solved");
    QTest::addColumn<QString>("description");
    const auto row = [](const char* name, StepKind kind, bool solved, const char* text) {
      QTest::newRow(name) << static_cast<int>(kind) << solved << QString::fromLatin1(text);
    };
    row("singles", StepKind::HiddenSingle, true, "Gentle: needs only singles");
    row("sum areas", StepKind::SumArea, true, "Gentle: needs the sum areas");
    row("naked pair", StepKind::NakedPair, true, "Moderate: needs a naked pair");
    row("line-box", StepKind::LineBox, true, "Moderate: needs a line-box reduction");
    row("locked candidates", StepKind::LockedCandidates, true, "Tough: needs locked candidates");
    row("naked triple", StepKind::NakedTriple, true, "Tough: needs a naked triple");
    row("hidden triple", StepKind::HiddenTriple, true, "Fiendish: needs a hidden triple");
    row("unsolved", StepKind::SumArea, false, "Fiendish: needs more than the hints know");
  }
  void grades() {
    QFETCH(int, hardest);
    QFETCH(bool, solved);
    QFETCH(QString, description);
    Rating rating;
    rating.solved = solved;
    rating.hardest = static_cast<StepKind>(hardest);
    QCOMPARE(QString::fromStdString(GradeDescription(rating)), description);
    rating.agrees = false;
    QCOMPARE(GradeOf(rating), std::nullopt);
  }

  // Every shipped puzzle and a few hundred created ones, solved from their
  // givens by hints alone: each placed digit and each kept mark agrees with
  // the stored solution.
  void solvesByHintsAlone() {
    kalvero::test::TempDir dir;
    std::vector<std::string> lines = Lines(qEnvironmentVariable("KALVERO_DATA").toStdString() + "/puzzles.txt");
    QVERIFY(lines.size() >= 90);
    for (const char* level : {"very-easy", "easy", "hard"}) {
      const std::string out = dir.Path(level);
      const auto run = kalvero::test::Tool({"create", "--level", level, "--count", "100", "--seed", "12", "--out",
                                            QString::fromStdString(out)});
      QCOMPARE(run.exitCode, 0);
      for (const std::string& line : Lines(out)) lines.push_back(line);
    }
    QCOMPARE(lines.size(), std::size_t{390});
    for (const std::string& line : lines) {
      const std::string fault = SolveByHints(line);
      QVERIFY2(fault.empty(), (line + ": " + fault).c_str());
    }
  }
};

QTEST_GUILESS_MAIN(HintTest)
#include "test_hint.moc"
