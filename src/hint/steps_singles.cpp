// The first rungs of the ladder: a wrong placed digit, a cell with one
// possible digit, a digit with one place in a unit.
#include <algorithm>

#include "hint/hint_board.h"
#include "model/board.h"

namespace kalvero::hint {

namespace {

// The cells of a cell's row, column and box, ascending, each once.
std::vector<int> PeerArea(int cell) {
  std::vector<int> area;
  for (const Unit* unit : {&RowUnit(kTables.RowOf[cell]), &ColumnUnit(kTables.ColOf[cell]), &BoxUnit(kTables.BoxOf[cell])})
    area.insert(area.end(), unit->cells.begin(), unit->cells.end());
  std::sort(area.begin(), area.end());
  area.erase(std::unique(area.begin(), area.end()), area.end());
  return area;
}

}  // namespace

// Player's digits (never givens) that differ from the stored solution, in
// cell order. The right digit is not revealed.
std::optional<Hint> FindWrongValue(const Board& board) {
  const HintPosition& p = board.position;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    if (p.given[cell] || p.value[cell] == 0 || p.solution[cell] == 0) continue;
    const int digit = LowestDigit(p.value[cell]);
    if (digit == p.solution[cell]) continue;
    Hint hint;
    hint.kind = StepKind::WrongValue;
    hint.cell = cell;
    hint.digit = digit;
    hint.cells = {cell};
    hint.text = Fill(board.words.Text(QT_TRANSLATE_NOOP("Kalvero", "The %1 in %2 is wrong")),
                     {std::to_string(digit), CellName(board.words, cell)});
    return hint;
  }
  return std::nullopt;
}

std::string NakedSingleText(const Words& w, int cell, int digit, SingleReason reason) {
  const char* pattern = QT_TRANSLATE_NOOP("Kalvero", "%1 can only be %2: no other digit is left among its marks");
  if (reason == SingleReason::Unseen)
    pattern = QT_TRANSLATE_NOOP("Kalvero", "%1 can only be %2: every other digit is already in its row, column or box");
  else if (reason == SingleReason::LeadSteps)
    pattern = QT_TRANSLATE_NOOP("Kalvero", "%1 can only be %2: the steps above leave it no other digit");
  return Sentence(Fill(w.Text(pattern), {CellName(w, cell), std::to_string(digit)}));
}

// An open cell with exactly one possible digit, in cell order.
std::optional<Hint> FindNakedSingle(const Board& board) {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    if (!board.Open(cell) || !IsSingle(board.possible[cell])) continue;
    Hint hint;
    hint.kind = StepKind::NakedSingle;
    hint.cell = cell;
    hint.digit = LowestDigit(board.possible[cell]);
    hint.cells = {cell};
    const bool unseen = board.unseen[cell] == board.possible[cell];
    if (unseen) hint.area = PeerArea(cell);
    hint.text = NakedSingleText(board.words, cell, hint.digit, unseen ? SingleReason::Unseen : SingleReason::Marks);
    return hint;
  }
  return std::nullopt;
}

namespace {

// For each unit, in Units() order, the digits possible in exactly one of its
// cells. A row is read as two words of four cells and its ninth cell: the
// words' lanes count the row's cells, a band's words count its columns, and
// the lanes of a band's columns merge into its boxes.
std::array<DigitSet, kUnitCount> OnceInUnits(const CellList<DigitSet>& possible) {
  std::array<DigitSet, kUnitCount> once{};
  LaneOnceCounter columnsLeft, columnsRight;  // columns 1-4 and 5-8
  OnceCounter columnNine;
  for (int band = 0; band < 3; ++band) {
    LaneOnceCounter left, right;
    OnceCounter nine;
    for (int r = 3 * band; r < 3 * band + 3; ++r) {
      const DigitSet* row = &possible[static_cast<std::size_t>(9 * r + 1)];
      const std::uint64_t a = LaneWord(row);
      const std::uint64_t b = LaneWord(row + 4);
      left.Add(a);
      right.Add(b);
      nine.Add(row[8]);
      LaneOnceCounter cells;
      cells.Add(a);
      cells.Add(b);
      OnceCounter rowCount = cells.Folded();
      rowCount.Add(row[8]);
      once[static_cast<std::size_t>(r)] = rowCount.ExactlyOnce();
    }
    OnceCounter boxes[3] = {left.Shifted(0, 3).Folded(), left.Lane(3), right.Shifted(2, 2).Folded()};
    boxes[1].Merge(right.Shifted(0, 2).Folded());
    boxes[2].Merge(nine);
    for (int k = 0; k < 3; ++k) once[static_cast<std::size_t>(18 + 3 * band + k)] = boxes[k].ExactlyOnce();
    columnsLeft.Merge(left);
    columnsRight.Merge(right);
    columnNine.Merge(nine);
  }
  for (int k = 0; k < 4; ++k) {
    once[static_cast<std::size_t>(9 + k)] = columnsLeft.Lane(k).ExactlyOnce();
    once[static_cast<std::size_t>(13 + k)] = columnsRight.Lane(k).ExactlyOnce();
  }
  once[17] = columnNine.ExactlyOnce();
  return once;
}

}  // namespace

// A digit with exactly one possible cell in a unit; boxes first, as they are
// the easiest to see, then rows, then columns. Placed digits are possible
// nowhere, so the digits possible in exactly one of a unit's cells are its
// hidden singles.
std::optional<Hint> FindHiddenSingle(const Board& board) {
  const std::array<DigitSet, kUnitCount> once = OnceInUnits(board.possible);
  for (const int first : {18, 0, 9})
    for (int u = first; u < first + 9; ++u) {
      if (once[static_cast<std::size_t>(u)] == 0) continue;
      const Unit& unit = Units()[static_cast<std::size_t>(u)];
      const int d = LowestDigit(once[static_cast<std::size_t>(u)]);
      const int cell = *std::find_if(unit.cells.begin(), unit.cells.end(),
                                     [&](int c) { return HasDigit(board.possible[c], d); });
      Hint hint;
      hint.kind = StepKind::HiddenSingle;
      hint.cell = cell;
      hint.digit = d;
      if (!board.explain) return hint;
      hint.cells = {cell};
      hint.area.assign(unit.cells.begin(), unit.cells.end());
      const Words& w = board.words;
      hint.text = Fill(w.Text(QT_TRANSLATE_NOOP("Kalvero", "In %1, the %2 can only go in %3")),
                       {UnitName(w, unit), std::to_string(d), CellsInUnit(w, unit, {cell})});
      return hint;
    }
  return std::nullopt;
}

}  // namespace kalvero::hint
