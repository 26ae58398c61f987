#pragma once
// What a recorded drawing left inside one cell of the board.
#include <QString>

#include "view/board_geometry.h"
#include "view/recording_surface.h"

namespace kalvero::test {

// The texts drawn inside cell (r, c), joined in drawing order; `colour` gets the colour of the last one.
inline QString DrawnIn(const RecordingSurface& surface, const BoardGeometry& g, int r, int c,
                       Colour* colour = nullptr) {
  QString joined;
  const TwipRect cell = g.Cell(r, c);
  for (const auto& t : surface.Texts())
    if (t.x >= cell.x && t.x < cell.right() && t.y >= cell.y && t.y < cell.bottom()) {
      joined += t.text;
      if (colour) *colour = t.colour;
    }
  return joined;
}

}  // namespace kalvero::test
