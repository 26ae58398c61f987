// Rating by repeated hints from the givens.
#include "hint/rating.h"

#include <array>
#include <bit>
#include <cstdint>
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

// Cell c as bit c - 1 of two words.
using CellWords = std::array<std::uint64_t, 2>;
constexpr std::size_t WordOf(int cell) { return static_cast<std::size_t>((cell - 1) >> 6); }
constexpr std::uint64_t BitOf(int cell) { return std::uint64_t{1} << ((cell - 1) & 63); }

constexpr std::array<CellWords, 82> kPeerWords = [] {
  std::array<CellWords, 82> t{};
  for (int cell = 1; cell <= kCellCount; ++cell)
    for (const int peer : kPeers.cells[static_cast<std::size_t>(cell)])
      t[static_cast<std::size_t>(cell)][WordOf(peer)] |= BitOf(peer);
  return t;
}();

// The cells a pass for naked singles has yet to look at: every cell at first, then the cells whose possible digits
// changed since a pass last looked at them. A cell that was no single then
// and has not changed is none now, so a pass over these cells finds the
// singles a pass over every cell would, in the same order.
class Unlooked {
 public:
  void Add(int cell) { words_[WordOf(cell)] |= BitOf(cell); }
  void AddPeers(int cell) {
    words_[0] |= kPeerWords[static_cast<std::size_t>(cell)][0];
    words_[1] |= kPeerWords[static_cast<std::size_t>(cell)][1];
  }
  // Takes off and returns the lowest cell from `from` on; 0 when none is left.
  int Take(int from) {
    for (std::size_t w = WordOf(from); w < 2; ++w) {
      std::uint64_t bits = words_[w];
      if (w == WordOf(from)) bits &= ~(BitOf(from) - 1);
      if (bits == 0) continue;
      const int cell = 64 * static_cast<int>(w) + std::countr_zero(bits) + 1;
      words_[w] &= ~BitOf(cell);
      return cell;
    }
    return 0;
  }

 private:
  CellWords words_ = {~std::uint64_t{0}, (std::uint64_t{1} << (kCellCount - 64)) - 1};
};

// Places every naked single at once, one hint each, keeping the board in
// step. On a position that agrees with its solution a naked single is the
// cell's solution digit, and possible digits only shrink, so it stays one
// until it is placed: hint after hint, the ladder would fill the same cells.
int PlaceNakedSingles(hint::Board& board, HintPosition& position, Unlooked& unlooked) {
  int placed = 0;
  for (int cell = unlooked.Take(1); cell != 0; cell = unlooked.Take(cell + 1)) {
    const DigitSet possible = board.possible[cell];
    if (position.value[cell] != 0 || !IsSingle(possible)) continue;
    position.value[cell] = possible;
    position.marks[cell] = 0;
    board.AfterPlacing(cell);
    unlooked.AddPeers(cell);
    ++placed;
  }
  return placed;
}

// ApplyHint, with the board kept in step.
void Apply(hint::Board& board, HintPosition& position, Unlooked& unlooked, const Hint& hint) {
  ApplyHint(position, hint);
  if (hint.digit != 0) {
    board.AfterPlacing(hint.cell);
    unlooked.AddPeers(hint.cell);
  }
  for (const Removal& r : hint.removals) {
    board.AfterMarking(r.cell);
    unlooked.Add(r.cell);
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
  Unlooked unlooked;
  board.explain = false;
  board.quietAreas = &quiet;
  for (;;) {
    if (const int naked = PlaceNakedSingles(board, position, unlooked); naked > 0) {
      Took(rating, StepKind::NakedSingle, naked);
      continue;
    }
    if (Complete(position)) break;
    const Hint hint = hint::FindStep(board, StepKind::HiddenSingle);
    if (hint.kind == StepKind::None) return rating;
    const CellList<DigitSet> valueBefore = position.value;
    const CellList<DigitSet> marksBefore = position.marks;
    Apply(board, position, unlooked, hint);
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
