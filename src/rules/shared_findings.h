#pragma once
// What the rules of one rule loop find out about the board and share while
// the board stays as it is.
//
// Most rule runs in a solve change nothing: the loop starts on a board just
// refreshed and propagated, and each rule mostly scans its units to find no
// pattern. Where one rule's scan can tell, at little extra cost, which units
// a later rule could act on, it leaves that as a note; the later rule, run on
// the same unchanged board, then visits only those units. The loop runs its
// rules through RunRuleSharing, which forgets everything whenever a rule
// reports a change, so a note is only ever read on the board it describes:
// this relies on the rules' protocol that a rule changes the board exactly
// when it reports changes. A rule run on its own, outside a rule loop, finds
// no notes and scans everything itself.
#include <optional>

#include "rules/rules.h"

namespace kalvero {

// The units where naked pairs and identical sets could act, found together
// in one sweep of the candidate counts (rules/subsets.cpp).
struct CountUnits {
  UnitMask pairCells = 0;   // two or more cells with exactly two candidates
  UnitMask fullBucket = 0;  // for some k = 2..6, exactly k cells with k candidates
};
CountUnits FindCountUnits(const DigitSet* cand);

class SharedFindings {
 public:
  void Forget() {
    open_.reset();
    uniqueCandidate_.reset();
    segments_.reset();
    counts_.reset();
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
  const CountUnits& CountUnitsOf(const PuzzleState& puzzle) {
    if (!counts_) counts_ = FindCountUnits(puzzle.CellCandidates.data());
    return *counts_;
  }
  // Hidden singles, line-box reduction and locked candidates all start from
  // the lines' segments.
  const LineSegments& SegmentsOf(const PuzzleState& puzzle) {
    if (!segments_) segments_ = CollectSegments(puzzle.CellCandidates.data());
    return *segments_;
  }

 private:
  std::optional<UnitMask> open_;
  std::optional<UnitMask> uniqueCandidate_;
  std::optional<LineSegments> segments_;
  std::optional<CountUnits> counts_;
};

// OpenUnits of the board as a rule finds it at its start. Sets only shrink
// while a rule runs, so the mask stays a superset of the open units.
inline UnitMask OpenUnitsOf(const RuleContext& ctx) {
  return ctx.shared != nullptr ? ctx.shared->OpenUnitsOf(ctx.puzzle) : OpenUnits(ctx.puzzle);
}

// CollectSegments of the board as a rule finds it at its start: the shared
// table, or else `own` filled in.
inline const LineSegments& SegmentsOf(const RuleContext& ctx, LineSegments& own) {
  if (ctx.shared != nullptr) return ctx.shared->SegmentsOf(ctx.puzzle);
  own = CollectSegments(ctx.puzzle.CellCandidates.data());
  return own;
}

// FindCountUnits of the board as a rule finds it at its start.
inline CountUnits CountUnitsOf(const RuleContext& ctx) {
  if (ctx.shared != nullptr) return ctx.shared->CountUnitsOf(ctx.puzzle);
  return FindCountUnits(ctx.puzzle.CellCandidates.data());
}

// The units where UniqueCandidate could act: from the note when there is
// one, else every open unit.
inline UnitMask ActingUnits(const RuleContext& ctx, UnitMask open) {
  return ctx.shared != nullptr && ctx.shared->UniqueCandidateUnits() ? *ctx.shared->UniqueCandidateUnits() : open;
}

// Runs rule n, and forgets the findings when it changed the board. Returns
// whether it did.
inline bool RunRuleSharing(RuleContext& ctx, int n, SharedFindings& shared) {
  RunRule(ctx, n);
  if (ctx.solver.RuleChangeCount[n] == 0) return false;
  shared.Forget();
  return true;
}

}  // namespace kalvero
