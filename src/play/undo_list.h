#pragma once
// The undo list: one record per change of a cell's entry, newest first.
// A record keeps the cell and the entry to write back. Undo swaps that entry
// with the cell's and moves the record to the redo list, so redo can put the
// change back the same way; any new change empties the redo list.
#include <string>
#include <utility>
#include <vector>

namespace kalvero {

struct UndoRecord {
  int cell = 0;          // 1..81
  std::string previous;  // the entry to write back ("" for an empty cell)
};

class UndoList {
 public:
  // A new change: recorded for undo; what was undone can no longer be redone.
  void Push(int cell, std::string previous) {
    records_.push_back({cell, std::move(previous)});
    redo_.clear();
  }
  // Takes back the newest change through `entryOf(cell)` (a reference to the
  // cell's entry) and returns its cell; the list must not be empty.
  template <typename EntryOf>
  int Undo(EntryOf&& entryOf) {
    return Swap(records_, redo_, entryOf);
  }
  // Puts back the newest undone change; the redo list must not be empty.
  template <typename EntryOf>
  int Redo(EntryOf&& entryOf) {
    return Swap(redo_, records_, entryOf);
  }
  void Clear() {
    records_.clear();
    redo_.clear();
  }
  bool Empty() const { return records_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  std::size_t Size() const { return records_.size(); }
  std::size_t RedoSize() const { return redo_.size(); }

 private:
  template <typename EntryOf>
  static int Swap(std::vector<UndoRecord>& from, std::vector<UndoRecord>& to, EntryOf& entryOf) {
    UndoRecord newest = std::move(from.back());
    from.pop_back();
    std::swap(entryOf(newest.cell), newest.previous);
    to.push_back(std::move(newest));
    return to.back().cell;
  }

  std::vector<UndoRecord> records_;  // oldest first, so a push is cheap
  std::vector<UndoRecord> redo_;     // undone changes, the most recently undone last
};

}  // namespace kalvero
