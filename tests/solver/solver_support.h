#pragma once
// Helpers for solver and verification tests: setting up a solve from a board
// text, reading the board back, checking grids, making random grids.
#include <random>
#include <string>

#include "model/host.h"
#include "solver/solver.h"

namespace kalvero::test {

// A board text: "1".."9" given, anything else empty. Sets up the state as the
// generator's seeding leaves it.
inline void SetUpSolve(PuzzleState& puzzle, SolverState& solver, const std::string& board) {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const char ch = board[cell - 1];
    const bool given = ch >= '1' && ch <= '9';
    solver.CellValue[cell] = given ? DigitBit(ch - '0') : 0;
    puzzle.FixedMark[cell] = given;
    puzzle.CellCandidates[cell] = 0;
  }
  solver.Generating = true;
}

inline std::string BoardOf(const SolverState& solver) {
  std::string text;
  for (int cell = 1; cell <= kCellCount; ++cell)
    text += solver.CellValue[cell] ? static_cast<char>('0' + DigitNumber(solver.CellValue[cell])) : '0';
  return text;
}

// True when every row, column and box of the 81-digit text holds 1..9.
inline bool IsValidGrid(const std::string& g) {
  if (g.size() != 81) return false;
  for (int n = 0; n < 9; ++n) {
    DigitSet row = 0, col = 0, box = 0;
    for (int k = 0; k < 9; ++k) {
      const auto digit = [&](int r, int c) { return g[r * 9 + c] >= '1' && g[r * 9 + c] <= '9' ? DigitBit(g[r * 9 + c] - '0') : DigitSet(0); };
      row |= digit(n, k);
      col |= digit(k, n);
      box |= digit(3 * (n / 3) + k / 3, 3 * (n % 3) + k % 3);
    }
    if (row != kAllDigits || col != kAllDigits || box != kAllDigits) return false;
  }
  return true;
}

// Nine seeds, one digit per box (digit d in box d), at random places.
inline std::string NineSeeds(std::mt19937& rng) {
  std::string board(81, '0');
  for (int d = 1; d <= 9; ++d) board[kTables.BoxCells[d][1 + rng() % 9] - 1] = static_cast<char>('0' + d);
  return board;
}

}  // namespace kalvero::test
