#pragma once
// Verification by logic: can the givens and the 36 clue sums alone, through
// the candidate rules, reach the stored solution? And the computed pencil
// marks, which use the same sum-area filter.
#include <array>

#include "model/host.h"
#include "model/puzzle_state.h"
#include "model/solver_state.h"

namespace kalvero {

enum class VerifyResult : int {
  Verified = 0,      // the logic reaches the stored solution
  CannotVerify = 1,  // it stalls, or reaches something else
};

inline constexpr int kVerifyPassLimit = 10;

// Three digit sets of a sum area after FilterTriple: each keeps the digits
// that take part in some choice x, y, z (one from each, pairwise different)
// with x + y + z = sum.
struct Triple {
  DigitSet a = 0;
  DigitSet b = 0;
  DigitSet c = 0;
};
Triple FilterTriple(DigitSet a, DigitSet b, DigitSet c, int sum);

// What the sum filter last did to one grid, so that work whose outcome is
// known is skipped:
// - FilterTriple keeps exactly the digits that have a fitting choice among
//   the kept digits, so filtering its own result changes nothing: an area
//   whose three entries are still what it left is skipped;
// - after taking over the shorter candidate sets, no grid entry is longer
//   than its non-empty candidate set, and the grid only shrinks (or takes a
//   one-digit candidate set) afterwards: while the candidates are the same as
//   last time, taking them over again changes nothing.
class SumAreaHistory {
 public:
  SumAreaHistory() {
    for (auto& t : left_) t = {kUnknown, kUnknown, kUnknown};
    candidates_.fill(kUnknown);
  }
  bool Unchanged(int area, DigitSet a, DigitSet b, DigitSet c) const {
    return left_[area][0] == a && left_[area][1] == b && left_[area][2] == c;
  }
  void Record(int area, const Triple& t) { left_[area] = {t.a, t.b, t.c}; }
  // True when the candidates are those taken over last time; otherwise
  // remembers them.
  bool SameCandidates(const CellList<DigitSet>& candidates) {
    if (candidates == candidates_) return true;
    candidates_ = candidates;
    return false;
  }

 private:
  static constexpr DigitSet kUnknown = 0xFFFF;  // never a digit set
  std::array<std::array<DigitSet, 3>, 37> left_;
  CellList<DigitSet> candidates_;
};

// Narrows the grid with the 36 sum areas in clue order, after first taking
// over any non-empty candidate set shorter than the grid's entry. With a
// history, areas the grid has not changed in since are skipped. Returns
// whether any entry of the grid changed.
bool FilterSumAreas(CellList<DigitSet>& grid, const PuzzleState& puzzle, SumAreaHistory* history = nullptr);

// Starts from the givens only (every FixedMark, UserEntry and candidate set
// cleared), runs up to 10 passes of the sum filter and rules 1 to 9, and
// compares the result with Solution. Leaves CandidateGrid, CellCandidates
// and CellValue as the last pass left them.
VerifyResult VerifyPuzzle(PuzzleState& puzzle, SolverState& solver, Host& host);

// The digits settled around cell (r, c): every one-digit candidate set or
// one-character entry in its row, its column and its box (the cell included).
// ComputePencilMarks gathers the same digits once per unit; the play side
// uses this for a single cell.
DigitSet SeenDigits(const PuzzleState& puzzle, int r, int c);

// Fills CandidateGrid for all 81 cells from the givens, the player's entries,
// the settled digits and one pass of the sum areas. A cell keeps the player's
// entry; a lone computed mark is stored with a leading blank.
void ComputePencilMarks(PuzzleState& puzzle);

}  // namespace kalvero
