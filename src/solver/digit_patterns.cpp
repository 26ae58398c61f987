// Two-line and three-line digit patterns (rule 9), one digit at a time.
//
// A position of digit d is an open cell (two or more candidates) listing d;
// givens, filled cells and single-candidate cells never are. Line masks use
// bit (n - 1) for row or column n, as a digit set does for digit n.
#include "rules/rules.h"

namespace kalvero {

namespace {

using LineMask = std::uint16_t;

constexpr int Highest(LineMask m) { return 32 - std::countl_zero(static_cast<unsigned>(m)); }

// colsOf[d][r]: columns of the positions of d in row r; rowsOf[d][c]: rows of
// the positions of d in column c.
struct Positions {
  std::array<std::array<LineMask, 10>, 10> colsOf{};
  std::array<std::array<LineMask, 10>, 10> rowsOf{};
};

Positions CollectPositions(const DigitSet* cand) {
  Positions p;
  for (int n = 1; n <= 9; ++n) {
    DigitTranspose row, col;
    for (int k = 1; k <= 9; ++k) {
      const DigitSet inRow = cand[CellNum(n, k)];
      const DigitSet inCol = cand[CellNum(k, n)];
      row.Add(HasSeveral(inRow) ? inRow : 0, k - 1);
      col.Add(HasSeveral(inCol) ? inCol : 0, k - 1);
    }
    for (int d = 1; d <= 9; ++d) {
      p.colsOf[d][n] = row.Where(d);
      p.rowsOf[d][n] = col.Where(d);
    }
  }
  return p;
}

// Removes d from an open cell holding it; returns 1 when it did.
int RemoveFromOpen(DigitSet* cand, int cell, DigitSet bit) {
  const DigitSet t = cand[cell];
  if (!HasSeveral(t) || !(t & bit)) return 0;
  cand[cell] = static_cast<DigitSet>(t & ~bit);
  return 1;
}

// RemoveFromLines: d leaves every open cell of rows r1, r2 and columns c1, c2
// except the four corners, one change per cell.
int RemoveFromLines(DigitSet* cand, int d, int r1, int r2, int c1, int c2) {
  const DigitSet bit = DigitBit(d);
  int changes = 0;
  for (const int r : {r1, r2})
    for (int c = 1; c <= 9; ++c)
      if (c != c1 && c != c2) changes += RemoveFromOpen(cand, CellNum(r, c), bit);
  for (const int c : {c1, c2})
    for (int r = 1; r <= 9; ++r)
      if (r != r1 && r != r2) changes += RemoveFromOpen(cand, CellNum(r, c), bit);
  return changes;
}

// Stages 1 and 2 for every digit: `lines[d][n]` are the cross positions of d
// on line n. When exactly two lines hold exactly two positions of d, at the
// same two crossings, d is removed from the rest of both pairs of lines.
int TwoLinePatterns(DigitSet* cand, const std::array<std::array<LineMask, 10>, 10>& lines, bool byRows) {
  int changes = 0;
  for (int d = 1; d <= 9; ++d) {
    int first = 0;
    int second = 0;
    int pairs = 0;
    for (int n = 1; n <= 9; ++n) {
      if (DigitCount(lines[d][n]) != 2) continue;
      ++pairs;
      (first == 0 ? first : second) = n;
    }
    if (pairs != 2 || lines[d][first] != lines[d][second]) continue;
    const int a = LowestDigit(lines[d][first]);
    const int b = Highest(lines[d][first]);
    changes += byRows ? RemoveFromLines(cand, d, first, second, a, b) : RemoveFromLines(cand, d, a, b, first, second);
  }
  return changes;
}

// Stage 3 for digit d, given the columns of its positions per row (rowMask)
// and the rows of its positions per column (colMask). Columns with exactly two positions are the labelled
// columns; rows with at least two positions among them are kept; of the
// labelled columns, those with exactly two positions in the kept rows remain.
// Exactly three kept rows and three remaining columns remove d from the kept
// rows outside those columns, from any cell holding it, one change each.
int ThreeColumnPattern(DigitSet* cand, int d, const std::array<LineMask, 10>& rowMask,
                       const std::array<LineMask, 10>& colMask) {
  const DigitSet bit = DigitBit(d);
  LineMask labelled = 0;
  for (int c = 1; c <= 9; ++c)
    if (DigitCount(colMask[c]) == 2) labelled = static_cast<LineMask>(labelled | (1u << (c - 1)));
  LineMask kept = 0;
  for (int r = 1; r <= 9; ++r)
    if (DigitCount(static_cast<LineMask>(rowMask[r] & labelled)) >= 2) kept = static_cast<LineMask>(kept | (1u << (r - 1)));
  LineMask remaining = 0;
  for (int c = 1; c <= 9; ++c)
    if ((labelled & (1u << (c - 1))) && DigitCount(static_cast<LineMask>(colMask[c] & kept)) == 2)
      remaining = static_cast<LineMask>(remaining | (1u << (c - 1)));
  if (DigitCount(remaining) != 3 || DigitCount(kept) != 3) return 0;
  int changes = 0;
  for (int r = 1; r <= 9; ++r) {
    if (!(kept & (1u << (r - 1)))) continue;
    for (int j = 1; j <= 9; ++j) {
      if (remaining & (1u << (j - 1))) continue;
      const int cell = CellNum(r, j);
      if (cand[cell] & bit) {
        cand[cell] = static_cast<DigitSet>(cand[cell] & ~bit);
        ++changes;
      }
    }
  }
  return changes;
}

}  // namespace

// Rule 9, XWingSwordfish. Stage 1: two-row patterns for digits 1..9 from
// positions collected once; stage 2: two-column patterns from positions
// collected after stage 1; stage 3: the three-column pattern, digit by digit
// on the current candidates.
void XWingSwordfish(RuleContext& ctx) {
  DigitSet* cand = ctx.puzzle.CellCandidates.data();
  // Positions are collected again only after a removal changed them.
  Positions p = CollectPositions(cand);
  int changes = 0;
  int removed = TwoLinePatterns(cand, p.colsOf, true);
  if (removed) p = CollectPositions(cand);
  changes += removed;
  removed = TwoLinePatterns(cand, p.rowsOf, false);
  if (removed) p = CollectPositions(cand);
  changes += removed;
  for (int d = 1; d <= 9; ++d) {
    removed = ThreeColumnPattern(cand, d, p.colsOf[d], p.rowsOf[d]);
    if (removed) p = CollectPositions(cand);
    changes += removed;
  }
  FinishRule(ctx, 9, changes);
}

}  // namespace kalvero
