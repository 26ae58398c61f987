// Line-box reduction (rule 4): a digit that a row or column lists only inside
// one box must lie in that part of the box.
#include "rules/rules.h"

namespace kalvero {

namespace {

// One line: its three segments (the line's cells in each box it crosses),
// each the union of its cells' candidates. For d = 1..9 listed in exactly
// one segment, d is removed from the cells of that segment's box outside the
// line that hold two or more candidates, one change per cell narrowed.
int ReduceLine(DigitSet* cand, const UnitCells& line, bool isColumn, const std::array<DigitSet, 10>& boxOpen) {
  std::array<DigitSet, 3> segment{};
  std::array<int, 3> segmentBox{};
  for (int k = 1; k <= 9; ++k) {
    segment[(k - 1) / 3] |= cand[line[k]];
    segmentBox[(k - 1) / 3] = kTables.BoxOf[line[k]];
  }
  // A digit narrows a box cell only when some cell of the box has it among
  // other candidates.
  const DigitSet inOne = InExactlyOne(segment[0], segment[1], segment[2]) &
                         (boxOpen[segmentBox[0]] | boxOpen[segmentBox[1]] | boxOpen[segmentBox[2]]);
  if (inOne == 0) return 0;
  const int lineNumber = isColumn ? kTables.ColOf[line[1]] : kTables.RowOf[line[1]];
  int changes = 0;
  for (DigitSet ds = inOne; ds; ds = DropLowest(ds)) {
    const DigitSet bit = static_cast<DigitSet>(ds & -ds);
    const int i = (segment[0] & bit) ? 0 : (segment[1] & bit) ? 1 : 2;
    if (!(boxOpen[segmentBox[i]] & bit)) continue;
    for (const int y : OffLineCells(segmentBox[i], lineNumber, isColumn)) {
      const DigitSet t = cand[y];
      if (HasSeveral(t) && (t & bit)) {
        cand[y] = static_cast<DigitSet>(t & ~bit);
        ++changes;
      }
    }
  }
  return changes;
}

}  // namespace

// Rule 4, LineBoxReduction: columns 1..9, then rows 1..9.
void LineBoxReduction(RuleContext& ctx) {
  DigitSet* cand = ctx.puzzle.CellCandidates.data();
  // Per box, the digits of its cells with two or more candidates. Sets only
  // shrink during the rule, so these stay supersets.
  std::array<DigitSet, 10> boxOpen{};
  for (int cell = 1; cell <= kCellCount; ++cell)
    if (HasSeveral(cand[cell])) boxOpen[kTables.BoxOf[cell]] |= cand[cell];
  int changes = 0;
  for (int c = 1; c <= 9; ++c) changes += ReduceLine(cand, ColUnit(c), true, boxOpen);
  for (int r = 1; r <= 9; ++r) changes += ReduceLine(cand, RowUnit(r), false, boxOpen);
  FinishRule(ctx, 4, changes);
}

}  // namespace kalvero
