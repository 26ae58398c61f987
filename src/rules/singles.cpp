// Hidden singles (rule 2) and the unique candidate of a unit (rule 5): both
// look for a digit that only one cell of a unit can still take.
#include "rules/rules.h"
#include "rules/shared_findings.h"

namespace kalvero {

namespace {

constexpr std::array<UnitKind, 3> kBoxesRowsColumns = {UnitKind::Box, UnitKind::Row, UnitKind::Column};

// Rule 2, step 1, for one unit: for d = 1..9, a digit listed by exactly one
// cell of the unit (its candidates, or its working value when it has no
// candidates) is placed there when the cell still has other candidates. A
// placement narrows the cell to d, which later digits of the unit see.
// On the way, `uniqueCandidate` gets the unit, as found, when rule 5 could act
// on it.
int PlaceHiddenSingles(RuleContext& ctx, UnitKind kind, int n, UnitMask& uniqueCandidate) {
  const UnitCells& cells = Unit(kind, n);
  auto& cand = ctx.puzzle.CellCandidates;
  const auto& value = ctx.solver.CellValue;
  // Without a branch: which of the two a cell lists is hard to predict.
  const auto listedAt = [&cand, &value](int cell) {
    const DigitSet t = cand[cell];
    return static_cast<DigitSet>(t | (value[cell] & -static_cast<DigitSet>(t == 0)));
  };
  // A digit an open cell holds is listed once exactly when one candidate set
  // holds it and no cell without candidates has it as its value, so one
  // counter serves both rules.
  OnceCounter candidates;
  DigitSet open = 0;
  DigitSet valuesListed = 0;  // the working values of the cells without candidates
  for (int k = 1; k <= 9; ++k) {
    const int cell = cells[k];
    const DigitSet t = cand[cell];
    candidates.Add(t);
    valuesListed |= value[cell] & -static_cast<DigitSet>(t == 0);
    if (HasSeveral(t)) open |= t;
  }
  const DigitSet candidateOnce = candidates.ExactlyOnce() & open;
  if (candidateOnce) uniqueCandidate |= UnitBit(kind, n);
  DigitSet todo = candidateOnce & static_cast<DigitSet>(~valuesListed);
  if (todo == 0) return 0;
  std::array<DigitSet, 10> listed{};
  for (int k = 1; k <= 9; ++k) listed[k] = listedAt(cells[k]);
  // Only a digit listed once, by a cell that still has other candidates,
  // is placed; such a digit is in the union of the open cells' sets.
  const auto placeable = [&listed, &cand, &cells] {
    OnceCounter counter;
    DigitSet open = 0;
    for (int k = 1; k <= 9; ++k) {
      counter.Add(listed[k]);
      if (HasSeveral(cand[cells[k]])) open |= cand[cells[k]];
    }
    return static_cast<DigitSet>(counter.ExactlyOnce() & open);
  };
  int changes = 0;
  while (todo) {
    const int d = LowestDigit(todo);
    int k = 1;
    while (!HasDigit(listed[k], d)) ++k;
    const int cell = cells[k];
    PlaceValue(ctx, cell, d, 0);
    cand[cell] = DigitBit(d);
    listed[k] = DigitBit(d);
    ++changes;
    // Later digits of the unit see the narrowed cell.
    todo = static_cast<DigitSet>(placeable() & ~(DigitBit(d + 1) - 1));
  }
  return changes;
}

// Removes d from every cell of the line whose box is not `box`, whatever its
// number of candidates; returns the number of cells changed.
int ClearOutsideBox(DigitSet* cand, const UnitCells& line, int box, int d) {
  const DigitSet bit = DigitBit(d);
  int changes = 0;
  for (int k = 1; k <= 9; ++k) {
    const int x = line[k];
    if (kTables.BoxOf[x] != box && (cand[x] & bit)) {
      cand[x] = static_cast<DigitSet>(cand[x] & ~bit);
      ++changes;
    }
  }
  return changes;
}

}  // namespace

// Rule 2, HiddenSingles. Step 1 places hidden singles in boxes 1..9, rows
// 1..9, columns 1..9 (one change per placement). Step 2, for boxes 1..9: a
// digit listed by exactly one non-given cell of the box is cleared from the
// rest of that cell's row and then its column outside the box, single
// candidate cells included (one change per cell narrowed).
void HiddenSingles(RuleContext& ctx) {
  // A unit without an open cell has nothing to place. Placements only close
  // units, so the mask taken first stays a superset.
  UnitMask uniqueCandidate = 0;
  const UnitMask open = OpenUnitsOf(ctx);
  const QuietDiff* quiet = QuietDiffFor(ctx, 2);
  const UnitMask acting = DifferingUnits(ctx, 2, open);
  int changes = SumOverUnits(acting, open, kBoxesRowsColumns, [&ctx, &uniqueCandidate](UnitKind kind, int n) {
    return PlaceHiddenSingles(ctx, kind, n, uniqueCandidate);
  });

  DigitSet* cand = ctx.puzzle.CellCandidates.data();
  const auto& fixed = ctx.puzzle.FixedMark;
  // Row and column thirds: unions of three cells. Step 2 only removes, so a
  // digit missing from a line's thirds outside the box has nothing to clear.
  LineSegments own;
  const LineSegments& thirds = changes == 0 ? SegmentsOf(ctx, own) : (own = CollectSegments(cand));
  for (int b = 1; b <= 9; ++b) {
    // While nothing has changed, only the digits that differ from the quiet
    // board in the box's band and stack (the box, the rows and columns it
    // clears) can be decided differently from there, where nothing changed.
    const DigitSet look = changes == 0 && quiet != nullptr ? quiet->AroundBox(b) : kAllDigits;
    if (look == 0) continue;
    const UnitCells& box = BoxUnit(b);
    OnceCounter counter;
    for (int k = 1; k <= 9; ++k)
      counter.Add(static_cast<DigitSet>(cand[box[k]] & -static_cast<DigitSet>(!fixed[box[k]])));
    for (DigitSet once = counter.ExactlyOnce() & look; once; once = DropLowest(once)) {
      const int d = LowestDigit(once);
      int k = 1;
      while (fixed[box[k]] || !HasDigit(cand[box[k]], d)) ++k;
      const int r = kTables.RowOf[box[k]];
      const int c = kTables.ColOf[box[k]];
      const int inRow = (b - 1) % 3;  // the box's third of the row
      const int inCol = (b - 1) / 3;  // the box's third of the column
      const auto& rt = thirds.rowSeg[r];
      const auto& ct = thirds.colSeg[c];
      if (HasDigit(static_cast<DigitSet>(rt[(inRow + 1) % 3] | rt[(inRow + 2) % 3]), d))
        changes += ClearOutsideBox(cand, RowUnit(r), b, d);
      if (HasDigit(static_cast<DigitSet>(ct[(inCol + 1) % 3] | ct[(inCol + 2) % 3]), d))
        changes += ClearOutsideBox(cand, ColUnit(c), b, d);
    }
  }
  // On a board left unchanged, the units found for rule 5 still hold; the
  // units step 1 passed over go with them, unless the quiet board covers
  // rule 5 as well.
  if (changes == 0 && ctx.shared != nullptr) {
    const UnitMask passedOver = QuietDiffFor(ctx, 5) != nullptr ? 0 : open & ~acting;
    ctx.shared->NoteUniqueCandidateUnits(uniqueCandidate | passedOver);
  }
  FinishRule(ctx, 2, changes);
}

// Rule 5, UniqueCandidate. Boxes 1..9, rows 1..9, columns 1..9: the digits
// listed by exactly one cell's candidates are counted once per unit, before
// any narrowing; for each such d ascending, its cell, when it still holds d
// among two or more candidates, is narrowed to d (one change). A cell that is
// the only holder of two digits thus keeps the lower one.
void UniqueCandidate(RuleContext& ctx) {
  auto& cand = ctx.puzzle.CellCandidates;
  const UnitMask openUnits = OpenUnitsOf(ctx);
  const UnitMask acting = DifferingUnits(ctx, 5, ActingUnits(ctx, openUnits));
  const int changes = SumOverUnits(acting, openUnits, kBoxesRowsColumns, [&cand](UnitKind kind, int n) {
    const UnitCells& cells = Unit(kind, n);
    OnceCounter counter;
    DigitSet open = 0;  // digits of the cells with two or more candidates
    for (int k = 1; k <= 9; ++k) {
      const DigitSet t = cand[cells[k]];
      counter.Add(t);
      if (HasSeveral(t)) open |= t;
    }
    // A digit listed once narrows its cell only when that cell is open.
    int narrowed = 0;
    for (DigitSet once = counter.ExactlyOnce() & open; once; once = DropLowest(once)) {
      const int d = LowestDigit(once);
      for (int k = 1; k <= 9; ++k) {
        const DigitSet t = cand[cells[k]];
        if (HasSeveral(t) && HasDigit(t, d)) {
          cand[cells[k]] = DigitBit(d);
          ++narrowed;
        }
      }
    }
    return narrowed;
  });
  FinishRule(ctx, 5, changes);
}

}  // namespace kalvero
