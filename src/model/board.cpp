#include "model/board.h"

namespace kalvero {

std::string BoxCellList(int box) {
  std::string text;
  text.reserve(18);
  for (int k = 1; k <= 9; ++k) {
    const int cell = kTables.BoxCells[box][k];
    text.push_back(static_cast<char>('0' + cell / 10));
    text.push_back(static_cast<char>('0' + cell % 10));
  }
  return text;
}

}  // namespace kalvero
