#pragma once
// The board pictures of play: a changed cell, every cell with its computed
// marks, the marks of one sum area, the solution, and the player's board
// after the solution. All go through the board's surface and geometry.
#include "model/puzzle_state.h"
#include "play/play_result.h"
#include "view/board_painter.h"

namespace kalvero {

// Every given, entry or (for an empty cell) computed mark in the pencil
// colour, then the grid lines over them.
void DrawAllEntries(Surface& surface, const BoardGeometry& g, const PuzzleState& state, const BoardColours& colours);

// The computed marks of the three cells of sum area `area` in the pencil colour.
void DrawAreaMarks(Surface& surface, const BoardGeometry& g, const PuzzleState& state, const BoardColours& colours,
                   int area);

// Clears the surface and draws every solution digit at 0.7 of the font size,
// left of the centre and near the top of its cell, the box outlines and the clues.
void DrawSolution(Surface& surface, const BoardGeometry& g, const PuzzleState& state, const BoardColours& colours);

// Clears the surface and draws givens and entries (no computed marks), the
// grid and the clues; unlike RedrawBoard it leaves the cell in mark mode as it is.
void DrawPlayerBoard(Surface& surface, const BoardGeometry& g, const PuzzleState& state, const BoardColours& colours);

// Draws what a play action reports.
void DrawPlayResult(Surface& surface, const BoardGeometry& g, PuzzleState& state, const BoardColours& colours,
                    const PlayResult& result);

}  // namespace kalvero
