#pragma once
// Comparing the board with the stored solution.
#include "model/puzzle_state.h"

namespace kalvero {

enum class CheckResult { Incomplete, Wrong, Solved };

// A cell's value is its given digit or the player's entry. Any empty cell
// makes the board Incomplete, even when another cell is wrong; otherwise a
// value whose number differs from the solution digit (several pencil-mark
// digits never match) makes it Wrong.
CheckResult CheckBoard(const PuzzleState& state);

// The status text of a result: "Complete the puzzle first",
// "Solution not correct" or "All done!".
const char* CheckText(CheckResult result);

}  // namespace kalvero
