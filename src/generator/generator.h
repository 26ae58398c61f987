#pragma once
// Making a complete solution grid, and marking a puzzle's fixed cells.
//
// MakeSolution seeds digit d at a random place of box d for d = 1..9 and
// lets the solver complete the grid. It then blanks one cell (from the box
// with the most filled cells, first and last cell of that box less and more
// likely than the others) and accepts the grid once a solve of the blanked
// board is unique, with up to 100 blanking attempts per try and 5 tries
// before it gives up. A final solve fills the blanked cell again and the
// board becomes Solution and SolutionText.
//
// The working state is the solver's board (CellValue), the puzzle's fixed
// marks and candidate sets, and the generator's own WorkSnapshot and
// BlankTarget. Everything is passed in; nothing is global.
#include "generator/random_source.h"
#include "model/host.h"
#include "model/puzzle_state.h"
#include "model/solver_state.h"

namespace kalvero {

// A copy of the working board: value, candidate set and fixed mark per cell.
struct WorkSnapshot {
  CellList<DigitSet> value{};
  CellList<DigitSet> candidates{};
  CellList<bool> fixedMark{};
};

// The generator's own working state. The random source is the caller's,
// seeded once (from the clock in the window, from --seed on the command
// line, scripted in tests).
struct Generator {
  explicit Generator(RandomSource& source) : random(&source) {}
  RandomSource* random;
  WorkSnapshot snapshot;
  int BlankTarget = 1;  // cells the grid check must blank successfully
};

struct GeneratorContext {
  PuzzleState& puzzle;
  SolverState& solver;
  Generator& generator;
  Host& host;
};

enum class MakeResult {
  Made,    // Solution and SolutionText hold a new grid
  GaveUp,  // no grid: the working state is empty and StopRequested is set
};

// A new complete grid in Solution and SolutionText. Gives up after 5 tries
// with the message "Could not create a puzzle with N blanks in N Tries", or
// when StopRequested is set from outside during one of its yields.
MakeResult MakeSolution(GeneratorContext& ctx);

// The body of MakeSolution: the tries, the blanking attempts and the final
// solve.
void BuildSolutionGrid(GeneratorContext& ctx);

// Digit d goes to the p-th cell of box d (box row-major), p = floor(9r) + 1,
// and becomes a fixed cell of the working board.
void SeedGrid(GeneratorContext& ctx);

// The cell to blank: from the box with the most filled cells (the lower box
// on a tie), the p-th filled cell with p = floor(n r + 0.5) + 1 clamped to n,
// so the first cell has half and the last one and a half times the chance of
// each other cell. 0 only when the board holds no filled cell at all.
int PickCellToBlank(GeneratorContext& ctx);

// Empties the working board (values, marks, candidates) and every fixed value
// and user entry.
void ClearWork(GeneratorContext& ctx);

// Copies the working board into WorkSnapshot and back.
void SaveWork(GeneratorContext& ctx);
void RestoreWork(GeneratorContext& ctx);

// Marks the fixed cells of the pattern for `count` (none for counts outside
// 1..9) from the current Solution: FixedMark, FixedValue, FixedFlag and the
// fixed cells' candidate sets; clears every user entry and computed pencil
// mark.
void ApplyFixedPattern(PuzzleState& puzzle, int count);

// The give-up message of MakeSolution.
std::string GiveUpText(int blankTarget, int tries, const Words& words = EnglishWords());

inline constexpr int kBlankAttempts = 100;
inline constexpr int kSolutionTries = 5;

}  // namespace kalvero
