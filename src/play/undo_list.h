#pragma once
// The undo list: one record per change of a cell's entry, newest first.
// A record keeps the cell and its entry before the change; there is no redo.
#include <string>
#include <vector>

namespace kalvero {

struct UndoRecord {
  int cell = 0;          // 1..81
  std::string previous;  // the entry before the change ("" for an empty cell)
};

class UndoList {
 public:
  void Push(int cell, std::string previous) { records_.push_back({cell, std::move(previous)}); }
  // Removes and returns the newest record; the list must not be empty.
  UndoRecord Pop() {
    UndoRecord newest = std::move(records_.back());
    records_.pop_back();
    return newest;
  }
  void Clear() { records_.clear(); }
  bool Empty() const { return records_.empty(); }
  std::size_t Size() const { return records_.size(); }

 private:
  std::vector<UndoRecord> records_;  // oldest first, so a push is cheap
};

}  // namespace kalvero
