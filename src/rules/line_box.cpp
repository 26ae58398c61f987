// Line-box reduction (rule 4): a digit that a row or column lists only inside
// one box must lie in that part of the box.
#include "rules/rules.h"
#include "rules/shared_findings.h"

namespace kalvero {

namespace {

// One line, n-th row or column, and its three segments (the line's cells in
// each box it crosses, each the union of its cells' candidates): for d = 1..9
// listed in exactly one segment, d is removed from the cells of that
// segment's box outside the line that hold two or more candidates, one change
// per cell narrowed.
//
// `start` is the table taken at the rule's start; the two lines beside n in
// its third hold, segment by segment, the box cells off the line, so a digit
// they do not list there has nothing to remove (sets only shrink, so the
// table stays a superset).
int ReduceLine(DigitSet* cand, int n, bool isColumn, const std::array<DigitSet, 3>& segment,
               const LineSegments& start, DigitSet look) {
  const int third = (n - 1) / 3;  // the line's third of the board
  const auto& beside = isColumn ? start.colSeg : start.rowSeg;
  const int first = 3 * third + 1;
  const int n1 = n == first ? first + 1 : first;
  const int n2 = n == first + 2 ? first + 1 : first + 2;
  const auto boxOf = [isColumn, third](int i) { return isColumn ? 3 * i + third + 1 : 3 * third + i + 1; };
  const auto inOne = static_cast<DigitSet>(InExactlyOne(segment[0], segment[1], segment[2]) & look);
  if (inOne == 0) return 0;
  int changes = 0;
  for (DigitSet ds = inOne; ds; ds = DropLowest(ds)) {
    const DigitSet bit = static_cast<DigitSet>(ds & -ds);
    const int i = (segment[0] & bit) ? 0 : (segment[1] & bit) ? 1 : 2;
    if (!((beside[n1][i] | beside[n2][i]) & bit)) continue;
    for (const int y : OffLineCells(boxOf(i), n, isColumn)) {
      const DigitSet t = cand[y];
      if (HasSeveral(t) && (t & bit)) {
        cand[y] = static_cast<DigitSet>(t & ~bit);
        ++changes;
      }
    }
  }
  return changes;
}

// The segments of one line as the candidates stand now.
std::array<DigitSet, 3> SegmentsNow(const DigitSet* cand, const UnitCells& line) {
  std::array<DigitSet, 3> segment{};
  for (int k = 1; k <= 9; ++k) segment[(k - 1) / 3] |= cand[line[k]];
  return segment;
}

}  // namespace

// Rule 4, LineBoxReduction: columns 1..9, then rows 1..9. Each line reads its
// segments as they stand when its turn comes: from the table taken at the
// start while nothing has changed, afresh after a change.
void LineBoxReduction(RuleContext& ctx) {
  DigitSet* cand = ctx.puzzle.CellCandidates.data();
  LineSegments own;
  const LineSegments& start = SegmentsOf(ctx, own);
  const QuietDiff* quiet = QuietDiffFor(ctx, 4);
  int changes = 0;
  // While nothing has changed, a line need only look at the digits that
  // differ from the quiet board around it.
  const auto look = [quiet, &changes](int n, bool isColumn) {
    return changes == 0 && quiet != nullptr ? quiet->AroundLine(n, isColumn) : kAllDigits;
  };
  for (int c = 1; c <= 9; ++c)
    changes += ReduceLine(cand, c, true, changes == 0 ? start.colSeg[c] : SegmentsNow(cand, ColUnit(c)), start,
                          look(c, true));
  for (int r = 1; r <= 9; ++r)
    changes += ReduceLine(cand, r, false, changes == 0 ? start.rowSeg[r] : SegmentsNow(cand, RowUnit(r)), start,
                          look(r, false));
  FinishRule(ctx, 4, changes);
}

}  // namespace kalvero
