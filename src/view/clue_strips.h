#pragma once
// The four strips over the clue boxes, each spanning its side's nine boxes:
// the pointer over a strip frames a sum area, the right button on one shows
// its cells' marks. Shared by every front end.
#include <optional>

#include "play/selection.h"
#include "view/board_geometry.h"

namespace kalvero {

inline TwipRect StripRect(const BoardGeometry& g, ClueStrip strip) {
  const int first = 1 + 9 * static_cast<int>(strip);
  const TwipRect a = g.Clue(first).rect;
  const TwipRect b = g.Clue(first + 8).rect;
  return {a.x, a.y, b.right() - a.x, b.bottom() - a.y};
}

struct StripHit {
  ClueStrip strip;
  double x, y;  // relative to the strip's corner
  TwipRect rect;
};

// The strip under a point in twips, if any.
inline std::optional<StripHit> StripAt(const BoardGeometry& g, double x, double y) {
  for (ClueStrip strip : {ClueStrip::Top, ClueStrip::Right, ClueStrip::Bottom, ClueStrip::Left}) {
    const TwipRect r = StripRect(g, strip);
    if (x >= r.x && x < r.right() && y >= r.y && y < r.bottom()) return StripHit{strip, x - r.x, y - r.y, r};
  }
  return std::nullopt;
}

}  // namespace kalvero
