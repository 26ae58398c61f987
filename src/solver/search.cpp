// The depth-first search. Each step places the most constrained open cell's
// lowest candidate, recording a branch point (the untried candidates and a
// snapshot of the board) when it had others, and propagates. A contradiction
// restores the latest snapshot and tries that branch point's next candidate.
// Branch points whose alternatives were never needed stay on the stack; an
// empty stack at the end proves the solution unique.
#include "rules/rules.h"
#include "solver/solver.h"

namespace kalvero {

namespace {

enum class PlaceOutcome { Placed, Duplicate, Abandoned };

// True when the value at `cell` repeats in none of its peers.
bool FitsAmongPeers(const SolverState& s, int cell) {
  DigitSet peers = 0;
  for (const int x : kPeers.cells[cell]) peers |= s.CellValue[x];
  return (peers & s.CellValue[cell]) == 0;
}

// The placement loop: places the queue's head, and keeps placing while the
// next entry is a single candidate, checking for duplicates after each.
// An empty queue places nothing but still counts a placement.
//
// Once a check has passed (here, or at the end of the refresh that built the
// queue), the board is known to be free of duplicates, so a placement after
// it needs no check when it wrote the value the cell already held (the
// queue's singles are mostly cells the last refresh placed), and only a look
// at the cell's peers when it changed the cell.
PlaceOutcome PlaceFromQueue(RuleContext& ctx) {
  SolverState& s = ctx.solver;
  bool clean = s.ValuesChecked;  // no duplicates, as the last check (or peer look) showed
  s.ValuesChecked = false;
  for (;;) {
    if (s.StopRequested) {
      AbandonSolve(ctx);
      return PlaceOutcome::Abandoned;
    }
    int cell = 0;
    DigitSet before = 0;
    if (s.TrialQueue.Empty()) {
      ++s.PlacementCount;
      s.Fresh.valid = false;
    } else {
      const TrialEntry& e = s.TrialQueue.Front();
      cell = e.cell;
      s.Fresh.valid = s.Fresh.valid && s.Fresh.placed == 0;
      s.Fresh.placed = cell;
      before = s.CellValue[cell];
      PlaceValue(ctx, e.cell, LowestDigit(e.candidates), e.candidates);
    }
    if (!clean)
      clean = CheckNoDuplicates(s);
    else if (cell != 0 && s.CellValue[cell] != before)
      clean = FitsAmongPeers(s, cell);
    if (!clean) return PlaceOutcome::Duplicate;
    if (s.TrialQueue.Size() >= 2 && s.TrialQueue.Second().count == 1) {
      s.TrialQueue.PopFront();
      continue;
    }
    s.ValuesChecked = true;
    return PlaceOutcome::Placed;
  }
}

enum class BacktrackOutcome { Resumed, Exhausted, Abandoned };

// Returns to the latest branch point: restores its board and queues its cell
// with the untried candidates as the only entry.
BacktrackOutcome Backtrack(RuleContext& ctx) {
  SolverState& s = ctx.solver;
  if (s.StopRequested) {
    AbandonSolve(ctx);
    return BacktrackOutcome::Abandoned;
  }
  if (s.BranchStack.Empty()) {
    s.TrialQueue.Clear();
    s.SolveFailed = true;
    return BacktrackOutcome::Exhausted;
  }
  const BranchPoint& top = s.BranchStack.Top();
  s.CellValue = top.snapshot;
  ForgetBoardNotes(s);
  TrialEntry cut;
  cut.cell = top.cell;
  cut.box = top.box;
  cut.candidates = top.untried;
  s.TrialQueue.Clear();
  s.TrialQueue.Push(cut);
  s.BranchStack.Pop();
  return BacktrackOutcome::Resumed;
}

}  // namespace

void SearchStep(RuleContext& ctx) {
  SolverState& s = ctx.solver;
  for (;;) {
    const PlaceOutcome placed = PlaceFromQueue(ctx);
    if (placed == PlaceOutcome::Abandoned) return;
    if (placed == PlaceOutcome::Duplicate) {
      if (s.BranchStack.Empty()) {
        s.SolveFailed = true;
        s.PlacementCount = kPlacementCountNoSolution;
        s.BranchStack.Clear();
        s.TrialQueue.Clear();
        return;
      }
    } else {
      const int r = RefreshCandidates(ctx, false);
      const bool lateDuplicate = s.TrialQueue.Empty() && !s.ValuesChecked && !CheckNoDuplicates(s);
      if (!lateDuplicate && !IsContradiction(r)) return;
    }
    if (Backtrack(ctx) != BacktrackOutcome::Resumed) return;
  }
}

}  // namespace kalvero
