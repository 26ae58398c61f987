// The play session's hint: three asks on an unchanged board (where to look,
// why, the digit), a wrong value or a lone step shown and then carried out.
#include "play/play_session.h"

#include <algorithm>

namespace kalvero {

void PlaySession::ForgetHint() {
  shownHint_.reset();
  lead_.reset();
  leadExplained_ = false;
  overlay_.hintCells.clear();
  overlay_.hintArea.clear();
}

PlayResult PlaySession::AskHint() {
  if (Busy() || solutionShown_ || !HasPuzzle()) return {};
  if (lead_) return leadExplained_ ? PlaceLead() : ExplainLead();
  if (shownHint_) return ApplyShownHint();
  const HintPosition position = PositionOf(state_);
  if (!SolutionAgrees(position)) {
    // Hints judge values by the stored solution: on such a puzzle they
    // would contradict each other from one press to the next.
    PlayResult disagree =
        WithStatus({}, words_.Text(QT_TRANSLATE_NOOP("Kalvero", "This puzzle's clues and its stored solution disagree")));
    disagree.notice = Notice{*disagree.status, "vbok+vbexclamation"};
    return disagree;
  }
  Hint first = FindHint(position, words_);
  if (first.kind == StepKind::WrongValue) return ShowHint(std::move(first));
  const bool full = std::all_of(position.value.begin() + 1, position.value.end(), [](DigitSet v) { return v != 0; });
  if (full || first.kind == StepKind::None) {
    PlayResult none = WithStatus({}, words_.Text(full ? QT_TRANSLATE_NOOP("Kalvero", "The board is full: press Check")
                                                      : QT_TRANSLATE_NOOP("Kalvero", "No further step found")));
    none.notice = Notice{*none.status, "vbok+vblighton"};
    return none;
  }
  if (std::optional<DigitLead> lead = FindDigitLead(position, words_)) return PointToLead(std::move(*lead));
  return ShowHint(std::move(first));
}

PlayResult PlaySession::ShowHint(Hint hint) {
  std::vector<int> cells = hint.cells;
  if (hint.cell != 0) cells.push_back(hint.cell);
  for (const Removal& r : hint.removals) cells.push_back(r.cell);
  std::sort(cells.begin(), cells.end());
  cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
  overlay_.hintCells = std::move(cells);
  overlay_.hintArea = hint.area;
  PlayResult result = WithStatus(OverlayOnly(), hint.text);
  result.notice = Notice{hint.text, "vbok+vblighton"};
  shownHint_ = std::move(hint);
  helped_ = true;
  return result;
}

// First ask: the cell only, and where to look.
PlayResult PlaySession::PointToLead(DigitLead lead) {
  overlay_.hintCells = {lead.Placement().cell};
  overlay_.hintArea.clear();
  const std::string look = LookText(lead, words_);
  lead_ = std::move(lead);
  leadExplained_ = false;
  helped_ = true;
  PlayResult result = WithStatus(OverlayOnly(), look);
  result.notice = Notice{look, "vbok+vblighton"};
  return result;
}

// Second ask: the steps, with every cell they rest on or change outlined.
PlayResult PlaySession::ExplainLead() {
  std::vector<int> cells;
  for (const Hint& step : lead_->steps) {
    cells.insert(cells.end(), step.cells.begin(), step.cells.end());
    for (const Removal& r : step.removals) cells.push_back(r.cell);
  }
  cells.push_back(lead_->Placement().cell);
  std::sort(cells.begin(), cells.end());
  cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
  overlay_.hintCells = std::move(cells);
  overlay_.hintArea = lead_->Placement().area;
  leadExplained_ = true;
  const std::string text = LeadText(*lead_);
  PlayResult result = WithStatus(OverlayOnly(), text);
  result.notice = Notice{text, "vbok+vblighton"};
  return result;
}

// Third ask: the digit goes in, as the player would type it.
PlayResult PlaySession::PlaceLead() {
  const Hint placement = lead_->Placement();
  state_.PencilCell = -1;
  WriteEntry(placement.cell, std::to_string(placement.digit));
  return CellDrawing(placement.cell);
}

PlayResult PlaySession::ApplyShownHint() {
  const Hint hint = std::move(*shownHint_);
  // Typing next starts a new entry rather than adding to a hinted cell.
  state_.PencilCell = -1;
  if (hint.kind == StepKind::WrongValue) {
    WriteEntry(hint.cell, std::string());
    return CellDrawing(hint.cell);
  }
  if (hint.digit != 0) WriteEntry(hint.cell, std::to_string(hint.digit));
  for (const Removal& r : hint.removals) WriteEntry(r.cell, std::to_string(DigitNumber(r.left)));
  if (hint.removals.empty()) return CellDrawing(hint.cell);
  PlayResult result = Drawing(BoardDrawing::Full);
  result.overlayChanged = true;
  return result;
}

}  // namespace kalvero
