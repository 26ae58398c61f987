#include "view/play_drawing.h"

namespace kalvero {

namespace {

bool IsGiven(const PuzzleState& state, int r, int c) { return !state.FixedValue[r][c].empty(); }

const std::string& ValueOf(const PuzzleState& state, int r, int c) {
  return IsGiven(state, r, c) ? state.FixedValue[r][c] : state.UserEntry[r][c];
}

void DrawText(Surface& surface, const BoardGeometry& g, const PuzzleState& state, const BoardColours& colours, int r,
              int c, const std::string& text, Colour colour) {
  DrawCellEntry(surface, g, r, c, text, colour, 0, 0, IsGiven(state, r, c), colours);
}

}  // namespace

void DrawAllEntries(Surface& surface, const BoardGeometry& g, const PuzzleState& state, const BoardColours& colours) {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const std::string& value = ValueOf(state, r, c);
      if (value.empty())
        DrawText(surface, g, state, colours, r, c, state.CandidateGrid[r][c], colours.pencil);
      else
        DrawText(surface, g, state, colours, r, c, value, colours.numbers);
    }
  DrawGrid(surface, g, colours.grid);
}

void DrawAreaMarks(Surface& surface, const BoardGeometry& g, const PuzzleState& state, const BoardColours& colours,
                   int area) {
  for (int k = 1; k <= 3; ++k) {
    const int cell = kTables.AreaCells[area][k];
    const int r = kTables.RowOf[cell], c = kTables.ColOf[cell];
    DrawText(surface, g, state, colours, r, c, state.CandidateGrid[r][c], colours.pencil);
  }
}

void DrawSolution(Surface& surface, const BoardGeometry& g, const PuzzleState& state, const BoardColours& colours) {
  surface.Clear(colours.background);
  const double size = surface.FontSize();
  surface.SetFontSize(size * 0.7);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      DrawCellEntry(surface, g, r, c, std::to_string(state.Solution[r][c]), colours.numbers, 180, 75,
                    IsGiven(state, r, c), colours);
  surface.SetLineWidth(2);
  for (int r = 1; r <= 7; r += 3)
    for (int c = 1; c <= 7; c += 3)
      surface.Box({g.CellX(r, c), g.CellY(r, c), 3 * g.CellSize, 3 * g.CellSize}, colours.grid, false);
  surface.SetFontSize(size);
  surface.SetLineWidth(1);
  DrawClueSums(surface, g, state.ClueSum, colours.grid);
}

void DrawPlayerBoard(Surface& surface, const BoardGeometry& g, const PuzzleState& state, const BoardColours& colours) {
  surface.Clear(colours.background);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) DrawText(surface, g, state, colours, r, c, ValueOf(state, r, c), colours.numbers);
  DrawGrid(surface, g, colours.grid);
  DrawClueSums(surface, g, state.ClueSum, colours.grid);
}

void DrawPlayResult(Surface& surface, const BoardGeometry& g, PuzzleState& state, const BoardColours& colours,
                    const PlayResult& result) {
  switch (result.drawing) {
    case BoardDrawing::None: break;
    case BoardDrawing::Cell: {
      const int r = kTables.RowOf[result.cell], c = kTables.ColOf[result.cell];
      DrawText(surface, g, state, colours, r, c, state.UserEntry[r][c], colours.numbers);
      break;
    }
    case BoardDrawing::Full: RedrawBoard(surface, g, state, colours); break;
    case BoardDrawing::AllEntries: DrawAllEntries(surface, g, state, colours); break;
    case BoardDrawing::AreaMarks: DrawAreaMarks(surface, g, state, colours, result.area); break;
    case BoardDrawing::Solution: DrawSolution(surface, g, state, colours); break;
    case BoardDrawing::PlayerBoard: DrawPlayerBoard(surface, g, state, colours); break;
  }
}

}  // namespace kalvero
