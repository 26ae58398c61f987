#pragma once
// The way to the next digit a player can find: what the three presses of
// Hint show. The steps run from the position as it stands to one placed
// digit: the eliminations that digit needs, in the order the ladder finds
// them, then the placement.
#include <optional>
#include <vector>

#include "hint/hint.h"

namespace kalvero {

struct DigitLead {
  std::vector<Hint> steps;  // eliminations, then the placement last

  const Hint& Placement() const { return steps.back(); }
};

// The lead from `position`, or none when the ladder reaches no placement, or
// the position has a wrong value, contradicts itself or disagrees with its
// solution (FindHint reports those). Eliminations the placement does not
// rest on are left out: a step stays only when it rules a digit out of a
// cell that a later kept step reads (its unit, lines or area, its cells).
std::optional<DigitLead> FindDigitLead(const HintPosition& position, const Words& words = EnglishWords());

// Where to look, without the digit: "Look at row 4, column 7".
std::string LookText(const DigitLead& lead, const Words& words = EnglishWords());

// The explanation of a lead, one line per step.
std::string LeadText(const DigitLead& lead);

}  // namespace kalvero
