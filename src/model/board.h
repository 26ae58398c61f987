#pragma once
// Board numbering and the fixed index tables every part of the engine walks.
//
// Rows and columns run 1..9 from the top left; cell = (row - 1) * 9 + column,
// so cell 1 is top-left and cell 81 bottom-right; boxes 1..9 row by row, and
// inside a box its cells row-major. Index 0 of every table stays unused so
// the tables read like the 1-based numbering used everywhere else.
//
// The 36 sum areas (clues) are numbered 1..9 top (column t, rows 1..3),
// 10..18 right (row t - 9, columns 7..9), 19..27 bottom (column t - 18,
// rows 7..9) and 28..36 left (row t - 27, columns 1..3).
#include <array>
#include <string>

namespace kalvero {

inline constexpr int kGridSize = 9;
inline constexpr int kCellCount = 81;
inline constexpr int kClueCount = 36;

struct IndexTables {
  std::array<std::array<int, 10>, 10> CellNum{};   // (r, c) -> cell
  std::array<int, 82> RowOf{};                      // cell -> row
  std::array<int, 82> ColOf{};                      // cell -> column
  std::array<int, 82> BoxOf{};                      // cell -> box
  std::array<std::array<int, 10>, 10> RowCells{};  // (r, k) -> k-th cell of row r
  std::array<std::array<int, 10>, 10> BoxCells{};  // (b, k) -> k-th cell of box b
  std::array<std::array<int, 10>, 10> ColCells{};  // (c, k) -> k-th cell of column c
  // (t, k) -> k-th cell (k = 1..3) of sum area t, in the area's own order.
  std::array<std::array<int, 4>, 37> AreaCells{};
};

// Builds the tables from the numbering rules above.
constexpr IndexTables BuildIndexTables() {
  IndexTables t{};
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const int cell = (r - 1) * 9 + c;
      const int box = 3 * ((r - 1) / 3) + (c - 1) / 3 + 1;
      t.CellNum[r][c] = cell;
      t.RowOf[cell] = r;
      t.ColOf[cell] = c;
      t.BoxOf[cell] = box;
      t.RowCells[r][c] = cell;
      t.ColCells[c][r] = cell;
    }
  for (int b = 1; b <= 9; ++b) {
    const int top = 3 * ((b - 1) / 3) + 1;
    const int left = 3 * ((b - 1) % 3) + 1;
    for (int k = 1; k <= 9; ++k)
      t.BoxCells[b][k] = t.CellNum[top + (k - 1) / 3][left + (k - 1) % 3];
  }
  for (int i = 1; i <= 9; ++i)
    for (int k = 1; k <= 3; ++k) {
      t.AreaCells[i][k] = t.CellNum[k][i];            // top: column i, rows 1..3
      t.AreaCells[9 + i][k] = t.CellNum[i][6 + k];    // right: row i, columns 7..9
      t.AreaCells[18 + i][k] = t.CellNum[6 + k][i];   // bottom: column i, rows 7..9
      t.AreaCells[27 + i][k] = t.CellNum[i][k];       // left: row i, columns 1..3
    }
  return t;
}

// The tables never change, so one constant instance serves every engine.
inline constexpr IndexTables kTables = BuildIndexTables();

constexpr int CellNum(int r, int c) { return (r - 1) * 9 + c; }
constexpr int RowFirstCell(int r) { return (r - 1) * 9 + 1; }
constexpr int RowLastCell(int r) { return (r - 1) * 9 + 9; }

// The 18-character text of a box's cell numbers, two digits each, in the
// order of BoxCells (box 1 is "010203101112192021").
std::string BoxCellList(int box);

}  // namespace kalvero
