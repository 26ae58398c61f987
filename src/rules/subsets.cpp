// Naked pairs (rule 3), identical candidate sets (rule 6) and hidden subsets
// (rule 7): groups of cells of a unit that between them own a group of digits.
#include "rules/rules.h"
#include "rules/shared_findings.h"

namespace kalvero {

namespace {

// Each two-digit set's own bit among the 36 such sets; 0 for any other set.
constexpr std::array<std::uint64_t, 512> BuildPairBits() {
  std::array<std::uint64_t, 512> t{};
  int next = 0;
  for (unsigned s = 0; s < 512; ++s)
    if (DigitCount(static_cast<DigitSet>(s)) == 2) t[s] = std::uint64_t{1} << next++;
  return t;
}
constexpr std::array<std::uint64_t, 512> kPairBits = BuildPairBits();

// Whether some four-bit field n = 2..6 of perCount holds n, tested on all
// fields at once: XOR with the pattern holding n in field n turns exactly
// those fields to zero, the other fields are made non-zero, and a field of
// zero shows in the usual borrow test.
constexpr bool AnyFullBucket(std::uint64_t perCount) {
  constexpr std::uint64_t kPattern = 0x0000000006543200;  // n in field n, n = 2..6
  constexpr std::uint64_t kOthers = 0xFFFFFFFFF0000000 | 0xFF;  // fields 0, 1 and 7..15
  const std::uint64_t x = (perCount ^ kPattern) | (kOthers & 0x1111111111111111);
  return ((x - 0x1111111111111111) & ~x & 0x8888888888888888) != 0;
}

// A cell's one in the four-bit field of its number of candidates.
constexpr std::array<std::uint64_t, 512> BuildCountFields() {
  std::array<std::uint64_t, 512> t{};
  for (unsigned s = 0; s < 512; ++s) t[s] = std::uint64_t{1} << (4 * DigitCount(static_cast<DigitSet>(s)));
  return t;
}
constexpr std::array<std::uint64_t, 512> kCountField = BuildCountFields();

// Cells per number of candidates, four bits each. Flag 0: two or more cells
// with exactly two candidates, the least a shared pair needs. Flag 1: a full
// bucket.
struct CountBuckets {
  static constexpr int kFlags = 2;
  std::uint64_t perCount = 0;
  constexpr void Add(std::uint64_t one) { perCount += one; }
  constexpr void Merge(const CountBuckets& other) { perCount += other.perCount; }
  constexpr unsigned Acts() const {
    return unsigned{((perCount >> 8) & 15) >= 2} | unsigned{AnyFullBucket(perCount)} << 1;
  }
};

}  // namespace

CountUnits FindCountUnits(const DigitSet* cand) {
  const auto [pairCells, fullBucket] =
      SweepUnits<CountBuckets>([cand](int cell) { return kCountField[cand[cell] & kAllDigits]; });
  return CountUnits{pairCells, fullBucket};
}

namespace {

// Rule 3 for one unit: each cell in unit order whose candidates are a pair,
// shared by exactly one other cell of the unit at that moment, clears both
// digits from every cell of the unit with other candidates, counting one
// change per digit removed.
int NakedPairsInUnit(DigitSet* cand, const UnitCells& cells) {
  // Only a found pair narrows, so a unit whose two-candidate cells are all
  // different finds none and changes nothing.
  std::uint64_t seen = 0;
  std::uint64_t twins = 0;
  for (int k = 1; k <= 9; ++k) {
    const std::uint64_t pair = kPairBits[cand[cells[k]] & kAllDigits];
    twins |= seen & pair;
    seen |= pair;
  }
  if (twins == 0) return 0;
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
  // Cells per number of candidates, four bits each: a first sweep without
  // branches finds the units where some bucket of k cells holds exactly k
  // (most hold none, and change nothing).
  std::uint64_t perCount = 0;
  for (int k = 1; k <= 9; ++k) perCount += kCountField[cand[cells[k]] & kAllDigits];
  if (!AnyFullBucket(perCount)) return 0;
  // Per number of candidates, the union and the intersection of the cells'
  // sets: a bucket's cells all hold one set exactly when the two agree.
  std::array<DigitSet, 10> any{};
  std::array<DigitSet, 10> all;
  all.fill(kAllDigits);
  for (int k = 1; k <= 9; ++k) {
    const DigitSet s = cand[cells[k]];
    const int n = DigitCount(s);
    any[n] |= s;
    all[n] &= s;
  }
  int changes = 0;
  for (int n = 2; n <= 6; ++n) {
    if (((perCount >> (4 * n)) & 15) != static_cast<std::uint64_t>(n) || any[n] != all[n]) continue;
    const DigitSet key = any[n];
    for (int k = 1; k <= 9; ++k) {
      const DigitSet s = cand[cells[k]];
      if (!HasSeveral(s) || s == key) continue;
      const auto narrowed = static_cast<DigitSet>(s & ~key);
      if (narrowed != s) {
        ++changes;
        cand[cells[k]] = narrowed;
      }
    }
  }
  return changes;
}

}  // namespace

// Rule 3, NakedPairs: boxes 1..9, rows 1..9, columns 1..9 (units without an
// open cell have no pair and nothing to clear).
void NakedPairs(RuleContext& ctx) {
  DigitSet* cand = ctx.puzzle.CellCandidates.data();
  const UnitMask open = OpenUnitsOf(ctx);
  const UnitMask acting = DifferingUnits(ctx, 3, CountUnitsOf(ctx).pairCells & open);
  const int changes = SumOverUnits(acting, open, {UnitKind::Box, UnitKind::Row, UnitKind::Column},
                                   [cand](UnitKind kind, int n) { return NakedPairsInUnit(cand, Unit(kind, n)); });
  FinishRule(ctx, 3, changes);
}

// Rule 6, IdenticalSets: columns 1..9, rows 1..9, boxes 1..9 (units without
// an open cell have no set and nothing to clear).
void IdenticalSets(RuleContext& ctx) {
  DigitSet* cand = ctx.puzzle.CellCandidates.data();
  const UnitMask open = OpenUnitsOf(ctx);
  const UnitMask acting = DifferingUnits(ctx, 6, CountUnitsOf(ctx).fullBucket & open);
  const int changes = SumOverUnits(acting, open, {UnitKind::Column, UnitKind::Row, UnitKind::Box},
                                   [cand](UnitKind kind, int n) { return IdenticalSetsInUnit(cand, Unit(kind, n)); });
  FinishRule(ctx, 6, changes);
}

// Rule 7, HiddenSubsets: rows 1..9, columns 1..9, boxes 1..9, each unit's
// open entries (cells with two or more candidates) are searched for m = 2..5
// digits listed by the same m entries and by no other, and the group's digits
// are then cleared from the unit's other open entries. By the group's very
// definition those entries do not list its digits, so the clearing never
// narrows a cell: the rule always reports 0 changes, and it does so without
// the search, which would cost a scan of every unit for nothing.
void HiddenSubsets(RuleContext& ctx) { FinishRule(ctx, 7, 0); }

}  // namespace kalvero
