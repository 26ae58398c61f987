// The sum-area step: a clue allows only the digit triples that add up to it
// and fit the three cells' possible digits; a digit that takes part in none
// of them is ruled out.
#include <bit>
#include <cstdint>

#include "hint/hint_board.h"
#include "model/board.h"
#include "solver/verify.h"

namespace kalvero::hint {

namespace {

// "clue 14 above column 3" for the clue's place beside the grid.
std::string ClueName(const Words& w, int area, int sum) {
  const char* pattern = QT_TRANSLATE_NOOP("Kalvero", "clue %1 left of row %2");
  int line = area - 27;
  if (area <= 9) {
    pattern = QT_TRANSLATE_NOOP("Kalvero", "clue %1 above column %2");
    line = area;
  } else if (area <= 18) {
    pattern = QT_TRANSLATE_NOOP("Kalvero", "clue %1 right of row %2");
    line = area - 9;
  } else if (area <= 27) {
    pattern = QT_TRANSLATE_NOOP("Kalvero", "clue %1 below column %2");
    line = area - 18;
  }
  return Fill(w.Text(pattern), {std::to_string(sum), std::to_string(line)});
}

// "the top cell cannot be 2 or 5": the k-th cell (1..3) of an area named by
// its place in the block.
std::string CannotBe(const Words& w, int area, int k, DigitSet out) {
  const bool vertical = area <= 9 || (area >= 19 && area <= 27);
  static constexpr const char* kVertical[] = {
      "", QT_TRANSLATE_NOOP("Kalvero", "the top cell cannot be %1"),
      QT_TRANSLATE_NOOP("Kalvero", "the middle cell cannot be %1"),
      QT_TRANSLATE_NOOP("Kalvero", "the bottom cell cannot be %1")};
  static constexpr const char* kHorizontal[] = {
      "", QT_TRANSLATE_NOOP("Kalvero", "the left cell cannot be %1"),
      QT_TRANSLATE_NOOP("Kalvero", "the middle cell cannot be %1"),
      QT_TRANSLATE_NOOP("Kalvero", "the right cell cannot be %1")};
  return Fill(w.Text(vertical ? kVertical[k] : kHorizontal[k]), {DigitList(w, out, Last::Or)});
}

// True when x, y and z can be spread over the three sets, one each.
bool Fits(const std::array<DigitSet, 3>& sets, int x, int y, int z) {
  const int order[6][3] = {{x, y, z}, {x, z, y}, {y, x, z}, {y, z, x}, {z, x, y}, {z, y, x}};
  for (const auto& o : order)
    if (HasDigit(sets[0], o[0]) && HasDigit(sets[1], o[1]) && HasDigit(sets[2], o[2])) return true;
  return false;
}

// The digit triples that fit, as "1+4+9 and 2+3+9".
std::string FittingTriples(const Words& w, const std::array<DigitSet, 3>& sets, int sum) {
  std::vector<std::string> triples;
  for (int x = 1; x <= 7; ++x)
    for (int y = x + 1; y <= 8; ++y) {
      const int z = sum - x - y;
      if (z > y && z <= 9 && Fits(sets, x, y, z))
        triples.push_back(std::to_string(x) + "+" + std::to_string(y) + "+" + std::to_string(z));
    }
  return Fill(w.Text(triples.size() == 1 ? QT_TRANSLATE_NOOP("Kalvero", "%1 fits") : QT_TRANSLATE_NOOP("Kalvero", "%1 fit")),
              {JoinList(w, triples, Last::And)});
}

}  // namespace

// Areas in clue order; the first whose clue rules out a possible digit.
std::optional<Hint> FindSumArea(const Board& board) {
  constexpr std::uint64_t kAllAreas = ((std::uint64_t{1} << kClueCount) - 1) << 1;
  const std::uint64_t untouched = board.quietAreas ? board.quietAreas->untouched : 0;
  for (std::uint64_t todo = kAllAreas & ~untouched; todo != 0; todo &= todo - 1) {
    const int area = std::countr_zero(todo);
    const auto& cells = kTables.AreaCells[area];
    std::array<DigitSet, 3> sets{};
    for (int k = 1; k <= 3; ++k)
      sets[k - 1] = board.Open(cells[k]) ? board.possible[cells[k]] : board.position.value[cells[k]];
    if (board.quietAreas && board.quietAreas->Quiet(area, sets)) continue;
    const int sum = board.position.clueSum[area];
    const Triple kept = FilterTriple(sets[0], sets[1], sets[2], sum);
    // The digits ruled out of each open cell; none when the clue is
    // contradicted (a set left empty is not a step).
    std::array<DigitSet, 3> out{};
    if (kept.a != 0 && kept.b != 0 && kept.c != 0) {
      const std::array<DigitSet, 3> keptSets = {kept.a, kept.b, kept.c};
      for (int k = 1; k <= 3; ++k)
        if (board.Open(cells[k])) out[k - 1] = static_cast<DigitSet>(sets[k - 1] & ~keptSets[k - 1]);
    }
    if (out == std::array<DigitSet, 3>{}) {
      if (board.quietAreas) board.quietAreas->Record(area, sets);
      continue;
    }
    Hint hint;
    hint.kind = StepKind::SumArea;
    hint.removals.reserve(3);
    const Words& w = board.words;
    std::vector<std::string> consequences;
    for (int k = 1; k <= 3; ++k) {
      if (out[k - 1] == 0) continue;
      AddRemoval(hint, board, cells[k], out[k - 1]);
      if (board.explain) consequences.push_back(CannotBe(w, area, k, out[k - 1]));
    }
    if (!board.explain) return hint;
    hint.cells = {cells[1], cells[2], cells[3]};
    hint.area = hint.cells;
    // Consequences are joined by "and" throughout: "A and B and C".
    std::string consequence = consequences.front();
    for (std::size_t i = 1; i < consequences.size(); ++i)
      consequence = Fill(w.Text(QT_TRANSLATE_NOOP("Kalvero", "%1 and %2")), {consequence, consequences[i]});
    hint.text = Sentence(Fill(w.Text(QT_TRANSLATE_NOOP("Kalvero", "%1: only %2, so %3")),
                              {ClueName(w, area, sum), FittingTriples(w, sets, sum), consequence}));
    return hint;
  }
  return std::nullopt;
}

}  // namespace kalvero::hint
