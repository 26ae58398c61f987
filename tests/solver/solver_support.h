#pragma once
// Helpers for solver, rule and verification tests: setting up a solve from a
// board text, reading the board back, checking grids, making random grids,
// and folding results into a digest a test pins.
#include <algorithm>
#include <array>
#include <cstdint>
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

// One engine's puzzle and solver state, with a silent host.
struct SolverRig {
  PuzzleState puzzle;
  SolverState solver;
  SilentHost host;
  RuleContext ctx{puzzle, solver, host};
  SolverRig() = default;
  explicit SolverRig(const std::string& board) { SetUpSolve(puzzle, solver, board); }
  SolveResult Run() { return SolvePuzzle(puzzle, solver, host); }
};

inline std::string BoardOf(const SolverState& solver) {
  std::string text;
  for (int cell = 1; cell <= kCellCount; ++cell)
    text += solver.CellValue[cell] ? static_cast<char>('0' + DigitNumber(solver.CellValue[cell])) : '0';
  return text;
}

// True when every row, column and box of the 81-digit text holds 1..9.
inline bool IsValidGrid(const std::string& g) {
  if (g.size() != 81) return false;
  std::array<DigitSet, 27> units{};  // rows, columns, boxes
  for (int k = 0; k < 81; ++k) {
    if (g[k] < '1' || g[k] > '9') return false;
    const int r = k / 9, c = k % 9;
    for (const int u : {r, 9 + c, 18 + 3 * (r / 3) + c / 3}) units[u] |= DigitBit(g[k] - '0');
  }
  return std::count(units.begin(), units.end(), kAllDigits) == 27;
}

// Nine seeds, one digit per box (digit d in box d), at random places.
inline std::string NineSeeds(std::mt19937& rng) {
  std::string board(81, '0');
  for (int d = 1; d <= 9; ++d) board[kTables.BoxCells[d][1 + rng() % 9] - 1] = static_cast<char>('0' + d);
  return board;
}

// FNV-1a over the bytes of the values added: one number that changes with
// any of them. Tests pin it to keep a large run's results exactly as they are.
struct Digest {
  std::uint64_t value = 14695981039346656037u;
  void Add(std::uint64_t v) {
    for (int i = 0; i < 8; ++i) value = (value ^ ((v >> (8 * i)) & 0xFF)) * 1099511628211u;
  }
  void Add(const std::string& text) {
    for (const char ch : text) Add(static_cast<std::uint64_t>(static_cast<unsigned char>(ch)));
    Add(std::uint64_t{0x100});  // ends the text, so "1" "23" and "12" "3" differ
  }
};

}  // namespace kalvero::test
