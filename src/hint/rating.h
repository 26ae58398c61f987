#pragma once
// A puzzle's difficulty as the hint ladder sees it: solved from its givens
// and sums by hints alone, the hardest step needed and the number of steps.
#include "hint/hint.h"

namespace kalvero {

struct Rating {
  bool agrees = true;                 // CanRate: false leaves the puzzle unrated
  bool solved = false;                // every cell placed
  StepKind hardest = StepKind::None;  // the hardest step taken; None when none was
  int steps = 0;                      // hints applied
};

// True when the stored solution is known in every cell and agrees with the
// givens and sums (SolutionAgrees). Only then does solving by hints surely
// end: every hint places a solution digit or rules out other digits, so the
// board only fills and the marks only narrow.
bool CanRate(const HintPosition& position);

// Hints are applied until the board is full or no hint changes it; a ladder
// that stops making progress leaves the puzzle unsolved.
Rating RatePuzzle(const PuzzleState& puzzle);

// Easier first: solved before unsolved, then the hardest step, then fewer steps.
bool EasierThan(const Rating& a, const Rating& b);

}  // namespace kalvero
