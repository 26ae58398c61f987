#pragma once
// The solver: candidate refresh, the rule loop, the depth-first search with
// its branch points, and the solve driver the generator calls.
//
// Setting up a solve (what the generator's seeding does): every given cell
// has its digit as CellValue, FixedMark set and, as seeding leaves it, an
// empty candidate set; every other cell has an empty value and no
// candidates; TrialQueue and BranchStack empty; PlacementCount reset at the
// start of a generation attempt; Generating set. Then SolvePuzzle.
#include "rules/rule_context.h"

namespace kalvero {

struct QuietDiff;  // rules/shared_findings.h

// Results of RefreshCandidates. A positive result other than
// kRefreshAllDecided is a contradiction: kRefreshRepeatedDigit, or the number
// of the first open cell left without candidates.
inline constexpr int kRefreshNotSet = 0;        // candidates only, or abandoned
inline constexpr int kRefreshConsistent = -1;   // no contradiction found
inline constexpr int kRefreshAllDecided = 999;  // every cell has at most one candidate
inline constexpr int kRefreshRepeatedDigit = 1;

constexpr bool IsContradiction(int refreshResult) {
  return refreshResult != kRefreshConsistent && refreshResult != kRefreshAllDecided;
}

// Recomputes every open cell's candidates from the placed values and counts
// EmptyCount; unless candidatesOnly, then propagates singles, runs the rule
// loop, checks for contradictions and rebuilds TrialQueue.
int RefreshCandidates(RuleContext& ctx, bool candidatesOnly);

// The rule loop: runs the rules of RuleOrder ("23456789" while Generating)
// pass after pass until a pass changes nothing or EmptyCount reaches 0.
// Returns whether a rule changed the board. A caller that knows where the
// board differs from the solver's quiet board passes it as `known` (it may
// name more than differs, never less).
bool ApplyRules(RuleContext& ctx, const QuietDiff* known = nullptr);

// True when no row, column or box holds a digit twice among the working values.
bool CheckNoDuplicates(const SolverState& solver);

// Every non-given cell emptied (value and candidates); every given's
// candidates set to its value.
void AbandonSolve(RuleContext& ctx);

// One step of the search: places the head of TrialQueue (and the single-
// candidate cells queued after it), propagates, and backtracks to the latest
// branch point on a contradiction. It trusts what the last step noted about
// the board (ValuesChecked, Fresh): a caller that writes the board between
// steps calls ForgetBoardNotes.
void SearchStep(RuleContext& ctx);

inline void ForgetBoardNotes(SolverState& solver) {
  solver.ValuesChecked = false;
  solver.Fresh = {};
}

struct SolveResult {
  bool solved = false;   // !SolveFailed
  int branchPoints = 0;  // open branch points left; 0 on a solved board proves uniqueness
};

// Completes the working board from what the caller left on it; the outcome is
// in SolveFailed, PlacementCount, BranchStack and the board, and summarised
// in the result.
SolveResult SolvePuzzle(PuzzleState& puzzle, SolverState& solver, Host& host);

}  // namespace kalvero
