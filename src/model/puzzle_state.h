#pragma once
// PuzzleState: the one record of the current puzzle. Whoever runs an engine
// owns one and passes it by reference; nothing here is global.
//
// Grids are indexed [row][column] 1..9 and per-cell lists [cell] 1..81;
// index 0 stays unused. An empty text means "nothing".
#include <array>
#include <cstdint>
#include <string>

#include "model/board.h"
#include "model/digit_set.h"
#include "model/words.h"

namespace kalvero {

template <typename T>
using Grid = std::array<std::array<T, 10>, 10>;
template <typename T>
using CellList = std::array<T, 82>;

struct PuzzleState {
  Grid<int> Solution{};                 // solution digit 1..9, 0 where the line held none
  std::string SolutionText;             // the same digits as one row-major text
  std::string PuzzleLine;               // the line exactly as read from the file
  Grid<int> FixedFlag{};                // 1 for a given cell
  Grid<std::string> FixedValue{};       // a given cell's digit as text, else ""
  CellList<bool> FixedMark{};           // true where the cell is given (the "X" mark)
  int FixedCount = 7;                   // number of given cells = the level number
  Grid<std::string> UserEntry{};        // "" / one digit (value) / several digits (pencil marks)
  Grid<std::string> SavedEntry{};       // copy of UserEntry kept while the solution is shown
  std::array<int, 37> ClueSum{};        // clue sums 1..36
  CellList<DigitSet> CellCandidates{};  // candidate digits; a given cell holds its own digit
  Grid<std::string> CandidateGrid{};    // computed pencil marks as shown, "" when none
  std::string PuzzleFileName;           // path of the current puzzle file
  std::int32_t PuzzleNumber = 1;        // 1-based line number in that file
  std::int32_t PuzzleCount = 0;         // number of lines (= puzzles) in that file
  int SelRow = -1;                      // selected cell, -1 when none
  int SelCol = -1;
  int PencilCell = -1;                  // cell changed last, -1 when none
};

// Stores a candidate text with surrounding blanks removed (digits only count).
void SetCellCandidates(PuzzleState& state, int cell, std::string_view text);
inline void ClearCellCandidates(PuzzleState& state, int cell) { state.CellCandidates[cell] = 0; }

// Derives the given-cell fields from FixedFlag and Solution and clears every
// per-cell work field (entries, candidates, computed pencil marks).
void PreparePuzzleState(PuzzleState& state);

// Fills ClueSum from Solution in clue order 1..36.
void ComputeClueSums(PuzzleState& state);

// Sum of the three Solution digits of sum area t (1..36).
int AreaSum(const PuzzleState& state, int t);

// The level names, easiest first. The level list, the level label, the
// Create menu and the create-options window all take them from here.
inline constexpr std::array<const char*, 3> kLevelNames = {
    QT_TRANSLATE_NOOP("Kalvero", "Very Easy"), QT_TRANSLATE_NOOP("Kalvero", "Easy"), QT_TRANSLATE_NOOP("Kalvero", "Hard")};

// Level text for a count of given cells: <= 4 "Hard", 5..6 "Easy", else "Very Easy".
const char* LevelName(int fixedCount);

}  // namespace kalvero
