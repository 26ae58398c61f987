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
// The pass visits only the singles, taken in cell order from a mask that
// such new singles ahead join.
bool SinglesPass(PuzzleState& puzzle) {
  auto& cand = puzzle.CellCandidates;
  std::array<DigitSet, 10> rowOpen{}, colOpen{}, boxOpen{};
  CellMask singles;  // the singles still to visit in this pass
  // Row by row, each row's and box's union kept in a local: consecutive
  // cells share them, and updating one in memory would chain every cell of a
  // row through a store and a reload.
  for (int r = 1; r <= 9; ++r) {
    const int base = 9 * (r - 1);
    DigitSet row = 0;
    std::array<DigitSet, 3> box{};
    for (int c = 1; c <= 9; ++c) {
      const DigitSet t = cand[base + c];
      if (!HasSeveral(t)) {
        if (t != 0) singles.Add(base + c);
        continue;
      }
      row |= t;
      colOpen[c] |= t;
      box[(c - 1) / 3] |= t;
    }
    rowOpen[r] = row;
    const int firstBox = 3 * ((r - 1) / 3) + 1;
    for (int i = 0; i < 3; ++i) boxOpen[firstBox + i] |= box[i];
  }
  bool again = false;
  for (int cell = singles.TakeLowest(); cell != 0; cell = singles.TakeLowest()) {
    const DigitSet bit = cand[cell];
    if (!(bit & (rowOpen[kTables.RowOf[cell]] | colOpen[kTables.ColOf[cell]] | boxOpen[kTables.BoxOf[cell]])))
      continue;
    for (const int x : kPeers.cells[cell]) {
      const DigitSet t = cand[x];
      if (!(t & bit) || !HasSeveral(t)) continue;
      const auto narrowed = static_cast<DigitSet>(t & ~bit);
      cand[x] = narrowed;
      if (HasSeveral(narrowed)) continue;
      // A new single ahead is met in this pass; one behind needs another.
      if (x > cell)
        singles.Add(x);
      else
        again = true;
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
int PropagateSinglesFindingHole(RuleContext& ctx) {
  PuzzleState& p = ctx.puzzle;
  SolverState& s = ctx.solver;
  do {
    ctx.host.Yield();
  } while (SinglesPass(p));

  // Counting and placing in one sweep: a placement fills only its own cell,
  // which has been counted by then.
  int open = 0;
  int singles = 0;
  int hole = 0;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    if (s.CellValue[cell] != 0) continue;
    ++open;
    const DigitSet t = p.CellCandidates[cell];
    if (HasSeveral(t)) continue;
    ++singles;
    if (t != 0)
      PlaceValue(ctx, cell, LowestDigit(t), 0);
    else if (hole == 0)
      hole = cell;
  }
  s.RuleChangeCount[1] = singles;
  s.EmptyCount = open - singles;
  return hole;
}

void PropagateSingles(RuleContext& ctx) { PropagateSinglesFindingHole(ctx); }

int PropagateSinglesAfterRefresh(RuleContext& ctx, const RefreshCounts& counts) {
  if (counts.single) return PropagateSinglesFindingHole(ctx);
  ctx.host.Yield();  // before the one pass, which would find no single
  // Open cells without candidates are the only ones counted as singles.
  ctx.solver.RuleChangeCount[1] = counts.holes;
  ctx.solver.EmptyCount = counts.open - counts.holes;
  if (counts.holes != 0)
    for (int cell = 1; cell <= kCellCount; ++cell)
      if (ctx.solver.CellValue[cell] == 0 && ctx.puzzle.CellCandidates[cell] == 0) return cell;
  return 0;
}

}  // namespace kalvero
