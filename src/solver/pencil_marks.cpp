// Computed pencil marks: the digits still possible in every cell given the
// givens, the player's entries, the row, column and box rule and one pass of
// the sum areas.
#include "model/board.h"
#include "solver/verify.h"

namespace kalvero {

namespace {

// A one-digit candidate set or a one-character entry, as a set.
DigitSet SettledDigit(const PuzzleState& puzzle, int cell) {
  DigitSet settled = 0;
  if (IsSingle(puzzle.CellCandidates[cell])) settled = puzzle.CellCandidates[cell];
  const std::string& entry = puzzle.UserEntry[kTables.RowOf[cell]][kTables.ColOf[cell]];
  if (entry.size() == 1) settled |= DigitsOf(entry);
  return settled;
}

}  // namespace

DigitSet SeenDigits(const PuzzleState& puzzle, int r, int c) {
  DigitSet seen = 0;
  const int cell = CellNum(r, c);
  for (int k = 1; k <= 9; ++k) {
    seen |= SettledDigit(puzzle, kTables.RowCells[r][k]);
    seen |= SettledDigit(puzzle, kTables.ColCells[c][k]);
    seen |= SettledDigit(puzzle, kTables.BoxCells[kTables.BoxOf[cell]][k]);
  }
  return seen;
}

// Settled digits are gathered once per unit: they come from the candidate
// sets and entries, which the computation never changes.
void ComputePencilMarks(PuzzleState& puzzle) {
  CellList<DigitSet> marks{};
  std::array<DigitSet, 10> rowSeen{}, colSeen{}, boxSeen{};
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const int r = kTables.RowOf[cell];
    const int c = kTables.ColOf[cell];
    const std::string& entry = puzzle.UserEntry[r][c];
    if (!entry.empty())
      marks[cell] = DigitsOf(entry);
    else if (!puzzle.FixedValue[r][c].empty())
      marks[cell] = DigitsOf(puzzle.FixedValue[r][c]);
    else
      marks[cell] = kAllDigits;
    const DigitSet settled = SettledDigit(puzzle, cell);
    rowSeen[r] |= settled;
    colSeen[c] |= settled;
    boxSeen[kTables.BoxOf[cell]] |= settled;
  }
  for (int cell = 1; cell <= kCellCount; ++cell)
    if (HasSeveral(marks[cell]))
      marks[cell] &= static_cast<DigitSet>(
          ~(rowSeen[kTables.RowOf[cell]] | colSeen[kTables.ColOf[cell]] | boxSeen[kTables.BoxOf[cell]]));
  for (int area = 1; area <= kClueCount; ++area) {
    const auto& cells = kTables.AreaCells[area];
    const Triple kept = FilterTriple(marks[cells[1]], marks[cells[2]], marks[cells[3]], puzzle.ClueSum[area]);
    marks[cells[1]] = kept.a;
    marks[cells[2]] = kept.b;
    marks[cells[3]] = kept.c;
  }
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const int r = kTables.RowOf[cell];
    const int c = kTables.ColOf[cell];
    const std::string& entry = puzzle.UserEntry[r][c];
    std::string& shown = puzzle.CandidateGrid[r][c];
    if (!entry.empty()) {
      shown = entry;
    } else {
      shown = DigitText(marks[cell]);
      if (shown.size() == 1) shown.insert(shown.begin(), ' ');
    }
  }
}

}  // namespace kalvero
