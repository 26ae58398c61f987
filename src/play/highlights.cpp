#include "play/highlights.h"

#include <algorithm>

#include "model/board.h"

namespace kalvero {

namespace {

// The digit a cell shows, given or entered; 0 for none or for pencil marks.
int ShownDigit(const PuzzleState& state, int cell) {
  const int r = kTables.RowOf[cell], c = kTables.ColOf[cell];
  const std::string& text = state.FixedValue[r][c].empty() ? state.UserEntry[r][c] : state.FixedValue[r][c];
  return text.size() == 1 && text[0] >= '1' && text[0] <= '9' ? text[0] - '0' : 0;
}

bool SameUnit(int a, int b) {
  return kTables.RowOf[a] == kTables.RowOf[b] || kTables.ColOf[a] == kTables.ColOf[b] ||
         kTables.BoxOf[a] == kTables.BoxOf[b];
}

void AddMistakes(const PuzzleState& state, const CellList<int>& digit, std::vector<bool>& wrong) {
  for (int a = 1; a <= kCellCount; ++a)
    for (int b = a + 1; b <= kCellCount; ++b)
      if (digit[a] != 0 && digit[a] == digit[b] && SameUnit(a, b)) wrong[a] = wrong[b] = true;
  for (int area = 1; area <= kClueCount; ++area) {
    int sum = 0;
    int filled = 0;
    for (int k = 1; k <= 3; ++k) {
      sum += digit[kTables.AreaCells[area][k]];
      filled += digit[kTables.AreaCells[area][k]] != 0 ? 1 : 0;
    }
    const int clue = state.ClueSum[area];
    if (clue <= 0 || filled == 0 || !(sum > clue || (filled == 3 && sum != clue))) continue;
    for (int k = 1; k <= 3; ++k)
      if (digit[kTables.AreaCells[area][k]] != 0) wrong[kTables.AreaCells[area][k]] = true;
  }
}

}  // namespace

Highlights FindHighlights(const PuzzleState& state, const PlayerAids& options) {
  Highlights h;
  CellList<int> digit{};
  for (int cell = 1; cell <= kCellCount; ++cell) digit[cell] = ShownDigit(state, cell);
  if (state.SelRow >= 1 && state.SelRow <= 9 && state.SelCol >= 1 && state.SelCol <= 9) {
    const int selected = CellNum(state.SelRow, state.SelCol);
    for (int cell = 1; cell <= kCellCount; ++cell) {
      if (options.sameDigit && digit[selected] != 0 && digit[cell] == digit[selected]) h.sameDigit.push_back(cell);
      if (options.sameDigitLines && cell != selected && SameUnit(cell, selected)) h.lines.push_back(cell);
    }
  }
  if (options.mistakes) {
    std::vector<bool> wrong(kCellCount + 1, false);
    AddMistakes(state, digit, wrong);
    // Givens are right by definition: only the player's digits are marked.
    for (int cell = 1; cell <= kCellCount; ++cell)
      if (wrong[cell] && state.FixedValue[kTables.RowOf[cell]][kTables.ColOf[cell]].empty()) h.mistakes.push_back(cell);
  }
  return h;
}

}  // namespace kalvero
