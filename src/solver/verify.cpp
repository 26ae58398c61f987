// Verification by logic and the sum-area filter it shares with the pencil
// marks.
#include "solver/verify.h"

#include "rules/rules.h"
#include "rules/shared_findings.h"

namespace kalvero {

namespace {

// Digit z <-> digit 10 - z, as 9-bit sets.
constexpr std::array<DigitSet, 512> BuildMirrorTable() {
  std::array<DigitSet, 512> t{};
  for (unsigned s = 0; s < 512; ++s)
    for (int bit = 0; bit < 9; ++bit)
      if (s & (1u << bit)) t[s] = static_cast<DigitSet>(t[s] | (1u << (8 - bit)));
  return t;
}
constexpr std::array<DigitSet, 512> kMirror = BuildMirrorTable();

// The partners {t - z : z in s} that are digits 1..9.
constexpr DigitSet Partners(DigitSet s, int t) {
  const unsigned m = kMirror[s];  // digit z -> digit 10 - z
  const unsigned shifted = t >= 10 ? m << (t - 10) : m >> (10 - t);
  return static_cast<DigitSet>(shifted & kAllDigits);
}

}  // namespace

// For each x of a, the y of b (y != x) whose partner z = sum - x - y lies in
// c (z != x, z != y) are found at once by mirroring c around (sum - x) / 2,
// so an area costs at most nine steps instead of 729.
Triple FilterTriple(DigitSet a, DigitSet b, DigitSet c, int sum) {
  Triple kept;
  for (DigitSet xs = a; xs; xs = DropLowest(xs)) {
    const int x = LowestDigit(xs);
    const int t = sum - x;
    if (t < 3 || t > 17) continue;
    const auto notX = static_cast<DigitSet>(~DigitBit(x));
    auto ys = static_cast<DigitSet>(b & notX & Partners(static_cast<DigitSet>(c & notX), t));
    if (t % 2 == 0 && t / 2 <= 9) ys = static_cast<DigitSet>(ys & ~DigitBit(t / 2));
    if (ys == 0) continue;
    kept.a |= DigitBit(x);
    kept.b |= ys;
    kept.c |= Partners(ys, t);
  }
  return kept;
}

bool FilterSumAreas(CellList<DigitSet>& grid, const PuzzleState& puzzle, SumAreaHistory* history) {
  bool changed = false;
  if (!history || !history->SameCandidates(puzzle.CellCandidates))
    for (int cell = 1; cell <= kCellCount; ++cell) {
      const DigitSet t = puzzle.CellCandidates[cell];
      if (t != 0 && DigitCount(t) < DigitCount(grid[cell])) {
        grid[cell] = t;
        changed = true;
      }
    }
  for (int area = 1; area <= kClueCount; ++area) {
    const auto& cells = kTables.AreaCells[area];
    DigitSet& a = grid[cells[1]];
    DigitSet& b = grid[cells[2]];
    DigitSet& c = grid[cells[3]];
    if (history && history->Unchanged(area, a, b, c)) continue;
    const Triple kept = FilterTriple(a, b, c, puzzle.ClueSum[area]);
    changed = changed || kept.a != a || kept.b != b || kept.c != c;
    a = kept.a;
    b = kept.b;
    c = kept.c;
    if (history) history->Record(area, kept);
  }
  return changed;
}

// VerifyPuzzle. Each pass: working values := candidates; sum filter; rule 1;
// sum filter; rules 2..9, each followed by the sum filter. A pass ending with
// every cell decided goes to the comparison; otherwise the grid and the
// candidates exchange their narrowings cell by cell (a one-digit candidate
// set goes into the grid; the grid's entry replaces a longer or empty
// candidate set). The first pass has no candidates, so its rules find nothing
// and the exchange seeds every cell from the sum-filtered grid.
VerifyResult VerifyPuzzle(PuzzleState& puzzle, SolverState& solver, Host& host) {
  RuleContext ctx{puzzle, solver, host};
  CellList<DigitSet> grid{};
  SumAreaHistory history;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    puzzle.CellCandidates[cell] = 0;
    puzzle.FixedMark[cell] = false;
  }
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      puzzle.UserEntry[r][c].clear();
      const std::string& fixed = puzzle.FixedValue[r][c];
      grid[CellNum(r, c)] = fixed.empty() ? kAllDigits : DigitsOf(fixed);
    }

  auto& cand = puzzle.CellCandidates;
  bool decided = false;
  // A pass depends only on the candidates and the grid it starts from. When
  // it ends where it started, every later pass repeats it exactly: the
  // passes left are accounted for (yields, placements) instead of being run.
  CellList<DigitSet> startCand{}, startGrid{};
  for (int pass = 1; pass <= kVerifyPassLimit && !decided; ++pass) {
    host.Yield();
    startCand = cand;
    startGrid = grid;
    const std::int32_t placementsBefore = solver.PlacementCount;
    solver.CellValue = cand;
    FilterSumAreas(grid, puzzle, &history);
    PropagateSingles(ctx);
    bool gridSettled = !FilterSumAreas(grid, puzzle, &history);
    // The sum filter narrows the grid, never the candidates the rules read.
    SharedFindings shared;
    ctx.shared = &shared;
    for (int n = 2; n <= kRuleCount; ++n) {
      const bool ruleChanged = RunRuleSharing(ctx, n, shared);
      // A rule that changed nothing left the candidates as they were; after a
      // filter that changed nothing either, another would find every area as
      // it left it, and do nothing.
      if (ruleChanged || !gridSettled) gridSettled = !FilterSumAreas(grid, puzzle, &history);
    }
    ctx.shared = nullptr;
    int length = 0;
    for (int cell = 1; cell <= kCellCount; ++cell) length += DigitCount(cand[cell]);
    if (length == kCellCount) {
      decided = true;
      break;
    }
    for (int cell = 1; cell <= kCellCount; ++cell) {
      const DigitSet t = cand[cell];
      if (IsSingle(t))
        grid[cell] = t;
      else if (DigitCount(grid[cell]) < DigitCount(t) || t == 0)
        cand[cell] = grid[cell];
    }
    if (cand == startCand && grid == startGrid) {
      const std::int32_t placed = solver.PlacementCount - placementsBefore;
      for (int left = pass + 1; left <= kVerifyPassLimit; ++left) {
        host.Yield();
        solver.PlacementCount += placed;
      }
      break;
    }
  }

  VerifyResult result = VerifyResult::CannotVerify;
  if (decided) {
    result = VerifyResult::Verified;
    for (int cell = 1; cell <= kCellCount; ++cell)
      if (DigitNumber(cand[cell]) != puzzle.Solution[kTables.RowOf[cell]][kTables.ColOf[cell]]) {
        result = VerifyResult::CannotVerify;
        break;
      }
  }
  for (int cell = 1; cell <= kCellCount; ++cell)
    puzzle.CandidateGrid[kTables.RowOf[cell]][kTables.ColOf[cell]] = DigitText(grid[cell]);
  return result;
}

}  // namespace kalvero
