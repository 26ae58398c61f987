// The solve driver, the candidate refresh and the rule loop.
#include "rules/rules.h"
#include "rules/shared_findings.h"
#include "solver/solver.h"

namespace kalvero {

namespace {

// Trial queue order: fewest candidates, then the box missing the fewest
// digits, then the lower cell. The search reads only the queue's head and,
// while the head is a single, the entry after it: it places the run of
// singles at the front, or the head alone, and the next refresh rebuilds the
// queue. So the queue holds just that: the single-candidate cells in order
// (a stable counting sort on boxMissing, cells arriving in cell order), then
// the first cell of the lowest order among the others.
// Returns whether the queue holds a cell with two or more candidates.
bool RebuildTrialQueue(const PuzzleState& puzzle, SolverState& solver) {
  std::array<std::uint8_t, 11> start{};
  std::array<std::uint8_t, kCellCount> singles;
  int n = 0;
  int bestKey = 100;
  int bestCell = 0;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const DigitSet t = puzzle.CellCandidates[cell];
    if (puzzle.FixedMark[cell] || t == 0) continue;
    const int missing = solver.BoxMissing[kTables.BoxOf[cell]];
    if (!HasSeveral(t)) {
      singles[n++] = static_cast<std::uint8_t>(cell);
      ++start[missing + 1];
      continue;
    }
    const int key = DigitCount(t) * 10 + missing;
    if (key < bestKey) {
      bestKey = key;
      bestCell = cell;
    }
  }
  for (int k = 1; k <= 10; ++k) start[k] = static_cast<std::uint8_t>(start[k] + start[k - 1]);
  TrialEntry* queue = solver.TrialQueue.Refill(n + (bestCell != 0));
  const auto write = [&puzzle, &solver](TrialEntry& e, int cell) {
    const int box = kTables.BoxOf[cell];
    e.candidates = puzzle.CellCandidates[cell];
    e.count = static_cast<std::uint8_t>(DigitCount(e.candidates));
    e.boxMissing = static_cast<std::uint8_t>(solver.BoxMissing[box]);
    e.cell = static_cast<std::uint8_t>(cell);
    e.box = static_cast<std::uint8_t>(box);
  };
  for (int i = 0; i < n; ++i) {
    const int cell = singles[i];
    write(queue[start[solver.BoxMissing[kTables.BoxOf[cell]]]++], cell);
  }
  if (bestCell != 0) write(queue[n], bestCell);
  return bestCell != 0;
}

bool HasEmptyCell(const SolverState& solver) {
  for (int cell = 1; cell <= kCellCount; ++cell)
    if (solver.CellValue[cell] == 0) return true;
  return false;
}

}  // namespace

// One sweep in cell order: each value is tested against the union of the
// values before it in its row, column and box.
bool CheckNoDuplicates(const SolverState& solver) {
  const DigitSet* value = solver.CellValue.data() + 1;
  std::array<DigitSet, 9> column{};
  for (int band = 0; band < 3; ++band) {
    std::array<DigitSet, 3> box{};
    DigitSet repeated = 0;
    for (int r = 3 * band; r < 3 * band + 3; ++r) {
      DigitSet row = 0;
      for (int c = 0; c < 9; ++c) {
        const DigitSet v = value[9 * r + c];
        repeated |= (row | column[c] | box[c / 3]) & v;
        row |= v;
        column[c] |= v;
        box[c / 3] |= v;
      }
    }
    if (repeated != 0) return false;
  }
  return true;
}

void AbandonSolve(RuleContext& ctx) {
  ForgetBoardNotes(ctx.solver);
  for (int cell = 1; cell <= kCellCount; ++cell) {
    if (ctx.puzzle.FixedMark[cell]) {
      ctx.puzzle.CellCandidates[cell] = ctx.solver.CellValue[cell];
    } else {
      ctx.solver.CellValue[cell] = 0;
      ctx.puzzle.CellCandidates[cell] = 0;
    }
  }
}

namespace {

// What a refresh counts over the board, for rule 1 and the search.
struct RefreshTally {
  int filled = 0;        // cells with a working value
  int emptySingles = 0;  // cells without a value holding exactly one candidate
  int givenSingles = 0;  // given cells holding exactly one candidate
  int holes = 0;         // cells with neither a value nor a candidate
};

// Open non-given cells get every digit not placed in their row, column or
// box (possibly none); filled non-given cells lose their candidates; givens
// are left alone. BoxMissing follows.
RefreshTally RecomputeCandidates(PuzzleState& p, SolverState& s) {
  // Rows and columns 0..8, boxes 0..8 row by row: the board is walked row by
  // row, so no cell needs a look-up of its units. A row's union and its three
  // thirds stay in locals: consecutive cells share them, and updating them in
  // memory would chain the cells through a store and a reload each.
  std::array<DigitSet, 9> rowVal{}, colVal{}, boxVal{};
  const DigitSet* value = s.CellValue.data() + 1;
  for (int r = 0; r < 9; ++r) {
    std::array<DigitSet, 3> third{};
    for (int c = 0; c < 9; ++c) {
      const DigitSet v = value[9 * r + c];
      third[c / 3] |= v;
      colVal[c] |= v;
    }
    rowVal[r] = third[0] | third[1] | third[2];
    for (int i = 0; i < 3; ++i) boxVal[3 * (r / 3) + i] |= third[i];
  }
  RefreshTally tally;
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const int cell = 9 * r + c + 1;
      const DigitSet v = value[cell - 1];
      if (!p.FixedMark[cell])
        p.CellCandidates[cell] =
            v == 0 ? static_cast<DigitSet>(kAllDigits & ~(rowVal[r] | colVal[c] | boxVal[3 * (r / 3) + c / 3])) : 0;
      else
        tally.givenSingles += IsSingle(p.CellCandidates[cell]);
      const DigitSet t = p.CellCandidates[cell];
      tally.filled += v != 0;
      tally.emptySingles += v == 0 && IsSingle(t);
      tally.holes += (v | t) == 0;
    }
  for (int b = 1; b <= 9; ++b) s.BoxMissing[b] = 9 - DigitCount(boxVal[b - 1]);
  return tally;
}

// The same result when the candidates were fresh (s.Fresh) and the search
// has since filled one open cell: its digit, absent from its units until
// now, leaves the open non-given peers, and the cell loses its candidates.
// The fresh board had no single and no hole, so only those peers can add any.
//
// The fresh board is also the quiet board (the loop that left it fresh ended
// on it), so `diff` gets where the two now differ: the cell in all its digits,
// the narrowed peers in the placed one (one that became a single or empty
// differs in more, but then rule 1 changes the board before any rule runs).
RefreshTally UpdatePlacedPeers(PuzzleState& p, SolverState& s, int cell, QuietDiff& diff) {
  const DigitSet bit = s.CellValue[cell];
  RefreshTally tally;
  tally.filled = s.Fresh.filled + 1;
  const auto mark = [&diff](int x, DigitSet digits) {
    diff.units |= kCellUnits[x];
    diff.band[(kTables.RowOf[x] - 1) / 3] |= digits;
    diff.stack[(kTables.ColOf[x] - 1) / 3] |= digits;
  };
  mark(cell, static_cast<DigitSet>(p.CellCandidates[cell] | bit));
  p.CellCandidates[cell] = 0;
  for (const int y : kPeers.cells[cell]) {
    const DigitSet t = p.CellCandidates[y];
    if (p.FixedMark[y] || s.CellValue[y] != 0 || (t & bit) == 0) continue;
    const auto narrowed = static_cast<DigitSet>(t & ~bit);
    p.CellCandidates[y] = narrowed;
    tally.emptySingles += IsSingle(narrowed);
    tally.holes += narrowed == 0;
    mark(y, bit);
  }
  --s.BoxMissing[kTables.BoxOf[cell]];
  return tally;
}

}  // namespace

// RefreshCandidates: the candidates from the values (RecomputeCandidates, or
// UpdatePlacedPeers when that gives the same), BoxMissing and EmptyCount =
// 81 - filled. A full refresh then runs rule 1, reports the first open cell
// without candidates, runs the rule loop (unless every cell was filled or an
// open single when counted) with a duplicate check after it, and finally
// clears TrialQueue on a full board or rebuilds it, answering
// kRefreshAllDecided when no cell has two or more candidates left.
int RefreshCandidates(RuleContext& ctx, bool candidatesOnly) {
  PuzzleState& p = ctx.puzzle;
  SolverState& s = ctx.solver;
  s.EmptyCount = kCellCount;
  const bool checkedBefore = s.ValuesChecked;
  s.ValuesChecked = false;
  const bool onePlaced = s.Fresh.valid && s.Fresh.placed != 0 && !candidatesOnly;
  if (s.StopRequested) {
    AbandonSolve(ctx);
    return kRefreshNotSet;
  }
  QuietDiff placedDiff;
  const RefreshTally tally = onePlaced ? UpdatePlacedPeers(p, s, s.Fresh.placed, placedDiff) : RecomputeCandidates(p, s);
  s.Fresh = {};
  const int filled = tally.filled;
  s.EmptyCount = kCellCount - filled;
  if (candidatesOnly) return kRefreshNotSet;

  // Only rule 1 and the rule loop change values from here on, each placement
  // counted; a board checked before that gained no placement needs no check.
  const std::int32_t placementsBefore = s.PlacementCount;
  // A filled cell that is not a given has no candidates, so the singles
  // counted are all there are.
  const RefreshCounts counts{kCellCount - filled, tally.holes, tally.emptySingles + tally.givenSingles != 0};
  if (const int hole = PropagateSinglesAfterRefresh(ctx, counts); hole != 0) return hole;

  if (filled != kCellCount && filled + tally.emptySingles != kCellCount) {
    const bool changed = ApplyRules(ctx, onePlaced && !counts.single ? &placedDiff : nullptr);
    const bool unchanged = checkedBefore && s.PlacementCount == placementsBefore && !s.StopRequested;
    if (!unchanged && !CheckNoDuplicates(s)) return kRefreshRepeatedDigit;
    s.ValuesChecked = true;  // nothing below changes a value
    // Neither rule 1 nor a rule changed the fresh candidates (a hole would
    // have ended the refresh above), and the loop ended where none of its
    // rules changes anything (not on EmptyCount 0), so they are the quiet
    // board too.
    if (!changed && !counts.single && s.EmptyCount != 0 && !s.StopRequested)
      s.Fresh = {true, filled, 0};
  }
  if (!HasEmptyCell(s)) {
    s.TrialQueue.Clear();
    return kRefreshConsistent;
  }
  if (RebuildTrialQueue(p, s)) return kRefreshConsistent;
  for (int cell = 1; cell <= kCellCount; ++cell)
    if (HasSeveral(p.CellCandidates[cell])) return kRefreshConsistent;
  return kRefreshAllDecided;
}

// The rule loop. A rule reads only the board (candidates, values, given
// marks) and changes it exactly when it reports changes, so a rule whose last
// run changed nothing, on a board nothing has changed since, would change
// nothing again: it is not run, and its RuleChangeCount stays 0. This spares
// most of each pass after the first, above all the final pass that confirms
// the fixed point. (The host's yield between passes must not touch the board;
// during a solve it only sets StopRequested.) The board a loop ends on, where
// none of its rules changes anything, becomes the solver's quiet board: the
// next loops' rules look only where their boards differ from it.
namespace {

bool RunRuleLoop(RuleContext& ctx, SharedFindings& shared) {
  SolverState& s = ctx.solver;
  const std::string_view order = s.Generating ? std::string_view(kDefaultRuleOrder) : std::string_view(s.RuleOrder);
  int boardVersion = 0;               // counts the rule runs that changed the board
  std::array<int, 10> unchangedAt;    // per rule: boardVersion of its last run without changes
  unchangedAt.fill(-1);
  for (;;) {
    ctx.host.Yield();
    int total = 0;
    for (const char ch : order) {
      if (s.EmptyCount == 0) return boardVersion != 0;
      const int n = (ch >= '2' && ch <= '9') ? ch - '0' : 0;
      if (n == 0 || unchangedAt[n] == boardVersion) continue;
      if (RunRuleSharing(ctx, n, shared)) {
        ++boardVersion;
        total += s.RuleChangeCount[n];
      } else {
        unchangedAt[n] = boardVersion;
      }
    }
    if (total == 0) {
      RecordQuietBoard(ctx.puzzle, s, order);
      return boardVersion != 0;
    }
    if (s.StopRequested) {
      AbandonSolve(ctx);
      return true;
    }
  }
}

}  // namespace

bool ApplyRules(RuleContext& ctx, const QuietDiff* known) {
  if (ctx.solver.EmptyCount == 0) return false;
  SharedFindings shared;
  if (known != nullptr) shared.KnowQuietDiff(*known);
  SharedFindings* const outer = ctx.shared;
  ctx.shared = &shared;
  const bool changed = RunRuleLoop(ctx, shared);
  ctx.shared = outer;
  return changed;
}

// SolvePuzzle. Two mends over the plain procedure, neither of which changes a
// solve on a consistent board: TrialQueue starts empty (a refresh that stops
// at a contradiction does not rebuild it, and a queue left by an earlier
// solve must never be placed on this board), and a solve that would succeed
// with an empty cell left fails instead (rule 1 counts an open cell without
// candidates as a single, so EmptyCount can reach 0 with a hole).
SolveResult SolvePuzzle(PuzzleState& puzzle, SolverState& solver, Host& host) {
  RuleContext ctx{puzzle, solver, host};
  SolverState& s = solver;
  s.TrialQueue.Clear();
  s.SolveFailed = false;
  ForgetBoardNotes(s);  // the caller may have changed the board since
  RefreshCandidates(ctx, true);
  PropagateSingles(ctx);
  RefreshCandidates(ctx, false);
  const auto result = [&s] { return SolveResult{!s.SolveFailed, s.BranchStack.Points()}; };
  if (!(CheckNoDuplicates(s) && s.EmptyCount == 0)) {
    for (;;) {
      if (s.StopRequested) {
        s.SolveFailed = true;
        AbandonSolve(ctx);
        return result();
      }
      s.SolveFailed = false;
      SearchStep(ctx);
      if (s.SolveFailed || s.PlacementCount == kPlacementCountNoSolution) return result();
      if (s.PlacementCount > s.PlacementLimit) {
        s.SolveFailed = true;
        return result();
      }
      if (s.TrialQueue.Empty()) break;
    }
    if (!CheckNoDuplicates(s)) {
      s.SolveFailed = true;
      return result();
    }
  }
  if (HasEmptyCell(s)) {
    s.SolveFailed = true;
    return result();
  }
  host.Yield();
  if (s.PlacementCount < 2) s.PlacementCount = 1;
  return result();
}

}  // namespace kalvero
