#include "model/puzzle_state.h"

namespace kalvero {

void SetCellCandidates(PuzzleState& state, int cell, std::string_view text) {
  state.CellCandidates[cell] = DigitsOf(text);
}

void PreparePuzzleState(PuzzleState& state) {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const int cell = CellNum(r, c);
      state.FixedValue[r][c].clear();
      state.UserEntry[r][c].clear();
      state.FixedMark[cell] = false;
      state.CellCandidates[cell] = 0;
    }
  state.FixedCount = 0;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (state.FixedFlag[r][c] == 1) {
        ++state.FixedCount;
        state.FixedMark[CellNum(r, c)] = true;
      }
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const int cell = CellNum(r, c);
      state.CandidateGrid[r][c].clear();
      state.FixedValue[r][c].clear();
      if (state.FixedMark[cell]) {
        state.FixedValue[r][c] = std::to_string(state.Solution[r][c]);
        SetCellCandidates(state, cell, state.FixedValue[r][c]);
      }
    }
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) state.SavedEntry[r][c] = state.UserEntry[r][c];
}

int AreaSum(const PuzzleState& state, int t) {
  int sum = 0;
  for (int k = 1; k <= 3; ++k) {
    const int cell = kTables.AreaCells[t][k];
    sum += state.Solution[kTables.RowOf[cell]][kTables.ColOf[cell]];
  }
  return sum;
}

void ComputeClueSums(PuzzleState& state) {
  for (int t = 1; t <= kClueCount; ++t) state.ClueSum[t] = AreaSum(state, t);
}

const char* LevelName(int fixedCount) {
  if (fixedCount <= 4) return kLevelNames[2];
  if (fixedCount <= 6) return kLevelNames[1];
  return kLevelNames[0];
}

}  // namespace kalvero
