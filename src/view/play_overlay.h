#pragma once
// What lies on top of the board picture while playing: the selection frame,
// the sum-area frame and the pencil tip. Drawn in twips through a surface
// after the board picture, so it scales with the board.
#include "model/puzzle_state.h"
#include "play/highlights.h"
#include "play/play_result.h"
#include "view/board_painter.h"

namespace kalvero {

// Line width of the selection and area frames (the grid's is 1).
inline constexpr int kFrameLineWidth = 3;
// Line width of the outline of a hint's unit or area.
inline constexpr int kHintAreaLineWidth = 2;

// The tip's rectangle for its text, at 84 right of and a third of a cell
// below the corner of its cell, in the surface's font at 0.6 of its size.
TwipRect PencilTipRect(const Surface& surface, const BoardGeometry& g, const Overlay& overlay);

// The highlights first: cells holding the selected digit filled with a tint
// of the grid colour and their digit drawn again over it, the selected
// cell's row, column and box framed lightly, mistakes' digits drawn again in
// red. Then the outlines of a shown hint's area and cells, the selection frame around
// (SelRow, SelCol) when a cell is selected, the outline of the overlay's sum area, and the tip in the numbers colour on
// the control colour. Frames are outlines in the grid colour so the cell
// stays visible. The surface's font and line width are restored.
void DrawPlayOverlay(Surface& surface, const BoardGeometry& g, const PuzzleState& state, const Overlay& overlay,
                     const BoardColours& colours, const Highlights& highlights = {});

}  // namespace kalvero
