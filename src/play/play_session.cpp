#include "play/play_session.h"

#include <algorithm>

#include "model/text.h"
#include "play/solution_check.h"
#include "solver/verify.h"

namespace kalvero {

PlaySession::PlaySession(PuzzleState& state, const Settings& settings, std::function<bool()> busy,
                         const Words& words)
    : state_(state), settings_(settings), busy_(std::move(busy)), words_(words) {}

void PlaySession::PuzzleRead() {
  undo_.Clear();
  shownHint_.reset();
  lead_.reset();
  leadExplained_ = false;
  solutionShown_ = false;
  helped_ = false;
  hoverArea_ = -1;
  overlay_ = Overlay{};
  overlay_.tipText.clear();
}

bool PlaySession::SelectedIsOpen() const {
  return HasSelection() && !Busy() && !solutionShown_ && state_.FixedValue[state_.SelRow][state_.SelCol].empty();
}

PlayResult PlaySession::ClearSelection() {
  state_.SelRow = -1;
  state_.SelCol = -1;
  overlay_.tipShown = false;
  return OverlayOnly();
}

template <typename Action>
PlayResult PlaySession::PointerAction(Action&& action) {
  const Overlay before = overlay_;
  const CellPos selected{state_.SelRow, state_.SelCol};
  PlayResult result = action();
  result.overlayChanged = !(overlay_ == before) || !(selected == CellPos{state_.SelRow, state_.SelCol});
  return result;
}

PlayResult PlaySession::Hover(CellPos at) {
  return PointerAction([&] { return HoverStep(at); });
}

PlayResult PlaySession::HoverStep(CellPos at) {
  hoverArea_ = -1;
  overlay_.areaFrame = 0;
  PlayResult result = OverlayOnly();
  if (Busy()) return ClearSelection();
  if (state_.PuzzleCount == 0) return result;
  if (at == CellPos{state_.SelRow, state_.SelCol}) return result;
  overlay_.tipText = " ? ";
  overlay_.pencilValue = "?";
  if (!at.InGrid()) {
    state_.PencilCell = -1;
    return ClearSelection();
  }
  state_.SelRow = at.row;
  state_.SelCol = at.col;
  if (settings_.PencilTooltip == 0 || !state_.UserEntry[at.row][at.col].empty()) {
    overlay_.tipShown = false;
    overlay_.pencilValue.clear();
    return result;
  }
  PlaceTip(at.row, at.col, state_.CandidateGrid[at.row][at.col]);
  overlay_.tipShown = true;
  if (overlay_.pencilValue.empty()) overlay_.pencilValue = "?";
  return result;
}

void PlaySession::PlaceTip(int r, int c, const std::string& marks) {
  overlay_.tipCell = CellNum(r, c);
  overlay_.pencilValue = marks;
  overlay_.tipText = marks.empty() ? " ? " : " " + marks + " ";
}

PlayResult PlaySession::LeaveBoard() {
  hoverArea_ = -1;
  return PointerAction([&] { return ClearSelection(); });
}

PlayResult PlaySession::SetEntry(std::string entry) {
  const int cell = CellNum(state_.SelRow, state_.SelCol);
  WriteEntry(cell, std::move(entry));
  state_.PencilCell = cell;
  return CellDrawing(cell);
}

std::string& PlaySession::EntryOf(int cell) { return state_.UserEntry[kTables.RowOf[cell]][kTables.ColOf[cell]]; }

void PlaySession::WriteEntry(int cell, std::string entry) {
  undo_.Push(cell, std::move(EntryOf(cell)));
  EntryOf(cell) = std::move(entry);
  ForgetHint();
}

PlayResult PlaySession::ClearSelected() { return SetEntry(std::string()); }

PlayResult PlaySession::Move(Direction direction) {
  if (Busy()) return {};
  const CellPos to = MoveTarget(state_, {state_.SelRow, state_.SelCol}, direction);
  if (!to.InGrid()) return {};
  state_.SelRow = to.row;
  state_.SelCol = to.col;
  const std::string& marks = state_.CandidateGrid[to.row][to.col];
  if (marks.empty()) {
    // The tip and the field would otherwise go on showing the marks of the
    // cell the selection left.
    overlay_.tipShown = false;
    overlay_.pencilValue = "?";
  } else if (settings_.PencilTooltip != 0) {
    PlaceTip(to.row, to.col, marks);
  } else {
    overlay_.pencilValue = marks;
  }
  return OverlayOnly();
}

PlayResult PlaySession::TypeChar(int code) {
  if (!SelectedIsOpen()) return {};
  switch (code) {
    case kCharHome: return Move(Direction::Home);
    case kCharUp: return Move(Direction::Up);
    case kCharDown: return Move(Direction::Down);
    case kCharLeft: return Move(Direction::Left);
    case kCharRight: return Move(Direction::Right);
    case kCharClear:
    case kCharEscape: return ClearSelected();
    default: break;
  }
  if (code < '1' || code > '9') return {};
  const std::string digit(1, static_cast<char>(code));
  const std::string& entry = state_.UserEntry[state_.SelRow][state_.SelCol];
  if (CellNum(state_.SelRow, state_.SelCol) != state_.PencilCell) return SetEntry(digit);
  if (entry.find(digit) != std::string::npos) return {};
  return SetEntry(entry + digit);
}

PlayResult PlaySession::KeyReleased(PlayKey key) {
  if (Busy()) return {};
  switch (key) {
    case PlayKey::F2: return ShowPencilMarks();
    case PlayKey::F3: return CopyPencilValue();
    case PlayKey::F4: return AskHint();
    case PlayKey::Home: return Move(Direction::Home);
    case PlayKey::Delete:
    case PlayKey::Escape: return SelectedIsOpen() ? ClearSelected() : PlayResult{};
    case PlayKey::Up: return Move(Direction::Up);
    case PlayKey::Down: return Move(Direction::Down);
    case PlayKey::Left: return Move(Direction::Left);
    case PlayKey::Right: return Move(Direction::Right);
    case PlayKey::Other: break;
  }
  return {};
}

PlayResult PlaySession::CopyPencilValue() {
  if (!SelectedIsOpen()) return {};
  const std::string_view marks = TrimBlanks(state_.CandidateGrid[state_.SelRow][state_.SelCol]);
  if (marks.empty()) return {};
  return SetEntry(std::string(marks));
}

PlayResult PlaySession::ShowPencilMarks() {
  if (Busy() || !HasPuzzle()) return {};
  ComputePencilMarks(state_);
  return Drawing(BoardDrawing::AllEntries);
}

PlayResult PlaySession::HidePencilMarks() {
  if (Busy() || !HasPuzzle()) return {};
  return Drawing(BoardDrawing::Full);
}

PlayResult PlaySession::StripHover(ClueStrip strip, double x, double y, double w, double h) {
  if (Busy() || !HasPuzzle()) return {};
  state_.PencilCell = -1;
  if (settings_.SumAreaTooltip == 0) return {};
  const int area = ClueStripArea(strip, x, y, w, h);
  if (state_.ClueSum[area] == 0 || area == hoverArea_) return {};
  hoverArea_ = area;
  overlay_.areaFrame = area;
  overlay_.tipShown = false;
  PlayResult result = OverlayOnly();
  result.startTimer = true;
  return result;
}

PlayResult PlaySession::StripPress(ClueStrip strip, double x, double y, double w, double h) {
  if (Busy() || !HasPuzzle()) return {};
  const int area = ClueStripArea(strip, x, y, w, h);
  if (state_.ClueSum[area] == 0) return {};
  ComputePencilMarks(state_);
  overlay_.areaFrame = 0;
  PlayResult result = Drawing(BoardDrawing::AreaMarks);
  result.area = area;
  result.overlayChanged = true;
  return result;
}

PlayResult PlaySession::StripRelease() {
  if (Busy()) return {};
  return Drawing(BoardDrawing::Full);
}

PlayResult PlaySession::TimerFired() {
  overlay_.areaFrame = 0;
  return OverlayOnly();
}

PlayResult PlaySession::Undo() {
  if (Busy() || undo_.Empty()) return {};
  ForgetHint();
  return CellDrawing(undo_.Undo([this](int cell) -> std::string& { return EntryOf(cell); }));
}

PlayResult PlaySession::Redo() {
  if (Busy() || solutionShown_ || !undo_.CanRedo()) return {};
  ForgetHint();
  return CellDrawing(undo_.Redo([this](int cell) -> std::string& { return EntryOf(cell); }));
}

PlayResult PlaySession::ResetAll(Host& host, const std::function<bool()>& reread) {
  if (Busy() || undo_.Empty()) return {};
  PlayResult result = ResetPuzzle(host, reread);
  undo_.Clear();
  return result;
}

PlayResult PlaySession::ResetPuzzle(Host& host, const std::function<bool()>& reread) {
  if (Busy()) return {};
  const MsgResult answer =
      host.Message(words_.Text(QT_TRANSLATE_NOOP("Kalvero", "All user values will be cleared, proceed?")), "vbquestion+vbyesno");
  host.Yield();
  if (answer != MsgResult::Yes) return {};
  if (!reread()) {
    // The puzzle shown stays as it is, entries and all, and stays playable.
    PlayResult failed =
        WithStatus({}, Fill(words_.Text(QT_TRANSLATE_NOOP("Kalvero", "Puzzle %1 could not be read again: nothing was reset")),
                            {std::to_string(state_.PuzzleNumber)}));
    failed.notice = Notice{*failed.status, "vbok+vbcritical"};
    return failed;
  }
  return WithStatus({}, words_.Text(QT_TRANSLATE_NOOP("Kalvero", "Puzzle reset")));
}

PlayResult PlaySession::Check() {
  if (Busy() || !HasPuzzle()) return {};
  const CheckResult check = CheckBoard(state_);
  PlayResult result = WithStatus({}, words_.Text(CheckText(check)));
  if (check == CheckResult::Solved) {
    result.notice = Notice{*result.status, "vbhappy+vbok"};
    result.solved = true;
  }
  return result;
}

PlayResult PlaySession::ShowSolution() {
  if (Busy() || !HasPuzzle()) return {};
  state_.SavedEntry = state_.UserEntry;
  solutionShown_ = true;
  helped_ = true;
  return WithStatus(Drawing(BoardDrawing::Solution), words_.Text(QT_TRANSLATE_NOOP("Kalvero", "Solution ...")));
}

PlayResult PlaySession::HideSolution() {
  // Only a press that showed the solution has entries to bring back.
  if (!solutionShown_) return {};
  solutionShown_ = false;
  state_.UserEntry = state_.SavedEntry;
  return WithStatus(Drawing(BoardDrawing::PlayerBoard), "");
}

}  // namespace kalvero
