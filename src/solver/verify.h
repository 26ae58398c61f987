#pragma once
// Verification by logic: can the givens and the 36 clue sums alone, through
// the candidate rules, reach the stored solution? And the computed pencil
// marks, which use the same sum-area filter.
#include "model/host.h"
#include "model/puzzle_state.h"
#include "solver/solver_state.h"

namespace kalvero {

enum class VerifyResult : int {
  Verified = 0,      // the logic reaches the stored solution
  CannotVerify = 1,  // it stalls, or reaches something else
};

inline constexpr int kVerifyPassLimit = 10;

// Three digit sets of a sum area after FilterTriple: each keeps the digits
// that take part in some choice x, y, z (one from each, pairwise different)
// with x + y + z = sum.
struct Triple {
  DigitSet a = 0;
  DigitSet b = 0;
  DigitSet c = 0;
};
Triple FilterTriple(DigitSet a, DigitSet b, DigitSet c, int sum);

// Narrows the grid with the 36 sum areas in clue order, after first taking
// over any non-empty candidate set shorter than the grid's entry.
void FilterSumAreas(CellList<DigitSet>& grid, const PuzzleState& puzzle);

// Starts from the givens only (every FixedMark, UserEntry and candidate set
// cleared), runs up to 10 passes of the sum filter and rules 1 to 9, and
// compares the result with Solution. Leaves CandidateGrid, CellCandidates
// and CellValue as the last pass left them.
VerifyResult VerifyPuzzle(PuzzleState& puzzle, SolverState& solver, Host& host);

// The digits settled around cell (r, c): every one-digit candidate set or
// one-character entry in its row, its column and its box (the cell included).
DigitSet SeenDigits(const PuzzleState& puzzle, int r, int c);

// Fills CandidateGrid for all 81 cells from the givens, the player's entries,
// the settled digits and one pass of the sum areas. A cell keeps the player's
// entry; a lone computed mark is stored with a leading blank.
void ComputePencilMarks(PuzzleState& puzzle);

}  // namespace kalvero
