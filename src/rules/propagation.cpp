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
//
// A single can only change a peer whose set holds its digit among others, so
// the pass first takes, per unit, the union of the sets with two or more
// digits; sets only shrink during the pass, so a single whose digit is in
// none of its three unions has nothing to clear and is skipped.
//
// Returns whether another pass could change anything. A single the pass
// meets has cleared its peers for good (sets only shrink), so only a set
// that became a single behind the pass, at a cell it had gone by, has work
// left; one that becomes a single ahead of it is met in this same pass.
bool SinglesPass(PuzzleState& puzzle) {
  auto& cand = puzzle.CellCandidates;
  std::array<DigitSet, 10> rowOpen{}, colOpen{}, boxOpen{};
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const DigitSet t = cand[cell];
    if (!HasSeveral(t)) continue;
    rowOpen[kTables.RowOf[cell]] |= t;
    colOpen[kTables.ColOf[cell]] |= t;
    boxOpen[kTables.BoxOf[cell]] |= t;
  }
  bool again = false;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const DigitSet bit = cand[cell];
    if (bit == 0 || HasSeveral(bit)) continue;
    if (!(bit & (rowOpen[kTables.RowOf[cell]] | colOpen[kTables.ColOf[cell]] | boxOpen[kTables.BoxOf[cell]])))
      continue;
    for (const int x : kPeers.cells[cell]) {
      const DigitSet t = cand[x];
      if (!(t & bit) || !HasSeveral(t)) continue;
      const auto narrowed = static_cast<DigitSet>(t & ~bit);
      cand[x] = narrowed;
      again = again || (x < cell && !HasSeveral(narrowed));
    }
  }
  return again;
}

}  // namespace

// Rule 1, PropagateSingles: repeats single passes (yielding before each) until
// another would change nothing, then counts the open cells (empty working value) and
// among them the singles (fewer than two candidates, an empty set included):
// RuleChangeCount[1] = singles, EmptyCount = open - singles. Finally every
// open cell with exactly one candidate is placed, in cell order.
void PropagateSingles(RuleContext& ctx) {
  PuzzleState& p = ctx.puzzle;
  SolverState& s = ctx.solver;
  do {
    ctx.host.Yield();
  } while (SinglesPass(p));

  // Counting and placing in one sweep: a placement fills only its own cell,
  // which has been counted by then.
  int open = 0;
  int singles = 0;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    if (s.CellValue[cell] != 0) continue;
    ++open;
    const DigitSet t = p.CellCandidates[cell];
    if (HasSeveral(t)) continue;
    ++singles;
    if (t != 0) PlaceValue(ctx, cell, LowestDigit(t), 0);
  }
  s.RuleChangeCount[1] = singles;
  s.EmptyCount = open - singles;
}

}  // namespace kalvero
