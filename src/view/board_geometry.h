#pragma once
// Geometry of the board surface in twips (1/1440 inch): a 6435-unit square
// with the 9 x 9 grid of 600-unit cells at (500, 500) and the 36 clue boxes
// around it. A value type, passed to every drawing routine.
namespace kalvero {

struct TwipRect {
  int x = 0, y = 0, w = 0, h = 0;
  int right() const { return x + w; }
  int bottom() const { return y + h; }
  bool operator==(const TwipRect&) const = default;
};

struct TwipPoint {
  int x = 0, y = 0;
};

struct ClueBox {
  TwipRect rect;     // the outlined box
  int centreWidth;   // the text is centred on the first centreWidth units ...
  int centreHeight;  // ... and centreHeight units of the box (all of it but
                     // the side boxes' 30-unit gap by the grid)
};

struct BoardGeometry {
  int SurfaceSize = 6435;
  int CellSize = 600;
  int GridLeft = 500;
  int GridTop = 500;
  int HalfCell = 300;
  int ThirdCell = 200;
  int SixthCell = 100;

  int CellX(int /*r*/, int c) const { return GridLeft + (c - 1) * CellSize; }
  int CellY(int r, int /*c*/) const { return GridTop + (r - 1) * CellSize; }
  TwipRect Cell(int r, int c) const { return {CellX(r, c), CellY(r, c), CellSize, CellSize}; }

  // Clue t (1..36): top boxes 1..9, right 10..18, bottom 19..27, left 28..36.
  ClueBox Clue(int t) const {
    if (t <= 9) return {{CellX(1, t), GridTop - HalfCell - 50, CellSize, 300}, CellSize, 300};
    if (t <= 18) return {{GridLeft + 9 * CellSize + 42, CellY(t - 9, 1), HalfCell + 30, CellSize}, HalfCell, CellSize};
    if (t <= 27) return {{CellX(1, t - 18), GridTop + 9 * CellSize + 32, CellSize, 300}, CellSize, 300};
    return {{GridLeft - HalfCell - 60, CellY(t - 27, 1), HalfCell, CellSize}, HalfCell, CellSize};
  }
};

}  // namespace kalvero
