#include "play/selection.h"

#include <algorithm>
#include <cmath>

namespace kalvero {

namespace {

bool IsGiven(const PuzzleState& state, CellPos p) { return !state.FixedValue[p.row][p.col].empty(); }

// One step with wrap-around inside the line.
CellPos Step(CellPos p, Direction direction) {
  const auto wrap = [](int v) { return (v + 8) % 9 + 1; };
  switch (direction) {
    case Direction::Home:
    case Direction::Right: p.col = wrap(p.col + 1); break;
    case Direction::Left: p.col = wrap(p.col - 1); break;
    case Direction::Down: p.row = wrap(p.row + 1); break;
    case Direction::Up: p.row = wrap(p.row - 1); break;
  }
  return p;
}

}  // namespace

CellPos CellAt(double x, double y, int gridLeft, int gridTop, int cellSize) {
  return {static_cast<int>(std::floor((y - gridTop) / cellSize)) + 1,
          static_cast<int>(std::floor((x - gridLeft) / cellSize)) + 1};
}

CellPos MoveTarget(const PuzzleState& state, CellPos from, Direction direction) {
  CellPos p = from;
  if (direction == Direction::Home || !from.InGrid()) {
    p = {1, 1};
    direction = Direction::Right;
  }
  // Nine steps visit every cell of the line once, the start cell last.
  for (int steps = 0; steps < 9; ++steps) {
    p = Step(p, direction);
    if (!IsGiven(state, p)) return p;
  }
  return from;
}

int ClueStripArea(ClueStrip strip, double x, double y, double w, double h) {
  // A point on the far edge still belongs to the last area.
  const int a = std::clamp(static_cast<int>(std::floor(9 * x / w)) + 1, 1, 9);
  const int b = std::clamp(static_cast<int>(std::floor(9 * y / h)) + 1, 1, 9);
  switch (strip) {
    case ClueStrip::Top: return a;
    case ClueStrip::Right: return 9 + b;
    case ClueStrip::Bottom: return 18 + a;
    case ClueStrip::Left: return 27 + b;
  }
  return a;
}

}  // namespace kalvero
