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

// The placement loop: places the queue's head, and keeps placing while the
// next entry is a single candidate, checking for duplicates after each.
// An empty queue places nothing but still counts a placement.
PlaceOutcome PlaceFromQueue(RuleContext& ctx) {
  SolverState& s = ctx.solver;
  for (;;) {
    if (s.StopRequested) {
      AbandonSolve(ctx);
      return PlaceOutcome::Abandoned;
    }
    if (s.TrialQueue.Empty()) {
      ++s.PlacementCount;
    } else {
      const TrialEntry& e = s.TrialQueue.Front();
      PlaceValue(ctx, e.cell, LowestDigit(e.candidates), e.candidates);
    }
    if (!CheckNoDuplicates(s)) return PlaceOutcome::Duplicate;
    if (s.TrialQueue.Size() >= 2 && s.TrialQueue.Second().count == 1) {
      s.TrialQueue.PopFront();
      continue;
    }
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
      const bool lateDuplicate = s.TrialQueue.Empty() && !CheckNoDuplicates(s);
      if (!lateDuplicate && !IsContradiction(r)) return;
    }
    if (Backtrack(ctx) != BacktrackOutcome::Resumed) return;
  }
}

}  // namespace kalvero
