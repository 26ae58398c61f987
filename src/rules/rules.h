#pragma once
// The candidate rules and the operations they share.
//
// Rule numbers are the rules' identities everywhere: in RuleOrder, as the
// index of RuleChangeCount, and in the table below.
//
//  1 PropagateSingles   clears every single's digit from its peers, places open singles
//  2 HiddenSingles      a digit with one place in a unit is placed there
//  3 NakedPairs         two cells of a unit with the same two candidates
//  4 LineBoxReduction   a line's candidates for a digit all in one box
//  5 UniqueCandidate    a digit listed by one cell of a unit becomes its only candidate
//  6 IdenticalSets      k cells of a unit with the same k candidates (k = 2..6)
//  7 HiddenSubsets      digits confined to the same cells of a unit
//  8 LockedCandidates   box/line interaction, pointing and claiming
//  9 XWingSwordfish     two-line and three-column digit patterns
#include <array>

#include "rules/rule_context.h"

namespace kalvero {

// Writes the digit into the cell's working value and counts the placement.
// When `alternatives` holds more than one digit it first pushes a branch
// point: the board as it is now, and the alternatives without their lowest
// digit as the candidates still to try.
void PlaceValue(RuleContext& ctx, int cell, int digit, DigitSet alternatives);

// Removes the digit from every peer whose candidates hold it together with
// other digits (a peer holding only that digit is never emptied). Returns the
// number of peers changed. Digit 0 removes nothing.
int EliminateFromPeers(PuzzleState& puzzle, int cell, int digit);

// Rule 1.
void PropagateSingles(RuleContext& ctx);

// Rule 1, returning the first open cell it leaves without candidates (0 when
// none): its final sweep meets every such cell anyway.
int PropagateSinglesFindingHole(RuleContext& ctx);

// What the refresh counted just before running rule 1.
struct RefreshCounts {
  int open = 0;          // cells without a working value
  int holes = 0;         // of them, those without candidates
  bool single = false;   // some cell holds exactly one candidate
};

// Rule 1 as the refresh runs it, returning as PropagateSinglesFindingHole.
// With no cell holding exactly one candidate it has nothing to clear or
// place: only its yield and its counts remain, and those the refresh has.
int PropagateSinglesAfterRefresh(RuleContext& ctx, const RefreshCounts& counts);

// Rules 2 to 7 (rules/), 8 and 9 (solver/).
void HiddenSingles(RuleContext& ctx);
void NakedPairs(RuleContext& ctx);
void LineBoxReduction(RuleContext& ctx);
void UniqueCandidate(RuleContext& ctx);
void IdenticalSets(RuleContext& ctx);
void HiddenSubsets(RuleContext& ctx);
void LockedCandidates(RuleContext& ctx);
void XWingSwordfish(RuleContext& ctx);

struct RuleInfo {
  int number;
  const char* name;
  void (*run)(RuleContext&);
};

inline constexpr int kRuleCount = 9;

inline constexpr std::array<RuleInfo, kRuleCount + 1> kRules = {{
    {0, "", nullptr},
    {1, "PropagateSingles", PropagateSingles},
    {2, "HiddenSingles", HiddenSingles},
    {3, "NakedPairs", NakedPairs},
    {4, "LineBoxReduction", LineBoxReduction},
    {5, "UniqueCandidate", UniqueCandidate},
    {6, "IdenticalSets", IdenticalSets},
    {7, "HiddenSubsets", HiddenSubsets},
    {8, "LockedCandidates", LockedCandidates},
    {9, "XWingSwordfish", XWingSwordfish},
}};

// Runs rule n (1..9).
inline void RunRule(RuleContext& ctx, int n) { kRules[n].run(ctx); }

// The end of every rule 2..9: store the change count and, when something
// changed, run rule 1 once.
inline void FinishRule(RuleContext& ctx, int n, int changes) {
  ctx.solver.RuleChangeCount[n] = changes;
  if (changes != 0) PropagateSingles(ctx);
}

}  // namespace kalvero
