#pragma once
// What a play action reports to the window: the board picture to redraw,
// the overlay drawn on top of it, and the status text and message to show.
// Kept apart from the session so the drawing code needs only these.
#include <optional>
#include <string>
#include <vector>

namespace kalvero {

// What the board picture needs after an action.
enum class BoardDrawing {
  None,
  Cell,         // the entry of `cell` in the numbers colour
  Full,         // clear and draw everything; no cell stays in pencil-mark mode
  AllEntries,   // every given, entry or computed mark, the grid lines over them
  AreaMarks,    // the computed marks of the three cells of sum area `area`
  Solution,     // the stored solution, small, in every cell
  PlayerBoard,  // givens and entries back after the solution, without marks
};

// A message box to show after the status text is set.
struct Notice {
  std::string text;
  std::string style;
};

struct PlayResult {
  BoardDrawing drawing = BoardDrawing::None;
  int cell = 0;  // for Cell
  int area = 0;  // for AreaMarks
  bool overlayChanged = false;  // selection frame, area frame, pencil tip or pencil value
  bool startTimer = false;      // (re)start the two-second timer that hides the area frame
  bool solved = false;          // Check found the board complete and right
  std::optional<std::string> status;
  std::optional<Notice> notice;
};

// Building blocks of the results play actions return.
inline PlayResult OverlayOnly() {
  PlayResult r;
  r.overlayChanged = true;
  return r;
}

inline PlayResult Drawing(BoardDrawing drawing) {
  PlayResult r;
  r.drawing = drawing;
  return r;
}

inline PlayResult CellDrawing(int cell) {
  PlayResult r = Drawing(BoardDrawing::Cell);
  r.cell = cell;
  return r;
}

inline PlayResult WithStatus(PlayResult r, std::string status) {
  r.status = std::move(status);
  return r;
}

// Everything drawn on top of the board picture besides the selection frame,
// which shows at (SelRow, SelCol) whenever a cell is selected.
struct Overlay {
  int areaFrame = 0;  // sum area outlined, 0 for none
  bool tipShown = false;
  std::string tipText = " ? ";
  int tipCell = 0;  // the tip sits 84 right and a third of a cell down from this cell's corner
  std::string pencilValue;  // the read-only pencil value field beside the board
  std::vector<int> hintCells;  // the cells a shown hint rests on or changes, outlined
  std::vector<int> hintArea;   // the unit, lines or sum area it uses, outlined more lightly
  bool operator==(const Overlay&) const = default;
};

}  // namespace kalvero
