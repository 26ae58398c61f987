// Rating by repeated hints from the givens.
#include "hint/rating.h"

#include <tuple>

#include "model/board.h"

namespace kalvero {

namespace {

bool Complete(const HintPosition& position) {
  for (int cell = 1; cell <= kCellCount; ++cell)
    if (position.value[cell] == 0) return false;
  return true;
}

}  // namespace

bool CanRate(const HintPosition& position) {
  for (int cell = 1; cell <= kCellCount; ++cell)
    if (position.solution[cell] == 0) return false;
  return SolutionAgrees(position);
}

Rating RatePuzzle(const PuzzleState& puzzle) {
  Rating rating;
  HintPosition position = GivensOf(puzzle);
  if (!CanRate(position)) {
    rating.agrees = false;
    return rating;
  }
  while (!Complete(position)) {
    const Hint hint = FindHint(position);
    if (hint.kind == StepKind::None) return rating;
    const HintPosition before = position;
    ApplyHint(position, hint);
    if (position.value == before.value && position.marks == before.marks) return rating;
    if (rating.hardest == StepKind::None || hint.kind > rating.hardest) rating.hardest = hint.kind;
    ++rating.steps;
  }
  rating.solved = true;
  return rating;
}

bool EasierThan(const Rating& a, const Rating& b) {
  return std::tuple(!a.agrees, !a.solved, static_cast<int>(a.hardest), a.steps) <
         std::tuple(!b.agrees, !b.solved, static_cast<int>(b.hardest), b.steps);
}

}  // namespace kalvero
