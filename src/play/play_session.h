#pragma once
// The play rules on the board: hover and key selection, character and key
// entry, the copy of a cell's computed marks, undo, redo and reset, hints, computed
// pencil marks, checking and showing the solution. A session works on the
// puzzle state it is given and tells the window what to redraw; it knows
// nothing of widgets. The window turns its events (pointer positions in
// twips, characters, keys, mouse buttons) into these calls.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hint/hint.h"
#include "hint/lead.h"
#include "model/config.h"
#include "model/host.h"
#include "model/puzzle_state.h"
#include "play/play_result.h"
#include "play/selection.h"
#include "play/undo_list.h"

namespace kalvero {

// Key codes the board reacts to on release.
enum class PlayKey { F2, F3, F4, Home, Delete, Escape, Up, Down, Left, Right, Other };

// Character codes with a meaning of their own on the board.
inline constexpr int kCharHome = '$';
inline constexpr int kCharUp = '&';
inline constexpr int kCharDown = '(';
inline constexpr int kCharLeft = '%';
inline constexpr int kCharRight = '\'';
inline constexpr int kCharClear = '.';
inline constexpr int kCharEscape = 27;

class PlaySession {
 public:
  // `busy` tells whether a creation runs; every action does nothing then.
  // `words` is the language of the texts the session builds.
  PlaySession(PuzzleState& state, const Settings& settings, std::function<bool()> busy,
              const Words& words = EnglishWords());

  const Overlay& View() const { return overlay_; }
  const UndoList& Undos() const { return undo_; }

  // A puzzle was read or created: the undo list starts empty, the tip is
  // hidden and emptied, no area is outlined.
  void PuzzleRead();

  // Pointer over the board at (row, col) of CellAt; pointer over the window
  // outside the board.
  PlayResult Hover(CellPos at);
  PlayResult LeaveBoard();

  // A character typed on the board, a key released on it.
  PlayResult TypeChar(int code);
  PlayResult KeyReleased(PlayKey key);

  // Right button released on the board or the pencil tip (and F3): the
  // selected cell takes its computed marks as its entry.
  PlayResult CopyPencilValue();

  // The pencil-marks button: left (and F2) computes and draws the marks,
  // right redraws the board without them. Both need a loaded puzzle.
  PlayResult ShowPencilMarks();
  PlayResult HidePencilMarks();

  // Pointer over a clue strip; right button pressed and released on one.
  PlayResult StripHover(ClueStrip strip, double x, double y, double w, double h);
  PlayResult StripPress(ClueStrip strip, double x, double y, double w, double h);
  PlayResult StripRelease();
  // The area-frame timer fired.
  PlayResult TimerFired();

  // Ctrl+Y and Ctrl+Shift+Z: puts back the change undo took back last.
  PlayResult Redo();

  // Puzzle > Hint, Ctrl+H and F4, in three asks on an unchanged board: the
  // first outlines the cell whose digit can be found next and says where to
  // look, the second explains the steps to it, the third places the digit,
  // recorded for undo. A wrong value is named first and cleared at the next
  // ask; a step that leads to no digit is shown and then carried out. Any
  // change on the board starts over.
  PlayResult AskHint();

  // The undo button: left takes back the newest change; right resets and
  // then empties the list whatever the answer (with an empty list it asks
  // nothing).
  PlayResult Undo();
  PlayResult ResetAll(Host& host, const std::function<bool()>& reread);
  // Puzzle > Reset and the reset button: asks, and on Yes reads the puzzle
  // again through `reread` (which returns false when it could not).
  PlayResult ResetPuzzle(Host& host, const std::function<bool()>& reread);

  // The check button.
  PlayResult Check();

  // True once a hint was shown or the solution since the puzzle was read:
  // such a solve does not count for the best times.
  bool Helped() const { return helped_; }

  // The solution button pressed and released.
  PlayResult ShowSolution();
  PlayResult HideSolution();

 private:
  bool Busy() const { return busy_(); }
  // False in the no-puzzle state, where the puzzle left in memory is not shown.
  bool HasPuzzle() const { return state_.PuzzleCount > 0 && !state_.SolutionText.empty(); }
  bool HasSelection() const { return state_.SelRow != -1; }
  bool SelectedIsOpen() const;
  // Records the selected cell's entry for undo, changes it and reports the cell.
  PlayResult SetEntry(std::string entry);
  // Records a cell's entry for undo and changes it; a shown hint is forgotten.
  void WriteEntry(int cell, std::string entry);
  std::string& EntryOf(int cell);
  PlayResult ApplyShownHint();
  PlayResult ShowHint(Hint hint);
  PlayResult PointToLead(DigitLead lead);
  PlayResult ExplainLead();
  PlayResult PlaceLead();
  void ForgetHint();
  PlayResult Move(Direction direction);
  PlayResult ClearSelected();
  PlayResult ClearSelection();
  PlayResult HoverStep(CellPos at);
  // Runs a pointer action and reports an overlay change only when the
  // selection or the overlay differ afterwards, so a pointer resting on one
  // cell does not repaint the board.
  template <typename Action>
  PlayResult PointerAction(Action&& action);
  void PlaceTip(int r, int c, const std::string& marks);

  PuzzleState& state_;
  const Settings& settings_;
  std::function<bool()> busy_;
  const Words& words_;
  UndoList undo_;
  Overlay overlay_;
  int hoverArea_ = -1;
  bool solutionShown_ = false;
  std::optional<Hint> shownHint_;  // a wrong value or lone step shown on the unchanged board
  std::optional<DigitLead> lead_;  // the way to the next digit, pointed to or explained
  bool leadExplained_ = false;
  bool helped_ = false;
};

}  // namespace kalvero
