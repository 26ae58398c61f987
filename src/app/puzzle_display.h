#pragma once
// Shows the current puzzle: reads a puzzle into the state, draws the board
// and fills the file, number, level and status labels.
#include <QString>
#include <cstdint>
#include <functional>

#include "app/app_context.h"
#include "app/main_widgets.h"

namespace kalvero {

// The message for a puzzle file none of whose puzzles could be read.
QString ReadErrorText(const QString& fileName);

class PuzzleDisplay {
 public:
  PuzzleDisplay(AppContext& ctx, const MainWidgets& widgets) : ctx_(ctx), w_(widgets) {}

  // Reads puzzle n of a file into the puzzle state and shows it; true when
  // it did. When the file holds no such readable line, the shown puzzle and
  // its labels stay and the status says which puzzle could not be read; with
  // a puzzle count of 0 a message says the file has no puzzles.
  [[nodiscard]] bool ReadPuzzle(const QString& fileName, std::int32_t n);

  // ReadPuzzle of puzzle n or, when that line cannot be read, of the
  // nearest puzzle of the file that can (NearestReadablePuzzle), with the
  // status "Puzzle n could not be read: puzzle m is shown". Returns the
  // number shown, 0 when none was.
  std::int32_t ReadNearestPuzzle(const QString& fileName, std::int32_t n);

  // Clears the board and draws the current puzzle.
  void RedrawBoard();
  // The board with nothing but the grid.
  void DrawEmptyGrid();
  // The current puzzle's board and labels, after the state changed.
  void ShowCurrent();
  // No puzzle: the empty grid, empty file and number labels, a puzzle count
  // of 0 and the invitation to create one.
  void ShowNoPuzzle();

  void ShowPuzzleLabels();
  void ShowLevel(int fixedCount);
  void SetStatus(const QString& text);

  // Called after every successful read and when no puzzle is left to show,
  // so play starts afresh on the new board.
  void SetPuzzleChanged(std::function<void()> listener) { puzzleChanged_ = std::move(listener); }
  // Draws what lies over the board again (highlights, frames), as after a
  // change of the options; the play part sets how.
  void SetOverlayRefresh(std::function<void()> refresh) { overlayRefresh_ = std::move(refresh); }
  void RefreshOverlay() {
    if (overlayRefresh_) overlayRefresh_();
  }

 private:
  void PuzzleChanged() {
    if (puzzleChanged_) puzzleChanged_();
  }

  AppContext& ctx_;
  const MainWidgets& w_;
  std::function<void()> puzzleChanged_;
  std::function<void()> overlayRefresh_;
};

}  // namespace kalvero
