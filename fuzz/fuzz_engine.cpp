// Fuzz target for the engine. The input is read as a puzzle line (with
// optional player entries after it) for reading, verification and computed
// pencil marks, and as a board of givens for a solve with a small placement
// limit. A solve that reports success must leave a complete board without a
// repeated digit that keeps every given.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/puzzle_file.h"
#include "solver/solver.h"
#include "solver/verify.h"

namespace {

using namespace kalvero;

// Byte i of the input, 0 past its end.
std::uint8_t At(const std::uint8_t* data, std::size_t size, std::size_t i) { return i < size ? data[i] : 0; }

void ReadVerifyPencil(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size < 100 ? size : 100);
  PuzzleState puzzle;
  if (!LoadPuzzleLine(puzzle, line).ok()) return;
  SilentHost host;
  SolverState solver;
  const PuzzleState read = puzzle;
  VerifyPuzzle(puzzle, solver, host);

  puzzle = read;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const std::uint8_t b = At(data, size, 100 + cell);
    const int r = kTables.RowOf[cell], c = kTables.ColOf[cell];
    if (b % 3 == 0 && puzzle.FixedFlag[r][c] != 1) puzzle.UserEntry[r][c] = std::string(1, static_cast<char>('1' + b % 9));
  }
  if (At(data, size, 100) & 1) puzzle.CellCandidates.fill(0);
  ComputePencilMarks(puzzle);
}

void Solve(const std::uint8_t* data, std::size_t size) {
  PuzzleState puzzle;
  SolverState solver;
  SilentHost host;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const std::uint8_t b = At(data, size, cell - 1);
    const int digit = b % 16 < 10 ? b % 10 : 0;  // about a third of the cells empty
    solver.CellValue[cell] = digit ? DigitBit(digit) : 0;
    puzzle.FixedMark[cell] = digit != 0;
  }
  const std::uint8_t flags = At(data, size, 81);
  solver.Generating = (flags & 1) != 0;
  solver.RuleOrder.clear();
  for (std::size_t i = 82; i < 90 && i < size; ++i) solver.RuleOrder += static_cast<char>(data[i]);
  solver.PlacementLimit = 20 + (flags >> 4);
  const CellList<DigitSet> givens = solver.CellValue;
  const SolveResult r = SolvePuzzle(puzzle, solver, host);
  if (!r.solved) return;
  if (!CheckNoDuplicates(solver)) std::abort();
  for (int cell = 1; cell <= kCellCount; ++cell)
    if (!IsSingle(solver.CellValue[cell]) || (givens[cell] && solver.CellValue[cell] != givens[cell])) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ReadVerifyPencil(data, size);
  Solve(data, size);
  return 0;
}
