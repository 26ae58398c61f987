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
    QT_TRANSLATE_NOOP("Kalvero", "the top-left box"),
    QT_TRANSLATE_NOOP("Kalvero", "the top-middle box"),
    QT_TRANSLATE_NOOP("Kalvero", "the top-right box"),
    QT_TRANSLATE_NOOP("Kalvero", "the middle-left box"),
    QT_TRANSLATE_NOOP("Kalvero", "the centre box"),
    QT_TRANSLATE_NOOP("Kalvero", "the middle-right box"),
    QT_TRANSLATE_NOOP("Kalvero", "the bottom-left box"),
    QT_TRANSLATE_NOOP("Kalvero", "the bottom-middle box"),
    QT_TRANSLATE_NOOP("Kalvero", "the bottom-right box"),
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

// Per cell, the sum areas holding it (bit `area`), and those holding it or
// one of its peers: what a mark or a placement in the cell may change.
struct AreasNear {
  std::array<std::uint64_t, 82> of{};
  std::array<std::uint64_t, 82> around{};
};

constexpr AreasNear BuildAreasNear() {
  AreasNear t{};
  for (int area = 1; area <= kClueCount; ++area)
    for (int k = 1; k <= 3; ++k) t.of[static_cast<std::size_t>(kTables.AreaCells[area][k])] |= std::uint64_t{1} << area;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    t.around[static_cast<std::size_t>(cell)] = t.of[static_cast<std::size_t>(cell)];
    for (const int peer : kPeers.cells[static_cast<std::size_t>(cell)])
      t.around[static_cast<std::size_t>(cell)] |= t.of[peer];
  }
  return t;
}

constexpr AreasNear kAreasNear = BuildAreasNear();

}  // namespace

void Board::AfterPlacing(int cell) {
  if (quietAreas) quietAreas->Touch(kAreasNear.around[static_cast<std::size_t>(cell)]);
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
  if (quietAreas) quietAreas->Touch(kAreasNear.of[static_cast<std::size_t>(cell)]);
  possible[cell] = Possible(position, cell, unseen[cell]);
  placesTaken = 0;
}

DigitSet Board::Placed(const Unit& unit) const {
  DigitSet placed = 0;
  for (const int cell : unit.cells) placed |= position.value[cell];
  return placed;
}


Board MakeBoard(const HintPosition& position, const Words& words) {
  Board board{position, words};
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

std::string CellName(const Words& w, int cell) {
  return Fill(w.Text(QT_TRANSLATE_NOOP("Kalvero", "row %1, column %2")),
              {std::to_string(kTables.RowOf[cell]), std::to_string(kTables.ColOf[cell])});
}

std::string BoxName(const Words& w, int box) { return w.Text(kBoxNames[box]); }

std::string UnitName(const Words& w, const Unit& unit) {
  const std::string number = std::to_string(unit.number);
  switch (unit.kind) {
    case UnitKind::Row: return Fill(w.Text(QT_TRANSLATE_NOOP("Kalvero", "row %1")), {number});
    case UnitKind::Column: return Fill(w.Text(QT_TRANSLATE_NOOP("Kalvero", "column %1")), {number});
    case UnitKind::Box: break;
  }
  return BoxName(w, unit.number);
}

std::string JoinList(const Words& w, const std::vector<std::string>& items, Last last, const char* separator) {
  const std::string lastJoin = w.Text(last == Last::And ? QT_TRANSLATE_NOOP("Kalvero", "%1 and %2")
                                                        : QT_TRANSLATE_NOOP("Kalvero", "%1 or %2"));
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i == 0)
      text = items[i];
    else if (i + 1 == items.size())
      text = Fill(lastJoin, {text, items[i]});
    else
      text += separator + items[i];
  }
  return text;
}

std::string NumberList(const Words& w, const std::vector<int>& numbers, Last last) {
  std::vector<std::string> items;
  for (const int n : numbers) items.push_back(std::to_string(n));
  return JoinList(w, items, last);
}

std::string DigitList(const Words& w, DigitSet digits, Last last) {
  std::vector<int> list;
  for (; digits; digits = DropLowest(digits)) list.push_back(LowestDigit(digits));
  return NumberList(w, list, last);
}

std::string CellsInUnit(const Words& w, const Unit& unit, const std::vector<int>& cells) {
  const bool one = cells.size() == 1;
  std::vector<int> numbers;
  switch (unit.kind) {
    case UnitKind::Row:
      for (const int cell : cells) numbers.push_back(kTables.ColOf[cell]);
      return Fill(w.Text(one ? QT_TRANSLATE_NOOP("Kalvero", "column %1")
                             : QT_TRANSLATE_NOOP("Kalvero", "the cells in columns %1")),
                  {NumberList(w, numbers, Last::And)});
    case UnitKind::Column:
      for (const int cell : cells) numbers.push_back(kTables.RowOf[cell]);
      return Fill(w.Text(one ? QT_TRANSLATE_NOOP("Kalvero", "row %1") : QT_TRANSLATE_NOOP("Kalvero", "the cells in rows %1")),
                  {NumberList(w, numbers, Last::And)});
    case UnitKind::Box: break;
  }
  std::vector<std::string> names;
  for (const int cell : cells) names.push_back(CellName(w, cell));
  const std::string list = JoinList(w, names, Last::And, "; ");
  return one ? list : Fill(w.Text(QT_TRANSLATE_NOOP("Kalvero", "the cells at %1")), {list});
}

std::string Sentence(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

}  // namespace kalvero::hint
