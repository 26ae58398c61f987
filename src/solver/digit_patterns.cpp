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

// rows[r].Where(d): columns of the positions of d in row r; cols[c].Where(d):
// rows of the positions of d in column c. twoInRow[d] / twoInCol[d]: the
// rows / columns holding exactly two positions of d, which every pattern
// starts from.
struct Positions {
  std::array<DigitTranspose, 10> rows{};
  std::array<DigitTranspose, 10> cols{};
  std::array<LineMask, 10> twoInRow{};
  std::array<LineMask, 10> twoInCol{};
};

Positions CollectPositions(const DigitSet* cand) {
  // Row by row, each open cell's spread bits looked up once for its row and
  // its column.
  Positions p;
  for (int r = 1; r <= 9; ++r) {
    DigitTranspose row;
    for (int c = 1; c <= 9; ++c) {
      const DigitSet t = cand[CellNum(r, c)];
      const detail::SpreadBits& bits = detail::kSpread[HasSeveral(t) ? t & kAllDigits : 0];
      row.Add(bits, c - 1);
      p.cols[c].Add(bits, r - 1);
    }
    p.rows[r] = row;
  }
  for (int n = 1; n <= 9; ++n) {
    const DigitTranspose& row = p.rows[n];
    const DigitTranspose& col = p.cols[n];
    const auto line = static_cast<LineMask>(1u << (n - 1));
    for (DigitSet ds = row.DigitsInTwo(); ds; ds = DropLowest(ds)) p.twoInRow[LowestDigit(ds)] |= line;
    for (DigitSet ds = col.DigitsInTwo(); ds; ds = DropLowest(ds)) p.twoInCol[LowestDigit(ds)] |= line;
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

// Stages 1 and 2 for every digit: `lines[n].Where(d)` are the cross positions
// of d on line n, `two[d]` the lines holding exactly two of them. When exactly two
// lines hold exactly two positions of d, at the same two crossings, d is
// removed from the rest of both pairs of lines.
//
// The two lines hold no other positions of d, so only the crossing lines
// (`cross`, positions along them) can lose it; a pattern whose crossing lines
// hold d nowhere else is passed over. The tables, taken before the stage,
// stay supersets while it removes.
int TwoLinePatterns(DigitSet* cand, const std::array<DigitTranspose, 10>& lines,
                    const std::array<DigitTranspose, 10>& cross, const std::array<LineMask, 10>& two, bool byRows) {
  int changes = 0;
  for (int d = 1; d <= 9; ++d) {
    if (DigitCount(two[d]) != 2) continue;
    const int first = LowestDigit(two[d]);
    const int second = Highest(two[d]);
    const LineMask crossing = lines[first].Where(d);
    if (crossing != lines[second].Where(d)) continue;
    const int a = LowestDigit(crossing);
    const int b = Highest(crossing);
    if (((cross[a].Where(d) | cross[b].Where(d)) & ~two[d]) == 0) continue;
    changes += byRows ? RemoveFromLines(cand, d, first, second, a, b) : RemoveFromLines(cand, d, a, b, first, second);
  }
  return changes;
}

// Stage 3 for digit d, given the columns of its positions per row
// (rows[r].Where(d)) and the rows of its positions per column
// (cols[c].Where(d)). Columns with exactly
// two positions are the labelled columns (`labelled`); rows with at least two
// positions among them are kept; of the labelled columns, those with exactly
// two positions in the kept rows remain.
// Exactly three kept rows and three remaining columns remove d from the kept
// rows outside those columns, from any cell holding it, one change each.
int ThreeColumnPattern(DigitSet* cand, int d, const std::array<DigitTranspose, 10>& rows,
                       const std::array<DigitTranspose, 10>& cols, LineMask labelled) {
  // The remaining columns are labelled ones, so fewer than three labelled
  // columns can never leave three.
  if (DigitCount(labelled) < 3) return 0;
  const DigitSet bit = DigitBit(d);
  LineMask kept = 0;
  for (int r = 1; r <= 9; ++r)
    if (DigitCount(static_cast<LineMask>(rows[r].Where(d) & labelled)) >= 2)
      kept = static_cast<LineMask>(kept | (1u << (r - 1)));
  LineMask remaining = 0;
  for (int c = 1; c <= 9; ++c)
    if ((labelled & (1u << (c - 1))) && DigitCount(static_cast<LineMask>(cols[c].Where(d) & kept)) == 2)
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
  int removed = TwoLinePatterns(cand, p.rows, p.cols, p.twoInRow, true);
  if (removed) p = CollectPositions(cand);
  changes += removed;
  removed = TwoLinePatterns(cand, p.cols, p.rows, p.twoInCol, false);
  if (removed) p = CollectPositions(cand);
  changes += removed;
  for (int d = 1; d <= 9; ++d) {
    removed = ThreeColumnPattern(cand, d, p.rows, p.cols, p.twoInCol[d]);
    if (removed) p = CollectPositions(cand);
    changes += removed;
  }
  FinishRule(ctx, 9, changes);
}

}  // namespace kalvero
