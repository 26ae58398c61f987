// Rating by repeated hints from the givens.
#include "hint/rating.h"

#include <tuple>

#include "hint/hint_board.h"
#include "model/board.h"
#include "rules/rule_context.h"

namespace kalvero {

namespace {

bool Complete(const HintPosition& position) {
  for (int cell = 1; cell <= kCellCount; ++cell)
    if (position.value[cell] == 0) return false;
  return true;
}

// Open cells with exactly one possible digit. A cell's possible digits
// change only when it or a peer is placed or it is marked, and each time the
// cell is looked at again, so the set holds every such cell; a pass over it
// finds the singles a pass over every cell would, in the same order.
class SingleCells {
 public:
  explicit SingleCells(const hint::Board& board) {
    for (int cell = 1; cell <= kCellCount; ++cell) Look(board, cell);
  }
  void Look(const hint::Board& board, int cell) {
    if (IsSingle(board.possible[cell])) cells_.Add(cell);
  }
  void LookAround(const hint::Board& board, int cell) {
    for (const int peer : kPeers.cells[static_cast<std::size_t>(cell)]) Look(board, peer);
  }
  // Takes off and returns the lowest cell from `from` on; 0 when none is left.
  int Take(int from) { return cells_.TakeFrom(from); }

 private:
  CellMask cells_;
};

// Places every naked single at once, one hint each, keeping the board in
// step. On a position that agrees with its solution a naked single is the
// cell's solution digit, and possible digits only shrink, so it stays one
// until it is placed: hint after hint, the ladder would fill the same cells.
int PlaceNakedSingles(hint::Board& board, HintPosition& position, SingleCells& singles) {
  int placed = 0;
  for (int cell = singles.Take(1); cell != 0; cell = singles.Take(cell + 1)) {
    const DigitSet possible = board.possible[cell];
    if (position.value[cell] != 0 || !IsSingle(possible)) continue;
    position.value[cell] = possible;
    position.marks[cell] = 0;
    board.AfterPlacing(cell);
    singles.LookAround(board, cell);
    ++placed;
  }
  return placed;
}

// ApplyHint, with the board kept in step.
void Apply(hint::Board& board, HintPosition& position, SingleCells& singles, const Hint& hint) {
  ApplyHint(position, hint);
  if (hint.digit != 0) {
    board.AfterPlacing(hint.cell);
    singles.LookAround(board, hint.cell);
  }
  for (const Removal& r : hint.removals) {
    board.AfterMarking(r.cell);
    singles.Look(board, r.cell);
  }
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
  SingleCells singles(board);
  board.explain = false;
  board.quietAreas = &quiet;
  for (;;) {
    if (const int naked = PlaceNakedSingles(board, position, singles); naked > 0) {
      Took(rating, StepKind::NakedSingle, naked);
      continue;
    }
    if (Complete(position)) break;
    const Hint hint = hint::FindStep(board, StepKind::HiddenSingle);
    if (hint.kind == StepKind::None) return rating;
    const CellList<DigitSet> valueBefore = position.value;
    const CellList<DigitSet> marksBefore = position.marks;
    Apply(board, position, singles, hint);
    if (position.value == valueBefore && position.marks == marksBefore) return rating;
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
