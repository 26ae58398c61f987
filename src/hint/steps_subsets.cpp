// Subsets inside one unit. Naked: k open cells whose possible digits together
// are k digits hold exactly those digits, so no other cell of the unit can.
// Hidden: k digits whose possible places in the unit are the same k cells
// fill those cells, so the cells can hold nothing else. Units are scanned
// rows, columns, then boxes; combinations in ascending order.
#include <bit>

#include "hint/hint_board.h"

namespace kalvero::hint {

namespace {

constexpr StepKind NakedKind(int size) {
  return size == 2 ? StepKind::NakedPair : size == 3 ? StepKind::NakedTriple : StepKind::NakedQuad;
}
constexpr StepKind HiddenKind(int size) {
  return size == 2 ? StepKind::HiddenPair : size == 3 ? StepKind::HiddenTriple : StepKind::HiddenQuad;
}

// Calls visit(mask) for every 9-bit mask of `size` bits within `allowed`, in
// ascending order, until visit returns true.
// (mask - allowed) & allowed steps through the masks within `allowed` in
// ascending order, so only those are visited, not all 511.
template <typename Visit>
bool ForEachCombination(unsigned allowed, int size, Visit visit) {
  if (std::popcount(allowed) < size) return false;
  for (unsigned mask = (0u - allowed) & allowed; mask != 0; mask = (mask - allowed) & allowed)
    if (std::popcount(mask) == size && visit(mask)) return true;
  return false;
}

std::vector<int> CellsOf(const Unit& unit, unsigned mask) {
  std::vector<int> cells;
  for (int k = 0; k < 9; ++k)
    if (mask & (1u << k)) cells.push_back(unit.cells[k]);
  return cells;
}

}  // namespace

std::optional<Hint> FindNakedSubset(const Board& board, int size) {
  for (const Unit& unit : Units()) {
    unsigned open = 0;
    for (int k = 0; k < 9; ++k)
      if (board.Open(unit.cells[k]) && DigitCount(board.possible[unit.cells[k]]) <= size) open |= 1u << k;
    std::optional<Hint> found;
    ForEachCombination(open, size, [&](unsigned mask) {
      DigitSet digits = 0;
      for (int k = 0; k < 9; ++k)
        if (mask & (1u << k)) digits |= board.possible[unit.cells[k]];
      if (DigitCount(digits) != size) return false;
      Hint hint;
      hint.kind = NakedKind(size);
      for (int k = 0; k < 9; ++k)
        if (!(mask & (1u << k))) AddRemoval(hint, board, unit.cells[k], digits);
      if (hint.removals.empty()) return false;
      if (board.explain) {
        hint.cells = CellsOf(unit, mask);
        hint.area.assign(unit.cells.begin(), unit.cells.end());
        const Words& w = board.words;
        hint.text = Fill(w.Text(QT_TRANSLATE_NOOP("Kalvero", "In %1, %2 can only hold %3, so no other cell of %1 can be %4")),
                         {UnitName(w, unit), CellsInUnit(w, unit, hint.cells), DigitList(w, digits, Last::And),
                          DigitList(w, digits, Last::Or)});
      }
      found = std::move(hint);
      return true;
    });
    if (found) return found;
  }
  return std::nullopt;
}

std::optional<Hint> FindHiddenSubset(const Board& board, int size) {
  for (const Unit& unit : Units()) {
    std::array<unsigned, 10> where{};
    unsigned candidates = 0;  // digits (bit d - 1) with 1..size places
    const DigitSet placed = board.Placed(unit);
    for (int d = 1; d <= 9; ++d) {
      if (HasDigit(placed, d)) continue;
      where[d] = board.Where(unit, d);
      const int places = std::popcount(where[d]);
      if (places >= 1 && places <= size) candidates |= 1u << (d - 1);
    }
    std::optional<Hint> found;
    ForEachCombination(candidates, size, [&](unsigned digitMask) {
      unsigned cellsMask = 0;
      for (int d = 1; d <= 9; ++d)
        if (digitMask & (1u << (d - 1))) cellsMask |= where[d];
      if (std::popcount(cellsMask) != size) return false;
      const DigitSet digits = static_cast<DigitSet>(digitMask);
      Hint hint;
      hint.kind = HiddenKind(size);
      for (int k = 0; k < 9; ++k)
        if (cellsMask & (1u << k)) AddRemoval(hint, board, unit.cells[k], static_cast<DigitSet>(kAllDigits & ~digits));
      if (hint.removals.empty()) return false;
      if (board.explain) {
        hint.cells = CellsOf(unit, cellsMask);
        hint.area.assign(unit.cells.begin(), unit.cells.end());
        const Words& w = board.words;
        hint.text = Fill(w.Text(QT_TRANSLATE_NOOP(
                             "Kalvero", "In %1, the digits %2 can only go in %3, so those cells cannot hold any other digit")),
                         {UnitName(w, unit), DigitList(w, digits, Last::And), CellsInUnit(w, unit, hint.cells)});
      }
      found = std::move(hint);
      return true;
    });
    if (found) return found;
  }
  return std::nullopt;
}

}  // namespace kalvero::hint
