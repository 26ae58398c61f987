// Locked candidates (rule 8): the interaction of a box with a row or column.
//
// Both halves work on segments: the three cells where a row (or column)
// crosses a box. A digit whose positions inside a box lie in one segment
// points along that line; a digit whose positions along a line lie in one
// segment claims the rest of that box. Positions are candidate sets holding
// the digit (given cells included, their set being their digit).
#include "rules/rules.h"

namespace kalvero {

namespace {

// rowSeg[r][i]: union of the candidates of row r in the i-th box it crosses;
// colSeg[c][i]: the same for column c, i counted from the top.
struct Segments {
  std::array<std::array<DigitSet, 3>, 10> rowSeg{};
  std::array<std::array<DigitSet, 3>, 10> colSeg{};
};

Segments CollectSegments(const DigitSet* cand) {
  Segments s;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const DigitSet t = cand[CellNum(r, c)];
      s.rowSeg[r][(c - 1) / 3] |= t;
      s.colSeg[c][(r - 1) / 3] |= t;
    }
  return s;
}

// Digits present in exactly one of three segment sets.
constexpr DigitSet InExactlyOne(DigitSet a, DigitSet b, DigitSet c) {
  return static_cast<DigitSet>((a ^ b ^ c) & ~(a & b & c));
}

// Removes the digits of `digits` from cell x, one change per digit removed.
int Remove(DigitSet* cand, int x, DigitSet digits) {
  const auto present = static_cast<DigitSet>(cand[x] & digits);
  if (present == 0) return 0;
  cand[x] = static_cast<DigitSet>(cand[x] & ~digits);
  return DigitCount(present);
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

  const Segments pointing = CollectSegments(cand);
  for (int b = 1; b <= 9; ++b) {
    const int top = 3 * ((b - 1) / 3) + 1;
    const int left = 3 * ((b - 1) % 3) + 1;
    const int colThird = (b - 1) % 3;  // which third of a row the box covers
    const int rowThird = (b - 1) / 3;  // which third of a column
    const DigitSet oneRow = InExactlyOne(pointing.rowSeg[top][colThird], pointing.rowSeg[top + 1][colThird],
                                         pointing.rowSeg[top + 2][colThird]);
    const DigitSet oneCol = InExactlyOne(pointing.colSeg[left][rowThird], pointing.colSeg[left + 1][rowThird],
                                         pointing.colSeg[left + 2][rowThird]);
    for (int r = top; r < top + 3; ++r) {
      const auto digits = static_cast<DigitSet>(oneRow & pointing.rowSeg[r][colThird]);
      if (digits == 0) continue;
      for (int c = 1; c <= 9; ++c)
        if ((c - 1) / 3 != colThird) changes += Remove(cand, CellNum(r, c), digits);
    }
    for (int c = left; c < left + 3; ++c) {
      const auto digits = static_cast<DigitSet>(oneCol & pointing.colSeg[c][rowThird]);
      if (digits == 0) continue;
      for (int r = 1; r <= 9; ++r)
        if ((r - 1) / 3 != rowThird) changes += Remove(cand, CellNum(r, c), digits);
    }
  }

  const Segments claiming = CollectSegments(cand);
  for (int r = 1; r <= 9; ++r) {
    const auto& seg = claiming.rowSeg[r];
    const DigitSet one = InExactlyOne(seg[0], seg[1], seg[2]);
    for (int i = 0; i < 3 && one; ++i) {
      const auto digits = static_cast<DigitSet>(one & seg[i]);
      if (digits == 0) continue;
      const UnitCells& box = BoxUnit(3 * ((r - 1) / 3) + i + 1);
      for (int k = 1; k <= 9; ++k)
        if (kTables.RowOf[box[k]] != r) changes += Remove(cand, box[k], digits);
    }
  }
  for (int c = 1; c <= 9; ++c) {
    const auto& seg = claiming.colSeg[c];
    const DigitSet one = InExactlyOne(seg[0], seg[1], seg[2]);
    for (int i = 0; i < 3 && one; ++i) {
      const auto digits = static_cast<DigitSet>(one & seg[i]);
      if (digits == 0) continue;
      const UnitCells& box = BoxUnit(3 * i + (c - 1) / 3 + 1);
      for (int k = 1; k <= 9; ++k)
        if (kTables.ColOf[box[k]] != c) changes += Remove(cand, box[k], digits);
    }
  }
  FinishRule(ctx, 8, changes);
}

}  // namespace kalvero
