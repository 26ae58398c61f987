#pragma once
// What the rules of one rule loop find out about the board and share while
// the board stays as it is.
//
// Most rule runs in a solve change nothing: the loop starts on a board just
// refreshed and propagated, and each rule mostly scans its units to find no
// pattern. Where one rule's scan can tell, at little extra cost, which units
// a later rule could act on, it leaves that as a note; the later rule, run on
// the same unchanged board, then visits only those units. The loop forgets
// everything whenever a rule changes the board, so a note is only ever read
// on the board it describes. Rules run outside a loop (the hints) find none
// and scan everything as before.
#include <optional>

#include "rules/rule_context.h"

namespace kalvero {

class SharedFindings {
 public:
  void Forget() {
    open_.reset();
    uniqueCandidate_.reset();
  }
  UnitMask OpenUnitsOf(const PuzzleState& puzzle) {
    if (!open_) open_ = OpenUnits(puzzle);
    return *open_;
  }
  // HiddenSingles walks every open unit; on the way it finds the units where
  // UniqueCandidate could act, for a small part of what UniqueCandidate's own
  // walk would cost.
  void NoteUniqueCandidateUnits(UnitMask units) { uniqueCandidate_ = units; }
  const std::optional<UnitMask>& UniqueCandidateUnits() const { return uniqueCandidate_; }

 private:
  std::optional<UnitMask> open_;
  std::optional<UnitMask> uniqueCandidate_;
};

// OpenUnits of the board as a rule finds it at its start. Sets only shrink
// while a rule runs, so the mask stays a superset of the open units.
inline UnitMask OpenUnitsOf(const RuleContext& ctx) {
  return ctx.shared != nullptr ? ctx.shared->OpenUnitsOf(ctx.puzzle) : OpenUnits(ctx.puzzle);
}

// The units where UniqueCandidate could act: from the note when there is
// one, else every open unit.
inline UnitMask ActingUnits(const RuleContext& ctx, UnitMask open) {
  return ctx.shared != nullptr && ctx.shared->UniqueCandidateUnits() ? *ctx.shared->UniqueCandidateUnits() : open;
}

// Like SumOverOpenUnits, but visiting in each kind only the units of
// `acting` until some unit reports a change, then every unit of `open` in
// the kinds after it. Units of one kind share no cell and a rule working on
// a unit changes only that unit's cells, so a note on which units can act
// stays exact for the rest of the kind it was read in.
template <typename PerUnit>
int SumOverActingUnits(UnitMask acting, UnitMask open, const std::array<UnitKind, 3>& order, PerUnit&& perUnit) {
  int sum = 0;
  for (const UnitKind kind : order) {
    const UnitMask pick = sum == 0 ? acting : open;
    for (UnitMask units = (pick / UnitBit(kind, 1)) & 0x1FF; units != 0; units &= units - 1)
      sum += perUnit(Unit(kind, std::countr_zero(units) + 1));
  }
  return sum;
}

}  // namespace kalvero
