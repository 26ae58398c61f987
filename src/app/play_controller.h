#pragma once
// Play in the main window: turns the board's pointer, button and key events
// and the play buttons (pencil marks, undo, reset, check, solution) into
// calls of the play session, then draws what it reports on the board and
// its overlay, and fills the pencil-value field and the status label.
// Ctrl+Y and Ctrl+Shift+Z anywhere in the window redo.
#include <QObject>
#include <QTimer>

#include "app/app_context.h"
#include "app/main_widgets.h"
#include "app/play_timer.h"
#include "app/puzzle_display.h"
#include "play/play_session.h"

namespace kalvero {

class CreationController;

class PlayController : public QObject {
  Q_OBJECT
 public:
  PlayController(AppContext& ctx, const MainWidgets& widgets, PuzzleDisplay& display,
                 const CreationController& creation, QObject* parent);

  // Puzzle > Reset and the reset button.
  void ResetPuzzle();
  // Puzzle > Hint (Ctrl+H; F4 comes through the board's keys).
  void Hint();

  // The program ends: the entries on the board are kept in the unfinished
  // file for the next start; a board without entries removes the file.
  // False when the entries could not be written.
  bool KeepEntries();
  // The first puzzle of a start was read: the kept entries come back when
  // they belong to it, and the status label says so.
  void ResumeEntries();

  const PlaySession& Session() const { return session_; }
  PlayTimer& Timer() { return *timer_; }

 private:
  void ConnectBoard();
  void ConnectButtons();
  void PointerMoved(QPointF twips);
  void ButtonPressed(int button, QPointF twips);
  void ButtonReleased(int button, QPointF twips);
  void KeyReleased(int key);
  // Draws what an action reports and shows the overlay, field and status.
  void Apply(const PlayResult& result);
  void ShowOverlay();
  bool Reread();
  // "Solved in 7:32 — a new best for Tough Hard puzzles", or why the solve
  // does not count; a new best is written to the best-times file.
  QString SolvedText();

  AppContext& ctx_;
  const MainWidgets& w_;
  PuzzleDisplay& display_;
  PlaySession session_;
  QTimer timer1_;  // hides the sum-area frame two seconds after it shows
  PlayTimer* timer_ = nullptr;
  bool stripPressed_ = false;
};

}  // namespace kalvero
