#pragma once
// The explained hint: the next step a person could take on a position, with
// the cells it uses and a plain sentence saying why.
//
// Unlike the solver's candidate rules, which keep their historical quirks,
// every step here is a sound deduction: a placed digit is the cell's only
// possible digit and a removed mark cannot be the cell's digit, given the
// rules of the puzzle, the placed digits, the clue sums and the player's
// marks. Steps are tried in a fixed ladder from easy to hard and the first
// that finds something is the hint.
#include <array>
#include <string>
#include <vector>

#include "model/digit_set.h"
#include "model/puzzle_state.h"
#include "model/words.h"

namespace kalvero {

// The ladder, easiest first. The order of the enumerators is the order in
// which steps are tried and by which a puzzle's hardest step is ranked.
enum class StepKind : int {
  WrongValue,        // a placed digit differs from the stored solution
  NakedSingle,       // a cell with one possible digit
  HiddenSingle,      // a digit with one place in a row, column or box
  SumArea,           // a clue allows only some digits in its three cells
  NakedPair,         // two cells of a unit holding the same two digits
  LineBox,           // a digit of a row or column confined to one box
  LockedCandidates,  // a digit of a box confined to one row or column
  HiddenPair,        // two digits of a unit confined to the same two cells
  NakedTriple,
  HiddenTriple,
  NakedQuad,
  HiddenQuad,
  TwoLine,           // a digit in two rows confined to two columns, or the reverse
  ThreeLine,         // the same with three lines
  None,              // nothing found: the ladder is stuck
};

inline constexpr int kStepKindCount = static_cast<int>(StepKind::None) + 1;

// The one-word name of every step kind, as `kalvero-tool rate` prints it.
inline constexpr std::array<const char*, kStepKindCount> kStepNames = {
    "wrong-value", "naked-single", "hidden-single", "sum-area",     "naked-pair",
    "line-box",    "locked-candidates", "hidden-pair", "naked-triple", "hidden-triple",
    "naked-quad",  "hidden-quad",  "two-line",      "three-line",   "none",
};

constexpr const char* StepName(StepKind kind) { return kStepNames[static_cast<int>(kind)]; }

// What the hint finder looks at. Cells 1..81, index 0 unused.
struct HintPosition {
  CellList<DigitSet> value{};   // the placed digit (given or player's) as a one-digit set, 0 when open
  CellList<bool> given{};       // true for a given cell
  CellList<DigitSet> marks{};   // the player's pencil marks of an open cell, 0 for none
  std::array<int, 37> clueSum{};
  CellList<int> solution{};     // the stored solution digit, 0 when not known
};

// A position from the puzzle state: givens, the player's entries (one digit is
// a value, several are pencil marks), the clue sums and the stored solution.
HintPosition PositionOf(const PuzzleState& puzzle);

// A position holding only the givens, the sums and the solution.
HintPosition GivensOf(const PuzzleState& puzzle);

struct Removal {
  int cell = 0;
  DigitSet removed = 0;  // the digits the step rules out
  DigitSet left = 0;     // the cell's possible digits afterwards
};

struct Hint {
  StepKind kind = StepKind::None;
  int cell = 0;                   // a placement's (or a wrong value's) cell
  int digit = 0;                  // the digit placed (or the wrong digit)
  std::vector<Removal> removals;  // the marks ruled out, cell order
  std::vector<int> cells;         // the cells the reasoning rests on
  std::vector<int> area;          // the unit, lines or sum area it uses
  std::string text;               // the explanation
};

// True when the givens, the clue sums and the known digits of the stored
// solution agree: no digit twice in a row, column or box, every given is its
// solution digit and every clue whose three cells are known is their sum.
// Digits of 0 are not known and agree with anything, so a complete solution
// agrees exactly when it is a valid grid that fits the givens and every
// clue. Hints judge values by the stored solution, so on a position where
// these disagree no hint can be trusted.
bool SolutionAgrees(const HintPosition& position);

// The simplest step available, or a hint of kind None when the ladder finds
// nothing, the position contradicts itself or the known part of its
// solution disagrees with its clues (SolutionAgrees).
Hint FindHint(const HintPosition& position, const Words& words = EnglishWords());

// Carries a hint out as a player would: a placement writes the digit, removals
// write the narrowed marks, a wrong value is cleared.
void ApplyHint(HintPosition& position, const Hint& hint);

}  // namespace kalvero
