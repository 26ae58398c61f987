#pragma once
// Where the selection goes: the cell under a board point, the cell a key
// move lands on, and the sum area under a point of a clue strip.
#include "model/puzzle_state.h"

namespace kalvero {

struct CellPos {
  int row = -1;  // -1: no cell
  int col = -1;
  bool operator==(const CellPos&) const = default;
  bool InGrid() const { return row >= 1 && row <= 9 && col >= 1 && col <= 9; }
};

enum class Direction { Home, Right, Left, Down, Up };

// The cell under a board point in twips; outside the grid the row or the
// column falls outside 1..9.
CellPos CellAt(double x, double y, int gridLeft, int gridTop, int cellSize);

// The cell a key move from `from` selects. Home, and any move without a
// selection, start at (1, 1) and step right, so Home lands on the first open
// cell of row 1 from column 2 on. Steps wrap inside the row (Right, Left) or
// the column (Down, Up) and pass over given cells. When every cell of that
// line is given the selection stays at `from`.
CellPos MoveTarget(const PuzzleState& state, CellPos from, Direction direction);

// The four transparent strips over the clue boxes: top, right, bottom, left.
enum class ClueStrip { Top, Right, Bottom, Left };

// The sum area (1..36) under point (x, y) of a strip w wide and h high; the
// point is relative to the strip's top-left corner.
int ClueStripArea(ClueStrip strip, double x, double y, double w, double h);

}  // namespace kalvero
