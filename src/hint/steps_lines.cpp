// Steps about one digit across units: a row or column whose places for the
// digit lie in one box (line-box), a box whose places lie in one row or
// column (locked candidates), and n rows whose places lie in n columns or
// the reverse (two- and three-line patterns).
#include <algorithm>
#include <bit>

#include "hint/hint_board.h"
#include "model/board.h"

namespace kalvero::hint {

namespace {

std::vector<int> Positions(const Board& board, const Unit& unit, int d) {
  std::vector<int> cells;
  for (const int cell : unit.cells)
    if (HasDigit(board.possible[cell], d)) cells.push_back(cell);
  return cells;
}

// True when the positions lie inside one of the groups.
bool WithinOneOf(unsigned where, std::initializer_list<unsigned> groups) {
  for (const unsigned group : groups)
    if ((where & ~group) == 0) return true;
  return false;
}

std::vector<int> Joined(const Unit& a, const Unit& b) {
  std::vector<int> cells(a.cells.begin(), a.cells.end());
  cells.insert(cells.end(), b.cells.begin(), b.cells.end());
  std::sort(cells.begin(), cells.end());
  cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
  return cells;
}

// The one unit of `kind` holding all cells, or nullptr.
const Unit* CommonUnit(const std::vector<int>& cells, UnitKind kind) {
  const auto& of = kind == UnitKind::Row ? kTables.RowOf : kind == UnitKind::Column ? kTables.ColOf : kTables.BoxOf;
  const int n = of[cells.front()];
  for (const int cell : cells)
    if (of[cell] != n) return nullptr;
  return kind == UnitKind::Row ? &RowUnit(n) : kind == UnitKind::Column ? &ColumnUnit(n) : &BoxUnit(n);
}

// The digit's places in `from` all lie in `to`: rule it out of `to`'s other cells.
std::optional<Hint> Confined(const Board& board, StepKind kind, const Unit& from, const Unit& to, int d,
                             const std::vector<int>& places) {
  Hint hint;
  hint.kind = kind;
  for (const int cell : to.cells)
    if (std::find(from.cells.begin(), from.cells.end(), cell) == from.cells.end())
      AddRemoval(hint, board, cell, DigitBit(d));
  if (hint.removals.empty()) return std::nullopt;
  if (!board.explain) return hint;
  hint.cells = places;
  hint.area = Joined(from, to);
  const std::string digit = std::to_string(d);
  const Words& w = board.words;
  hint.text = Fill(w.Text(QT_TRANSLATE_NOOP("Kalvero", "In %1, the %2 can only go in %3, so no other cell of %3 can be %2")),
                   {UnitName(w, from), digit, UnitName(w, to)});
  return hint;
}

}  // namespace

// Rows, then columns, digits 1..9.
std::optional<Hint> FindLineBox(const Board& board) {
  for (int u = 0; u < 18; ++u) {
    const Unit& line = Units()[u];
    for (int d = 1; d <= 9; ++d) {
      // A line's cells k = 0..8 cross the boxes in threes; a placed digit
      // has no place at all.
      const unsigned where = board.Where(line, d);
      if (where == 0 || !WithinOneOf(where, {0007u, 0070u, 0700u})) continue;
      const std::vector<int> places = Positions(board, line, d);
      if (auto hint = Confined(board, StepKind::LineBox, line, *CommonUnit(places, UnitKind::Box), d, places))
        return hint;
    }
  }
  return std::nullopt;
}

// Boxes 1..9, digits 1..9, the row before the column.
std::optional<Hint> FindLockedCandidates(const Board& board) {
  for (int b = 1; b <= 9; ++b) {
    const Unit& box = BoxUnit(b);
    for (int d = 1; d <= 9; ++d) {
      // A box's cells k = 0..8 lie row by row; a placed digit has no place.
      const unsigned where = board.Where(box, d);
      if (where == 0 || !WithinOneOf(where, {0007u, 0070u, 0700u, 0111u, 0222u, 0444u})) continue;
      const std::vector<int> places = Positions(board, box, d);
      for (const UnitKind kind : {UnitKind::Row, UnitKind::Column})
        if (const Unit* line = CommonUnit(places, kind))
          if (auto hint = Confined(board, StepKind::LockedCandidates, box, *line, d, places)) return hint;
    }
  }
  return std::nullopt;
}

// For each digit, n base rows (then n base columns) whose places all lie in
// n cross lines: each cross line takes the digit in one of the base lines.
std::optional<Hint> FindLinePattern(const Board& board, int size) {
  const StepKind kind = size == 2 ? StepKind::TwoLine : StepKind::ThreeLine;
  for (int d = 1; d <= 9; ++d)
    for (const int baseFirst : {0, 9}) {
      const int crossFirst = 9 - baseFirst;
      std::array<unsigned, 9> where{};  // per base line: cross lines (bit k = line k + 1) with a place
      unsigned bases = 0;
      for (int i = 0; i < 9; ++i) {
        const Unit& line = Units()[baseFirst + i];
        if (HasDigit(board.Placed(line), d)) continue;
        where[i] = board.Where(line, d);
        const int places = std::popcount(where[i]);
        if (places >= 2 && places <= size) bases |= 1u << i;
      }
      for (unsigned mask = 1; mask < 512; ++mask) {
        if ((mask & ~bases) != 0 || std::popcount(mask) != size) continue;
        unsigned cross = 0;
        for (int i = 0; i < 9; ++i)
          if (mask & (1u << i)) cross |= where[i];
        if (std::popcount(cross) != size) continue;
        Hint hint;
        hint.kind = kind;
        std::vector<int> baseNumbers, crossNumbers;
        for (int i = 0; i < 9; ++i) {
          if (mask & (1u << i)) {
            baseNumbers.push_back(i + 1);
            const Unit& line = Units()[baseFirst + i];
            hint.area.insert(hint.area.end(), line.cells.begin(), line.cells.end());
            for (const int cell : Positions(board, line, d)) hint.cells.push_back(cell);
          }
          if (!(cross & (1u << i))) continue;
          crossNumbers.push_back(i + 1);
          const Unit& line = Units()[crossFirst + i];
          for (int k = 0; k < 9; ++k)
            if (!(mask & (1u << k))) AddRemoval(hint, board, line.cells[k], DigitBit(d));
        }
        if (hint.removals.empty()) continue;
        std::sort(hint.removals.begin(), hint.removals.end(), [](const Removal& a, const Removal& b) { return a.cell < b.cell; });
        if (!board.explain) {
          hint.cells.clear();
          hint.area.clear();
          return hint;
        }
        std::sort(hint.cells.begin(), hint.cells.end());
        std::sort(hint.area.begin(), hint.area.end());
        const Words& w = board.words;
        const char* pattern =
            baseFirst == 0
                ? QT_TRANSLATE_NOOP("Kalvero",
                                    "In rows %1, the %2 can only go in columns %3, so no other cell of columns %3 can be %2")
                : QT_TRANSLATE_NOOP("Kalvero",
                                    "In columns %1, the %2 can only go in rows %3, so no other cell of rows %3 can be %2");
        hint.text = Fill(w.Text(pattern), {NumberList(w, baseNumbers, Last::And), std::to_string(d),
                                           NumberList(w, crossNumbers, Last::And)});
        return hint;
      }
    }
  return std::nullopt;
}

}  // namespace kalvero::hint
