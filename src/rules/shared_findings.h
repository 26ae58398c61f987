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
#include <string_view>

#include "rules/rules.h"

namespace kalvero {

// The units where naked pairs and identical sets could act, found together
// in one sweep of the candidate counts (rules/subsets.cpp).
struct CountUnits {
  UnitMask pairCells = 0;   // two or more cells with exactly two candidates
  UnitMask fullBucket = 0;  // for some k = 2..6, exactly k cells with k candidates
};
CountUnits FindCountUnits(const DigitSet* cand);

// Where the board differs from the solver's quiet board (model/solver_state.h),
// digit by digit. A cell differs in the digits its candidates or its value
// gained or lost, and in all of them when it also went between no, one and
// several candidates (which decides how the rules treat it).
//
// A rule decides what to do in a unit, or for a digit in a part of the board,
// from those cells' sets alone; where nothing differs it decides as it did on
// the quiet board, where it changed nothing. So while it has changed nothing
// itself, a rule the quiet board covers need only look where something
// differs.
struct QuietDiff {
  UnitMask units = 0;               // units holding a cell that differs
  std::array<DigitSet, 3> band{};   // digits differing in rows 1-3, 4-6, 7-9
  std::array<DigitSet, 3> stack{};  // digits differing in columns 1-3, 4-6, 7-9

  // Digits differing in the band and the stack of box b: its cells and the
  // lines through it.
  DigitSet AroundBox(int b) const { return band[(b - 1) / 3] | stack[(b - 1) % 3]; }
  // Digits differing in the band of row n or the stack of column n: the line
  // and the boxes it crosses.
  DigitSet AroundLine(int n, bool isColumn) const { return isColumn ? stack[(n - 1) / 3] : band[(n - 1) / 3]; }
};
// The difference, or nothing when the solver has no quiet board for these
// givens.
std::optional<QuietDiff> DiffFromQuiet(const PuzzleState& puzzle, const SolverState& solver);

// Records the board as the solver's quiet board for the rules named in
// `order` (digits '2'..'9'), when a rule loop running them ended on it.
void RecordQuietBoard(const PuzzleState& puzzle, SolverState& solver, std::string_view order);

class SharedFindings {
 public:
  void Forget() {
    open_.reset();
    uniqueCandidate_.reset();
    segments_.reset();
    counts_.reset();
    quietKnown_ = false;
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
  // Until the board changes, the caller's account of the difference stands
  // for DiffFromQuiet's.
  void KnowQuietDiff(const QuietDiff& diff) {
    quiet_ = diff;
    quietKnown_ = true;
  }
  const QuietDiff* QuietDiffOf(const PuzzleState& puzzle, const SolverState& solver) {
    if (!quietKnown_) {
      quiet_ = DiffFromQuiet(puzzle, solver);
      quietKnown_ = true;
    }
    return quiet_ ? &*quiet_ : nullptr;
  }

 private:
  std::optional<UnitMask> open_;
  std::optional<UnitMask> uniqueCandidate_;
  std::optional<LineSegments> segments_;
  std::optional<CountUnits> counts_;
  std::optional<QuietDiff> quiet_;
  bool quietKnown_ = false;
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

// Where rule n could act on the board as it finds it at its start, as far as
// the quiet board tells: nullptr when it does not cover the rule (the rule
// then looks everywhere). Valid until the rule changes something.
inline const QuietDiff* QuietDiffFor(const RuleContext& ctx, int n) {
  if (ctx.shared == nullptr || ((ctx.solver.Quiet.rules >> n) & 1) == 0) return nullptr;
  return ctx.shared->QuietDiffOf(ctx.puzzle, ctx.solver);
}

// The units where rule n could act, within `units`.
inline UnitMask DifferingUnits(const RuleContext& ctx, int n, UnitMask units) {
  const QuietDiff* q = QuietDiffFor(ctx, n);
  return q != nullptr ? units & q->units : units;
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
