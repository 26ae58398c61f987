// The ladder driver and the positions it works on.
#include "hint/hint.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>

#include "hint/hint_board.h"
#include "model/board.h"

namespace kalvero {

namespace {

using Step = std::function<std::optional<Hint>(const hint::Board&)>;

// The ladder, easiest first; its order follows StepKind.
const std::array<Step, kStepKindCount - 1>& Ladder() {
  using namespace hint;
  static const std::array<Step, kStepKindCount - 1> ladder = {
      FindWrongValue,
      FindNakedSingle,
      FindHiddenSingle,
      FindSumArea,
      [](const Board& b) { return FindNakedSubset(b, 2); },
      FindLineBox,
      FindLockedCandidates,
      [](const Board& b) { return FindHiddenSubset(b, 2); },
      [](const Board& b) { return FindNakedSubset(b, 3); },
      [](const Board& b) { return FindHiddenSubset(b, 3); },
      [](const Board& b) { return FindNakedSubset(b, 4); },
      [](const Board& b) { return FindHiddenSubset(b, 4); },
      [](const Board& b) { return FindLinePattern(b, 2); },
      [](const Board& b) { return FindLinePattern(b, 3); },
  };
  return ladder;
}

// An open cell without any possible digit: the position contradicts itself
// and no step can be trusted. Four cells are read to a word, where such a
// cell is a zero lane of value | possible: taking one from every lane sets
// the top bit of the lowest zero lane, and of no lane when none is zero.
bool Contradicts(const hint::Board& board) {
  constexpr std::uint64_t kOnes = 0x0001000100010001;
  constexpr std::uint64_t kTops = 0x8000800080008000;
  static_assert(kCellCount % 4 == 1);
  for (int cell = 1; cell < kCellCount; cell += 4) {
    const std::uint64_t sets = LaneWord(&board.position.value[cell]) | LaneWord(&board.possible[cell]);
    if ((sets - kOnes) & kTops) return true;
  }
  return board.Open(kCellCount) && board.possible[kCellCount] == 0;
}

}  // namespace

bool SolutionAgrees(const HintPosition& position) {
  // A digit of 0 is not known and so cannot disagree; positions built by
  // hand (and tests of single steps) know only part of the solution.
  const CellList<int>& solution = position.solution;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const int digit = solution[cell];
    if (digit < 0 || digit > 9) return false;
    if (digit != 0 && position.given[cell] && position.value[cell] != DigitBit(digit)) return false;
  }
  for (const hint::Unit& unit : hint::Units()) {
    DigitSet seen = 0;
    for (int cell : unit.cells) {
      const int digit = solution[cell];
      if (digit == 0) continue;
      if (HasDigit(seen, digit)) return false;
      seen |= DigitBit(digit);
    }
  }
  for (int area = 1; area <= kClueCount; ++area) {
    int sum = 0;
    bool known = true;
    for (int k = 1; k <= 3; ++k) {
      const int digit = solution[kTables.AreaCells[area][k]];
      known = known && digit != 0;
      sum += digit;
    }
    if (known && sum != position.clueSum[area]) return false;
  }
  return true;
}

HintPosition GivensOf(const PuzzleState& puzzle) {
  HintPosition position;
  position.clueSum = puzzle.ClueSum;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const int r = kTables.RowOf[cell];
    const int c = kTables.ColOf[cell];
    position.solution[cell] = puzzle.Solution[r][c];
    position.given[cell] = puzzle.FixedFlag[r][c] == 1;
    if (position.given[cell]) position.value[cell] = DigitsOf(puzzle.FixedValue[r][c]);
  }
  return position;
}

HintPosition PositionOf(const PuzzleState& puzzle) {
  HintPosition position = GivensOf(puzzle);
  for (int cell = 1; cell <= kCellCount; ++cell) {
    if (position.given[cell]) continue;
    const DigitSet entry = DigitsOf(puzzle.UserEntry[kTables.RowOf[cell]][kTables.ColOf[cell]]);
    (IsSingle(entry) ? position.value[cell] : position.marks[cell]) = entry;
  }
  return position;
}

Hint FindHint(const HintPosition& position, const Words& words) {
  // On a solution that disagrees with the clues a wrong-value hint and a
  // logic step would undo each other for ever.
  if (!SolutionAgrees(position)) return {};
  return hint::FindStep(hint::MakeBoard(position, words));
}

namespace hint {

Hint FindStep(const Board& board, StepKind from) {
  const auto& ladder = Ladder();
  if (from == StepKind::WrongValue)
    if (auto wrong = ladder[0](board)) return std::move(*wrong);
  if (Contradicts(board)) return {};
  for (auto i = static_cast<std::size_t>(std::max(from, StepKind::NakedSingle)); i < ladder.size(); ++i)
    if (auto found = ladder[i](board)) return std::move(*found);
  return {};
}

}  // namespace hint

void ApplyHint(HintPosition& position, const Hint& hint) {
  if (hint.kind == StepKind::WrongValue) {
    position.value[hint.cell] = 0;
    return;
  }
  if (hint.digit != 0) {
    position.value[hint.cell] = DigitBit(hint.digit);
    position.marks[hint.cell] = 0;
  }
  for (const Removal& r : hint.removals) position.marks[r.cell] = r.left;
}

}  // namespace kalvero
