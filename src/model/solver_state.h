#pragma once
// The solver's working state: the working board, the counters the rules
// report through, the search's trial queue and branch stack, and the flags
// shared with the generator. One SolverState belongs to one engine; it is
// passed by reference together with the PuzzleState it works on.
//
// Values and candidates are digit sets (model/digit_set.h). A working value
// is normally one digit or empty, but verification copies whole candidate
// texts into it, so it is a set too; "filled" means a non-empty set.
#include <array>
#include <cstdint>
#include <string>

#include "model/digit_set.h"
#include "model/puzzle_state.h"

namespace kalvero {

inline constexpr std::int32_t kDefaultPlacementLimit = 200;
inline constexpr const char* kDefaultRuleOrder = "23456789";
// PlacementCount after a search met a repeated digit with no branch point left.
inline constexpr std::int32_t kPlacementCountNoSolution = -99;

// One entry of the trial queue: an open cell and its candidates at the time
// of the latest refresh. The queue is ordered by (count, boxMissing, cell),
// which is the order of the entries' texts "NNMMSQccBXbbVL<digits>".
// A backtrack puts in a cut branch record, whose count and boxMissing are 0.
struct TrialEntry {
  std::uint8_t count = 0;       // number of candidates
  std::uint8_t boxMissing = 0;  // BoxMissing of the cell's box
  std::uint8_t cell = 0;
  std::uint8_t box = 0;
  DigitSet candidates = 0;
};

class TrialList {
 public:
  bool Empty() const { return first_ == last_; }
  int Size() const { return last_ - first_; }
  const TrialEntry& Front() const { return items_[first_]; }
  const TrialEntry& Second() const { return items_[first_ + 1]; }
  void PopFront() { ++first_; }
  void Clear() { first_ = last_ = 0; }
  // Appends in order; callers add at most one entry per cell.
  void Push(const TrialEntry& e) { items_[last_++] = e; }
  // Empties the list for n entries the caller then writes in place, in order.
  TrialEntry* Refill(int n) {
    first_ = 0;
    last_ = n;
    return items_.data();
  }

 private:
  std::array<TrialEntry, kCellCount> items_{};
  int first_ = 0;
  int last_ = 0;
};

// A branch point of the search: the branch record (cell, box, the candidates
// not yet tried, the digit placed) and the board as it was just before the
// placement. Every branch point sits on a different open cell of the current
// path, so there are never more than 81.
struct BranchPoint {
  std::uint8_t cell = 0;
  std::uint8_t box = 0;
  std::uint8_t digit = 0;
  DigitSet untried = 0;
  CellList<DigitSet> snapshot{};
};

class BranchList {
 public:
  bool Empty() const { return size_ == 0; }
  // Open branch points.
  int Points() const { return size_; }
  const BranchPoint& Top() const { return items_[size_ - 1]; }
  BranchPoint* Push() { return size_ < kCellCount ? &items_[size_++] : nullptr; }
  void Pop() { --size_; }
  void Clear() { size_ = 0; }

 private:
  std::array<BranchPoint, kCellCount> items_{};
  int size_ = 0;
};

// A board on which a whole rule loop ended: every rule it ran (bit n of
// `rules` for rule n) changes nothing there. Rules read nothing but the
// board, so on a later board a rule can only act where that board differs
// from this one (rules/shared_findings.h). Empty until a loop records it.
struct QuietBoard {
  CellList<DigitSet> candidates{};
  CellList<DigitSet> values{};
  CellList<bool> fixed{};
  std::uint16_t rules = 0;
};

struct SolverState {
  CellList<DigitSet> CellValue{};              // working board; empty set = open cell
  std::array<int, 10> BoxMissing{};            // per box: digits not yet placed there
  std::int32_t EmptyCount = 0;                 // cells still to be solved
  std::array<std::int32_t, 10> RuleChangeCount{};  // per rule 1..9: changes of its latest run
  std::int32_t PlacementCount = 0;             // values placed since the caller reset it
  std::int32_t PlacementLimit = kDefaultPlacementLimit;
  bool SolveFailed = false;
  // During a solve: CellValue was last found free of repeated digits (by
  // the search's placement or the refresh after it) and has not changed
  // since. A placement then needs only a look at the placed cell's peers, and
  // a refresh that placed nothing no check.
  bool ValuesChecked = false;
  // During a solve: the candidates are exactly those the refresh computes
  // from the values, no cell holds a single candidate or none, and `filled`
  // cells are filled; since then the search filled just `placed` (0: none
  // yet). The next refresh then only takes the placed digit from the cell's
  // peers.
  struct {
    bool valid = false;
    int filled = 0;
    int placed = 0;
  } Fresh;
  bool Generating = false;     // run rules "23456789" whatever RuleOrder says
  bool StopRequested = false;  // give up at the next check; the host sets it from Yield
  std::string RuleOrder = kDefaultRuleOrder;  // rule numbers the rule loop runs, left to right
  TrialList TrialQueue;                       // the front of the open cells to try, most constrained first
  BranchList BranchStack;                     // open branch points, top last
  QuietBoard Quiet;                           // where the last complete rule loop ended
};

}  // namespace kalvero
