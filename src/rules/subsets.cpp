// Naked pairs (rule 3), identical candidate sets (rule 6) and hidden subsets
// (rule 7): groups of cells of a unit that between them own a group of digits.
#include "rules/rules.h"

namespace kalvero {

namespace {

// Rule 3 for one unit: each cell in unit order whose candidates are a pair,
// shared by exactly one other cell of the unit at that moment, clears both
// digits from every cell of the unit with other candidates, counting one
// change per digit removed.
int NakedPairsInUnit(DigitSet* cand, const UnitCells& cells) {
  int changes = 0;
  for (int i = 1; i <= 9; ++i) {
    const DigitSet s = cand[cells[i]];
    if (DigitCount(s) != 2) continue;
    int same = 0;
    for (int k = 1; k <= 9; ++k) same += cand[cells[k]] == s;
    if (same != 2) continue;
    for (int k = 1; k <= 9; ++k) {
      const DigitSet t = cand[cells[k]];
      if (t == s || !(t & s)) continue;
      changes += DigitCount(static_cast<DigitSet>(t & s));
      cand[cells[k]] = static_cast<DigitSet>(t & ~s);
    }
  }
  return changes;
}

// Rule 6 for one unit. The cells with 2..6 candidates are sorted by their
// number of candidates into five buckets, once, before any narrowing. A
// bucket for k candidates holding exactly k cells, all with the same set,
// clears that set from every other cell of the unit with two or more
// candidates (one change per cell narrowed).
int IdenticalSetsInUnit(DigitSet* cand, const UnitCells& cells) {
  std::array<int, 5> size{};
  std::array<DigitSet, 5> key{};
  std::array<bool, 5> same{true, true, true, true, true};
  for (int k = 1; k <= 9; ++k) {
    const DigitSet s = cand[cells[k]];
    const int n = DigitCount(s);
    if (n < 2 || n > 6) continue;
    const int i = n - 2;
    if (size[i] == 0)
      key[i] = s;
    else if (s != key[i])
      same[i] = false;
    ++size[i];
  }
  int changes = 0;
  for (int i = 0; i < 5; ++i) {
    if (size[i] != i + 2 || !same[i]) continue;
    for (int k = 1; k <= 9; ++k) {
      const DigitSet s = cand[cells[k]];
      if (!HasSeveral(s) || s == key[i]) continue;
      const auto narrowed = static_cast<DigitSet>(s & ~key[i]);
      if (narrowed != s) {
        ++changes;
        cand[cells[k]] = narrowed;
      }
    }
  }
  return changes;
}

// SubsetFinder for one unit, over its open entries (cells with two or more
// candidates, numbered j = 0..k-1 in unit order). Bucket m - 2 (m = 2..5)
// lists, ascending, the digits listed by exactly m entries, each with the set
// of entries listing it (its "where" set). A bucket holding more than m
// digits keeps only those whose where set equals its highest digit's. In a
// bucket with at least m digits, the digits whose where set is shared by
// exactly m of them form a group; its entries are marked. The unit's finding
// is the group of the smallest m.
struct SubsetFinding {
  DigitSet digits = 0;  // the group digits D of the finding, 0 when none
  std::uint16_t marked = 0;  // entries of every group found, one bit per entry
};

SubsetFinding FindSubsets(const std::array<DigitSet, 9>& entries, int count) {
  if (count < 2) return {};
  DigitTranspose transpose;
  for (int j = 0; j < count; ++j) transpose.Add(entries[j], j);
  std::array<std::uint16_t, 10> where;
  std::array<int, 10> listed;
  for (int d = 1; d <= 9; ++d) {
    where[d] = transpose.Where(d);
    listed[d] = DigitCount(where[d]);
  }

  // Buckets m - 2 (m = 2..5), digits ascending.
  std::array<std::array<int, 9>, 4> buckets;
  std::array<int, 4> sizes{};
  for (int d = 1; d <= 9; ++d)
    if (listed[d] >= 2 && listed[d] <= 5) buckets[listed[d] - 2][sizes[listed[d] - 2]++] = d;

  SubsetFinding finding;
  for (int m = 2; m <= 5; ++m) {
    auto& bucket = buckets[m - 2];
    int n = sizes[m - 2];
    if (n > m) {
      const std::uint16_t key = where[bucket[n - 1]];
      int kept = 0;
      for (int i = 0; i < n; ++i)
        if (i == n - 1 || where[bucket[i]] == key) bucket[kept++] = bucket[i];
      n = kept;
    }
    if (n < m) continue;
    DigitSet group = 0;
    for (int i = 0; i < n; ++i) {
      int sharing = 0;
      for (int j = 0; j < n; ++j) sharing += where[bucket[j]] == where[bucket[i]];
      if (sharing == m) group |= DigitBit(bucket[i]);
    }
    if (group == 0) continue;
    finding.marked = static_cast<std::uint16_t>(finding.marked | where[LowestDigit(group)]);
    if (finding.digits == 0) finding.digits = group;
  }
  return finding;
}

// Rule 7 for one unit: the finding's digits are removed from every unmarked
// open entry as the entry held them when the unit was examined. Every group
// digit is listed by the group's entries only, so this never narrows a cell;
// the rule still runs the finder and the removal as the program does.
int HiddenSubsetsInUnit(DigitSet* cand, const UnitCells& cells) {
  std::array<DigitSet, 9> entries{};
  std::array<int, 9> entryCell{};
  int count = 0;
  for (int k = 1; k <= 9; ++k) {
    const DigitSet s = cand[cells[k]];
    if (!HasSeveral(s)) continue;
    entries[count] = s;
    entryCell[count++] = cells[k];
  }
  const SubsetFinding finding = FindSubsets(entries, count);
  if (finding.digits == 0) return 0;
  int changes = 0;
  for (DigitSet ds = finding.digits; ds; ds = DropLowest(ds)) {
    const DigitSet bit = DigitBit(LowestDigit(ds));
    for (int j = 0; j < count; ++j) {
      if (finding.marked & (1u << j)) continue;
      const auto narrowed = static_cast<DigitSet>(entries[j] & ~bit);
      if (narrowed == entries[j]) continue;
      entries[j] = narrowed;
      cand[entryCell[j]] = narrowed;
      ++changes;
    }
  }
  return changes;
}

}  // namespace

// Rule 3, NakedPairs: boxes 1..9, rows 1..9, columns 1..9 (units without an
// open cell have no pair and nothing to clear).
void NakedPairs(RuleContext& ctx) {
  DigitSet* cand = ctx.puzzle.CellCandidates.data();
  const int changes = SumOverOpenUnits(OpenUnits(ctx.puzzle), {UnitKind::Box, UnitKind::Row, UnitKind::Column},
                                       [cand](const UnitCells& cells) { return NakedPairsInUnit(cand, cells); });
  FinishRule(ctx, 3, changes);
}

// Rule 6, IdenticalSets: columns 1..9, rows 1..9, boxes 1..9 (units without
// an open cell have no set and nothing to clear).
void IdenticalSets(RuleContext& ctx) {
  DigitSet* cand = ctx.puzzle.CellCandidates.data();
  const int changes = SumOverOpenUnits(OpenUnits(ctx.puzzle), {UnitKind::Column, UnitKind::Row, UnitKind::Box},
                                       [cand](const UnitCells& cells) { return IdenticalSetsInUnit(cand, cells); });
  FinishRule(ctx, 6, changes);
}

// Rule 7, HiddenSubsets: rows 1..9, columns 1..9, boxes 1..9 (a unit without
// open entries has no finding).
void HiddenSubsets(RuleContext& ctx) {
  DigitSet* cand = ctx.puzzle.CellCandidates.data();
  const int changes = SumOverOpenUnits(OpenUnits(ctx.puzzle), {UnitKind::Row, UnitKind::Column, UnitKind::Box},
                                       [cand](const UnitCells& cells) { return HiddenSubsetsInUnit(cand, cells); });
  FinishRule(ctx, 7, changes);
}

}  // namespace kalvero
