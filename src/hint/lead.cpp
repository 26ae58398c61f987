#include "hint/lead.h"

#include <algorithm>

#include "hint/hint_board.h"
#include "model/board.h"

namespace kalvero {

namespace {

// More eliminations than this before a placement means the ladder is going
// round in circles; a real chain is far shorter.
constexpr int kMostLeadSteps = 200;

// The cells a step's deduction reads.
std::vector<int> ReadCells(const Hint& hint) {
  std::vector<int> cells = hint.area;
  cells.insert(cells.end(), hint.cells.begin(), hint.cells.end());
  if (hint.cell != 0) cells.push_back(hint.cell);
  for (const Removal& r : hint.removals) cells.push_back(r.cell);
  return cells;
}

bool TouchesAny(const Hint& hint, const std::vector<bool>& needed) {
  return std::any_of(hint.removals.begin(), hint.removals.end(), [&](const Removal& r) { return needed[r.cell]; });
}

// Keeps, from the last step back, only the eliminations that change a cell
// a kept later step reads; the others leave every kept deduction as it was.
std::vector<Hint> Needed(std::vector<Hint> steps) {
  std::vector<bool> needed(kCellCount + 1, false);
  std::vector<Hint> kept;
  for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
    if (step != steps.rbegin() && !TouchesAny(*step, needed)) continue;
    for (const int cell : ReadCells(*step)) needed[cell] = true;
    kept.push_back(std::move(*step));
  }
  std::reverse(kept.begin(), kept.end());
  return kept;
}

}  // namespace

std::optional<DigitLead> FindDigitLead(const HintPosition& position, const Words& words) {
  HintPosition p = position;
  std::vector<Hint> steps;
  for (int n = 0; n < kMostLeadSteps; ++n) {
    Hint hint = FindHint(p, words);
    if (hint.kind == StepKind::None || hint.kind == StepKind::WrongValue) return std::nullopt;
    if (hint.digit != 0) {
      // The marks a naked single speaks of are the steps' own eliminations
      // when the lead has any: the player never wrote them.
      // (A naked single outlines its row, column and box only when no mark
      // is needed; one that rests on marks outlines nothing.)
      if (!steps.empty() && hint.kind == StepKind::NakedSingle && hint.area.empty())
        hint.text = hint::NakedSingleText(words, hint.cell, hint.digit, hint::SingleReason::LeadSteps);
      steps.push_back(std::move(hint));
      return DigitLead{Needed(std::move(steps))};
    }
    const HintPosition before = p;
    ApplyHint(p, hint);
    if (p.marks == before.marks) return std::nullopt;
    steps.push_back(std::move(hint));
  }
  return std::nullopt;
}

std::string LookText(const DigitLead& lead, const Words& words) {
  return Fill(words.Text(QT_TRANSLATE_NOOP("Kalvero", "Look at %1")), {hint::CellName(words, lead.Placement().cell)});
}

std::string LeadText(const DigitLead& lead) {
  if (lead.steps.size() == 1) return lead.Placement().text;
  std::string text;
  for (std::size_t i = 0; i < lead.steps.size(); ++i) {
    if (i > 0) text += '\n';
    text += std::to_string(i + 1) + ". " + lead.steps[i].text;
  }
  return text;
}

}  // namespace kalvero
