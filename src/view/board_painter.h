#pragma once
// The board picture: grid, clue boxes with their sums, and cell contents,
// drawn in twips through a Surface so the screen, the printer and the
// clipboard share one drawing routine.
#include <array>
#include <string_view>

#include "model/colour.h"
#include "model/puzzle_state.h"
#include "view/board_geometry.h"
#include "view/surface.h"

namespace kalvero {

// The colours a board drawing needs, taken from the settings and the scheme.
struct BoardColours {
  Colour grid = kBlack;        // grid lines and clue boxes
  Colour numbers = kBlack;     // cell digits
  Colour pencil = kBlack;      // computed pencil marks
  Colour background = kLightColour;  // the surface (scheme entry 2)
  Colour control = kLightColour;     // fill of a given cell (the scheme's control colour)
};

// 81 cell squares (line width 1) and 9 box outlines (line width 2).
void DrawGrid(Surface& surface, const BoardGeometry& g, Colour line);

// The 36 clue boxes and their sums centred in them, at 0.7 of the
// surface's font size; the font size is restored afterwards.
void DrawClueSums(Surface& surface, const BoardGeometry& g, const std::array<int, 37>& clueSum, Colour line);

// Clears a cell's inside (in the control colour for a given cell) and
// redraws its square.
void EraseCell(Surface& surface, const BoardGeometry& g, int r, int c, bool fixed, const BoardColours& colours);

// Draws a cell's text: one character as a value, several as pencil marks in
// up to three lines of three at 0.6 of the font size. dx, dy shift the
// drawing left and up.
void DrawCellEntry(Surface& surface, const BoardGeometry& g, int r, int c, std::string_view text, Colour colour,
                   int dx, int dy, bool fixed, const BoardColours& colours);

// Every given digit and every player entry.
void DrawCellContents(Surface& surface, const BoardGeometry& g, const PuzzleState& state,
                      const BoardColours& colours);

// Clears the surface and draws grid, cell contents and clue sums; no cell
// is in pencil-mark mode afterwards.
void RedrawBoard(Surface& surface, const BoardGeometry& g, PuzzleState& state, const BoardColours& colours);

// Text position that centres `text` in a clue box, as DrawClueSums computes it.
TwipPoint ClueTextPosition(const Surface& surface, const ClueBox& box, std::string_view text);

}  // namespace kalvero
