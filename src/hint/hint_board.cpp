// The hint finder's working board and the words that name places on it.
#include "hint/hint_board.h"

#include <algorithm>

#include "model/board.h"
#include "rules/rule_context.h"

namespace kalvero::hint {

namespace {

constexpr std::array<Unit, kUnitCount> BuildUnits() {
  std::array<Unit, kUnitCount> units{};
  for (int n = 1; n <= 9; ++n) {
    units[n - 1].kind = UnitKind::Row;
    units[9 + n - 1].kind = UnitKind::Column;
    units[18 + n - 1].kind = UnitKind::Box;
    for (int k = 1; k <= 9; ++k) {
      units[n - 1].cells[k - 1] = kTables.RowCells[n][k];
      units[9 + n - 1].cells[k - 1] = kTables.ColCells[n][k];
      units[18 + n - 1].cells[k - 1] = kTables.BoxCells[n][k];
    }
    units[n - 1].number = units[9 + n - 1].number = units[18 + n - 1].number = n;
  }
  return units;
}

constexpr std::array<Unit, kUnitCount> kUnits = BuildUnits();

constexpr std::array<const char*, 10> kBoxNames = {
    "",
    "the top-left box",
    "the top-middle box",
    "the top-right box",
    "the middle-left box",
    "the centre box",
    "the middle-right box",
    "the bottom-left box",
    "the bottom-middle box",
    "the bottom-right box",
};

}  // namespace

const std::array<Unit, kUnitCount>& Units() { return kUnits; }

void Board::TakePlaces(const Unit& unit) const {
  const int u = IndexOf(unit);
  DigitTranspose& t = places[static_cast<std::size_t>(u)];
  t = {};
  for (int k = 0; k < 9; ++k) t.Add(possible[unit.cells[k]], k);
  placesTaken |= 1u << u;
}

namespace {

// An open cell's possible digits: those it does not see, narrowed by the
// player's marks unless the marks leave out the stored solution digit.
DigitSet Possible(const HintPosition& position, int cell, DigitSet unseen) {
  const DigitSet marks = position.marks[cell];
  const int solution = position.solution[cell];
  if (marks != 0 && (solution == 0 || HasDigit(marks, solution))) return static_cast<DigitSet>(unseen & marks);
  return unseen;
}

}  // namespace

void Board::AfterPlacing(int cell) {
  const auto digit = static_cast<DigitSet>(~position.value[cell]);
  unseen[cell] = possible[cell] = 0;
  for (const int peer : kPeers.cells[cell]) {
    if (!Open(peer)) continue;
    unseen[peer] &= digit;
    possible[peer] = Possible(position, peer, unseen[peer]);
  }
  placesTaken = 0;
}

void Board::AfterMarking(int cell) {
  if (!Open(cell)) return;
  possible[cell] = Possible(position, cell, unseen[cell]);
  placesTaken = 0;
}

DigitSet Board::Placed(const Unit& unit) const {
  DigitSet placed = 0;
  for (const int cell : unit.cells) placed |= position.value[cell];
  return placed;
}


Board MakeBoard(const HintPosition& position) {
  Board board{position};
  std::array<DigitSet, 10> rowSeen{}, colSeen{}, boxSeen{};
  for (int cell = 1; cell <= kCellCount; ++cell) {
    rowSeen[kTables.RowOf[cell]] |= position.value[cell];
    colSeen[kTables.ColOf[cell]] |= position.value[cell];
    boxSeen[kTables.BoxOf[cell]] |= position.value[cell];
  }
  for (int cell = 1; cell <= kCellCount; ++cell) {
    if (!board.Open(cell)) continue;
    DigitSet possible = static_cast<DigitSet>(
        kAllDigits & ~(rowSeen[kTables.RowOf[cell]] | colSeen[kTables.ColOf[cell]] | boxSeen[kTables.BoxOf[cell]]));
    board.unseen[cell] = possible;
    board.possible[cell] = Possible(position, cell, possible);
  }
  return board;
}

void AddRemoval(Hint& hint, const Board& board, int cell, DigitSet digits) {
  const DigitSet removed = board.possible[cell] & digits;
  if (!board.Open(cell) || removed == 0) return;
  hint.removals.push_back({cell, removed, static_cast<DigitSet>(board.possible[cell] & ~removed)});
}

std::string CellName(int cell) {
  return "row " + std::to_string(kTables.RowOf[cell]) + ", column " + std::to_string(kTables.ColOf[cell]);
}

std::string BoxName(int box) { return kBoxNames[box]; }

std::string UnitName(const Unit& unit) {
  switch (unit.kind) {
    case UnitKind::Row: return "row " + std::to_string(unit.number);
    case UnitKind::Column: return "column " + std::to_string(unit.number);
    case UnitKind::Box: break;
  }
  return BoxName(unit.number);
}

std::string NumberList(const std::vector<int>& numbers, const char* last) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) text += i + 1 == numbers.size() ? std::string(" ") + last + " " : std::string(", ");
    text += std::to_string(numbers[i]);
  }
  return text;
}

std::string DigitList(DigitSet digits, const char* last) {
  std::vector<int> list;
  for (; digits; digits = DropLowest(digits)) list.push_back(LowestDigit(digits));
  return NumberList(list, last);
}

std::string CellsInUnit(const Unit& unit, const std::vector<int>& cells) {
  const bool one = cells.size() == 1;
  std::vector<int> numbers;
  switch (unit.kind) {
    case UnitKind::Row:
      for (const int cell : cells) numbers.push_back(kTables.ColOf[cell]);
      return (one ? "column " : "the cells in columns ") + NumberList(numbers, "and");
    case UnitKind::Column:
      for (const int cell : cells) numbers.push_back(kTables.RowOf[cell]);
      return (one ? "row " : "the cells in rows ") + NumberList(numbers, "and");
    case UnitKind::Box: break;
  }
  std::string text = one ? "" : "the cells at ";
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) text += i + 1 == cells.size() ? " and " : "; ";
    text += CellName(cells[i]);
  }
  return text;
}

std::string Sentence(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

}  // namespace kalvero::hint
