// Locked candidates (rule 8): the interaction of a box with a row or column.
//
// Both halves work on segments: the three cells where a row (or column)
// crosses a box. A digit whose positions inside a box lie in one segment
// points along that line; a digit whose positions along a line lie in one
// segment claims the rest of that box. Positions are candidate sets holding
// the digit (given cells included, their set being their digit).
#include "rules/rules.h"
#include "rules/shared_findings.h"

namespace kalvero {

namespace {

// The digits of a line's segment `third` that the line also holds in its
// segments `other1` and `other2`.
constexpr DigitSet Pointed(const std::array<DigitSet, 3>& seg, int third, int other1, int other2) {
  return static_cast<DigitSet>(seg[third] & (seg[other1] | seg[other2]));
}

// Removes the digits of `digits` from cell x, one change per digit removed.
int Remove(DigitSet* cand, int x, DigitSet digits) {
  const auto present = static_cast<DigitSet>(cand[x] & digits);
  if (present == 0) return 0;
  cand[x] = static_cast<DigitSet>(cand[x] & ~digits);
  return DigitCount(present);
}

// Pointing along row or column `line`: `digits` leave the line's cells
// outside its third `third` (the box it crosses there).
int PointAlongLine(DigitSet* cand, int line, bool isColumn, int third, DigitSet digits) {
  if (digits == 0) return 0;
  const UnitCells& cells = isColumn ? ColUnit(line) : RowUnit(line);
  int changes = 0;
  for (int k = 1; k <= 9; ++k)
    if ((k - 1) / 3 != third) changes += Remove(cand, cells[k], digits);
  return changes;
}

// Claiming along row or column `line`, with `lines` the segments of every
// row (or column): the digits the line lists in one segment only leave that
// segment's box off the line. The two lines beside it in its third hold those
// cells, segment by segment, so digits they do not list there are passed over
// (the table, taken before claiming, stays a superset while it removes).
int ClaimAlongLine(DigitSet* cand, int line, bool isColumn, const std::array<std::array<DigitSet, 3>, 10>& lines,
                   DigitSet look) {
  const std::array<DigitSet, 3>& seg = lines[line];
  const auto one = static_cast<DigitSet>(look & InExactlyOne(seg[0], seg[1], seg[2]));
  if (one == 0) return 0;
  const int band = (line - 1) / 3;  // the line's third of the board
  const int first = 3 * band + 1;
  const int n1 = line == first ? first + 1 : first;
  const int n2 = line == first + 2 ? first + 1 : first + 2;
  int changes = 0;
  for (int i = 0; i < 3 && one; ++i) {
    const auto digits = static_cast<DigitSet>(one & seg[i] & (lines[n1][i] | lines[n2][i]));
    if (digits == 0) continue;
    const int box = isColumn ? 3 * i + band + 1 : 3 * band + i + 1;
    for (const int y : OffLineCells(box, line, isColumn)) changes += Remove(cand, y, digits);
  }
  return changes;
}

}  // namespace

// Rule 8, LockedCandidates. Pointing, boxes 1..9: a digit of box b confined to
// one row of the box is removed from that row outside the box, then one
// confined to one column from that column outside the box. Claiming, rows
// 1..9 then columns 1..9: a digit of a line confined to one box is removed
// from that box's cells off the line. Each phase reads tables collected once
// at its start; one change per digit removed, whatever the cell's size.
void LockedCandidates(RuleContext& ctx) {
  DigitSet* cand = ctx.puzzle.CellCandidates.data();
  int changes = 0;

  // A phase decides from its table alone. When that table is the board the
  // rule found, a digit that does not differ from the quiet board around a
  // box or line is decided as it was there, where nothing was removed, so
  // only the digits that differ are looked at.
  const QuietDiff* quiet = QuietDiffFor(ctx, 8);

  LineSegments own;
  const LineSegments& pointing = SegmentsOf(ctx, own);
  for (int b = 1; b <= 9; ++b) {
    const DigitSet look = quiet != nullptr ? quiet->AroundBox(b) : kAllDigits;
    if (look == 0) continue;
    const int top = 3 * ((b - 1) / 3) + 1;
    const int left = 3 * ((b - 1) % 3) + 1;
    const int colThird = (b - 1) % 3;  // which third of a row the box covers
    const int rowThird = (b - 1) / 3;  // which third of a column
    const auto oneRow = look & InExactlyOne(pointing.rowSeg[top][colThird], pointing.rowSeg[top + 1][colThird],
                                         pointing.rowSeg[top + 2][colThird]);
    const auto oneCol = look & InExactlyOne(pointing.colSeg[left][rowThird], pointing.colSeg[left + 1][rowThird],
                                         pointing.colSeg[left + 2][rowThird]);
    // Only digits the line holds outside the box can be removed; the tables
    // stay supersets while pointing removes, so this drops no removal.
    const int c1 = colThird == 0 ? 1 : 0, c2 = colThird == 2 ? 1 : 2;  // the row's other thirds
    const int r1 = rowThird == 0 ? 1 : 0, r2 = rowThird == 2 ? 1 : 2;  // the column's other thirds
    if (oneRow != 0)
      for (int r = top; r < top + 3; ++r)
        changes += PointAlongLine(cand, r, false, colThird, oneRow & Pointed(pointing.rowSeg[r], colThird, c1, c2));
    if (oneCol != 0)
      for (int c = left; c < left + 3; ++c)
        changes += PointAlongLine(cand, c, true, rowThird, oneCol & Pointed(pointing.colSeg[c], rowThird, r1, r2));
  }

  // Pointing that removed nothing leaves the tables as they were.
  LineSegments after;
  const LineSegments& claiming = changes != 0 ? (after = CollectSegments(cand)) : pointing;
  const QuietDiff* claimQuiet = changes == 0 ? quiet : nullptr;
  const auto lookAlong = [claimQuiet](int n, bool isColumn) {
    return claimQuiet != nullptr ? claimQuiet->AroundLine(n, isColumn) : kAllDigits;
  };
  for (int r = 1; r <= 9; ++r) changes += ClaimAlongLine(cand, r, false, claiming.rowSeg, lookAlong(r, false));
  for (int c = 1; c <= 9; ++c) changes += ClaimAlongLine(cand, c, true, claiming.colSeg, lookAlong(c, true));
  FinishRule(ctx, 8, changes);
}

}  // namespace kalvero
