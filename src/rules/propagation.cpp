// Rule 1 and the operations every rule shares: placing a value (with the
// search's branch point) and clearing a decided digit from a cell's peers.
#include "rules/rules.h"

namespace kalvero {

void PlaceValue(RuleContext& ctx, int cell, int digit, DigitSet alternatives) {
  SolverState& s = ctx.solver;
  if (HasSeveral(alternatives)) {
    if (BranchPoint* p = s.BranchStack.Push()) {
      p->cell = static_cast<std::uint8_t>(cell);
      p->box = static_cast<std::uint8_t>(kTables.BoxOf[cell]);
      p->digit = static_cast<std::uint8_t>(digit);
      p->untried = DropLowest(alternatives);
      p->snapshot = s.CellValue;
    }
  }
  s.CellValue[cell] = DigitBit(digit);
  ++s.PlacementCount;
}

int EliminateFromPeers(PuzzleState& puzzle, int cell, int digit) {
  if (digit < 1 || digit > 9) return 0;
  auto& cand = puzzle.CellCandidates;
  const DigitSet bit = DigitBit(digit);
  int changed = 0;
  for (const int x : kPeers.cells[cell]) {
    const DigitSet t = cand[x];
    if ((t & bit) && HasSeveral(t)) {
      cand[x] = static_cast<DigitSet>(t & ~bit);
      ++changed;
    }
  }
  return changed;
}

namespace {

// One pass of rule 1: every cell with fewer than two candidates, in cell
// order, clears its digit from its peers (an empty set clears nothing).
// Returns the number of candidate sets changed.
//
// A single can only change a peer whose set holds its digit among others, so
// the pass first takes, per unit, the union of the sets with two or more
// digits; sets only shrink during the pass, so a single whose digit is in
// none of its three unions has nothing to clear and is skipped.
int SinglesPass(PuzzleState& puzzle) {
  auto& cand = puzzle.CellCandidates;
  std::array<DigitSet, 10> rowOpen{}, colOpen{}, boxOpen{};
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const DigitSet t = cand[cell];
    if (!HasSeveral(t)) continue;
    rowOpen[kTables.RowOf[cell]] |= t;
    colOpen[kTables.ColOf[cell]] |= t;
    boxOpen[kTables.BoxOf[cell]] |= t;
  }
  int changed = 0;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const DigitSet t = cand[cell];
    if (t == 0 || HasSeveral(t)) continue;
    if (!(t & (rowOpen[kTables.RowOf[cell]] | colOpen[kTables.ColOf[cell]] | boxOpen[kTables.BoxOf[cell]])))
      continue;
    changed += EliminateFromPeers(puzzle, cell, LowestDigit(t));
  }
  return changed;
}

}  // namespace

// Rule 1, PropagateSingles: repeats single passes (yielding before each) until
// one changes nothing, then counts the open cells (empty working value) and
// among them the singles (fewer than two candidates, an empty set included):
// RuleChangeCount[1] = singles, EmptyCount = open - singles. Finally every
// open cell with exactly one candidate is placed, in cell order.
void PropagateSingles(RuleContext& ctx) {
  PuzzleState& p = ctx.puzzle;
  SolverState& s = ctx.solver;
  do {
    ctx.host.Yield();
  } while (SinglesPass(p) != 0);

  int open = 0;
  int singles = 0;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    if (s.CellValue[cell] != 0) continue;
    ++open;
    if (!HasSeveral(p.CellCandidates[cell])) ++singles;
  }
  s.RuleChangeCount[1] = singles;
  s.EmptyCount = open - singles;

  for (int cell = 1; cell <= kCellCount; ++cell) {
    const DigitSet t = p.CellCandidates[cell];
    if (IsSingle(t) && s.CellValue[cell] == 0) PlaceValue(ctx, cell, LowestDigit(t), 0);
  }
}

}  // namespace kalvero
