// Rating by repeated hints from the givens.
#include "hint/rating.h"

#include <tuple>

#include "hint/hint_board.h"
#include "model/board.h"

namespace kalvero {

namespace {

bool Complete(const HintPosition& position) {
  for (int cell = 1; cell <= kCellCount; ++cell)
    if (position.value[cell] == 0) return false;
  return true;
}

// Places every naked single at once, one hint each, keeping the board in
// step. On a position that agrees with its solution a naked single is the
// cell's solution digit, and possible digits only shrink, so it stays one
// until it is placed: hint after hint, the ladder would fill the same cells.
int PlaceNakedSingles(hint::Board& board, HintPosition& position) {
  int placed = 0;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const DigitSet possible = board.possible[cell];
    if (position.value[cell] != 0 || !IsSingle(possible)) continue;
    position.value[cell] = possible;
    position.marks[cell] = 0;
    board.AfterPlacing(cell);
    ++placed;
  }
  return placed;
}

// ApplyHint, with the board kept in step.
void Apply(hint::Board& board, HintPosition& position, const Hint& hint) {
  ApplyHint(position, hint);
  if (hint.digit != 0) board.AfterPlacing(hint.cell);
  for (const Removal& r : hint.removals) board.AfterMarking(r.cell);
}

void Took(Rating& rating, StepKind kind, int hints) {
  if (rating.hardest == StepKind::None || kind > rating.hardest) rating.hardest = kind;
  rating.steps += hints;
}

}  // namespace

bool CanRate(const HintPosition& position) {
  for (int cell = 1; cell <= kCellCount; ++cell)
    if (position.solution[cell] == 0) return false;
  return SolutionAgrees(position);
}

// Naked singles go in as a run; the other steps come from the ladder one by
// one, from the hidden-single rung on: a wrong value needs a player's digit,
// which the givens of an agreeing puzzle and the hints placed after them
// never are.
Rating RatePuzzle(const PuzzleState& puzzle) {
  Rating rating;
  HintPosition position = GivensOf(puzzle);
  if (!CanRate(position)) {
    rating.agrees = false;
    return rating;
  }
  hint::Board board = hint::MakeBoard(position);
  hint::QuietAreas quiet;
  board.explain = false;
  board.quietAreas = &quiet;
  for (;;) {
    if (const int naked = PlaceNakedSingles(board, position); naked > 0) {
      Took(rating, StepKind::NakedSingle, naked);
      continue;
    }
    if (Complete(position)) break;
    const Hint hint = hint::FindStep(board, StepKind::HiddenSingle);
    if (hint.kind == StepKind::None) return rating;
    const HintPosition before = position;
    Apply(board, position, hint);
    if (position.value == before.value && position.marks == before.marks) return rating;
    Took(rating, hint.kind, 1);
  }
  rating.solved = true;
  return rating;
}

bool EasierThan(const Rating& a, const Rating& b) {
  return std::tuple(!a.agrees, !a.solved, static_cast<int>(a.hardest), a.steps) <
         std::tuple(!b.agrees, !b.solved, static_cast<int>(b.hardest), b.steps);
}

}  // namespace kalvero
