#include "view/board_painter.h"

#include <cmath>
#include <string>

#include "model/text.h"

namespace kalvero {

namespace {

int RoundWhole(double v) { return static_cast<int>(RoundHalfEven(v)); }

bool IsFixed(const PuzzleState& state, int r, int c) { return !state.FixedValue[r][c].empty(); }

}  // namespace

void DrawGrid(Surface& surface, const BoardGeometry& g, Colour line) {
  surface.SetLineWidth(1);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) surface.Box(g.Cell(r, c), line, false);
  surface.SetLineWidth(2);
  for (int r = 1; r <= 7; r += 3)
    for (int c = 1; c <= 7; c += 3) surface.Box({g.CellX(r, c), g.CellY(r, c), 3 * g.CellSize, 3 * g.CellSize}, line, false);
  surface.SetLineWidth(1);
}

TwipPoint ClueTextPosition(const Surface& surface, const ClueBox& box, std::string_view text) {
  const double w = surface.TextWidth(text);
  const double h = surface.TextHeight(text);
  return {static_cast<int>(box.rect.x + RoundWhole((box.centreWidth - w) / 2)),
          static_cast<int>(box.rect.y + RoundWhole((box.centreHeight - h) / 2))};
}

void DrawClueSums(Surface& surface, const BoardGeometry& g, const std::array<int, 37>& clueSum, Colour line) {
  const int size = RoundWhole(surface.FontSize());
  surface.SetFontSize(size * 0.7);
  for (int t = 1; t <= 36; ++t) {
    const ClueBox box = g.Clue(t);
    surface.Box(box.rect, line, false);
    const std::string text = std::to_string(clueSum[t]);
    const TwipPoint at = ClueTextPosition(surface, box, text);
    surface.Print(at.x, at.y, text);
  }
  surface.SetFontSize(size);
}

void EraseCell(Surface& surface, const BoardGeometry& g, int r, int c, bool fixed, const BoardColours& colours) {
  surface.SetLineWidth(1);
  const int left = g.CellX(r, c);
  const int top = g.CellY(r, c);
  const TwipRect inside{left + 40, top + 40, g.CellSize - 50 - 40, g.CellSize - 50 - 40};
  surface.Box(inside, fixed ? colours.control : colours.background, true);
  surface.Box(g.Cell(r, c), colours.grid, false);
}

void DrawCellEntry(Surface& surface, const BoardGeometry& g, int r, int c, std::string_view text, Colour colour,
                   int dx, int dy, bool fixed, const BoardColours& colours) {
  EraseCell(surface, g, r, c, fixed, colours);
  if (text.empty()) return;
  const int x0 = g.CellX(r, c) - dx;
  const int y0 = g.CellY(r, c) - dy;
  surface.SetTextColour(colour);
  const double w = surface.TextWidth(text);
  const int x = RoundWhole(x0 + (g.CellSize - w) / 2);
  if (text.size() == 1) {
    surface.Print(x, RoundWhole(y0 + g.CellSize / 3.5) - dy, text);
    return;
  }
  const int size = RoundWhole(surface.FontSize());
  surface.SetFontSize(size * 0.6);
  if (text.size() <= 3) {
    surface.Print(x, y0 + 10, text);
  } else {
    const int lineHeight = RoundWhole(surface.TextHeight(text));
    for (std::size_t line = 0; line * 3 < text.size(); ++line) {
      // The third line carries every character from the seventh on (the
      // texts are digits, one byte each).
      const std::string_view part = line < 2 ? text.substr(line * 3, 3) : text.substr(6);
      surface.Print(x0 + 40, y0 + 10 + static_cast<int>(line) * lineHeight, part);
      if (line == 2) break;
    }
  }
  surface.SetFontSize(size);
}

void DrawCellContents(Surface& surface, const BoardGeometry& g, const PuzzleState& state,
                      const BoardColours& colours) {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const std::string& fixed = state.FixedValue[r][c];
      const std::string& entry = fixed.empty() ? state.UserEntry[r][c] : fixed;
      if (!entry.empty())
        DrawCellEntry(surface, g, r, c, entry, colours.numbers, 0, 0, IsFixed(state, r, c), colours);
    }
}

void RedrawBoard(Surface& surface, const BoardGeometry& g, PuzzleState& state, const BoardColours& colours) {
  surface.Clear(colours.background);
  DrawGrid(surface, g, colours.grid);
  DrawCellContents(surface, g, state, colours);
  DrawClueSums(surface, g, state.ClueSum, colours.grid);
  state.PencilCell = -1;
}

}  // namespace kalvero
