// The solver's quiet board: recording it at the end of a rule loop, and
// telling where a later board differs from it.
#include <cstring>

#include "rules/shared_findings.h"

namespace kalvero {

std::optional<QuietDiff> DiffFromQuiet(const PuzzleState& puzzle, const SolverState& solver) {
  const QuietBoard& q = solver.Quiet;
  if (q.rules == 0 || std::memcmp(q.fixed.data(), puzzle.FixedMark.data(), sizeof q.fixed) != 0) return std::nullopt;
  // Cell by cell in one flat loop without branches, which the compiler runs
  // on several cells at once; the units gather the result afterwards.
  std::array<DigitSet, kCellCount> differs;
  for (int i = 0; i < kCellCount; ++i) {
    const DigitSet t = puzzle.CellCandidates[i + 1], qt = q.candidates[i + 1];
    const DigitSet v = solver.CellValue[i + 1], qv = q.values[i + 1];
    const bool sizeChanged = ((t == 0) != (qt == 0)) | (((t & (t - 1)) == 0) != ((qt & (qt - 1)) == 0));
    const auto all = static_cast<DigitSet>(t | qt | v | qv);
    differs[i] = static_cast<DigitSet>((t ^ qt) | (v ^ qv) | (all & -static_cast<DigitSet>(sizeChanged)));
  }
  // Band by band, the band's and its boxes' unions in locals.
  QuietDiff diff;
  std::array<DigitSet, 9> col{};
  for (int band = 0; band < 3; ++band) {
    std::array<DigitSet, 3> box{};
    DigitSet inBand = 0;
    for (int r = 3 * band; r < 3 * band + 3; ++r) {
      const DigitSet* row = differs.data() + 9 * r;
      std::array<DigitSet, 3> third{};
      for (int i = 0; i < 3; ++i) third[i] = static_cast<DigitSet>(row[3 * i] | row[3 * i + 1] | row[3 * i + 2]);
      for (int c = 0; c < 9; ++c) col[c] |= row[c];
      const auto all = static_cast<DigitSet>(third[0] | third[1] | third[2]);
      diff.units |= UnitMask{all != 0} << r;
      inBand |= all;
      for (int i = 0; i < 3; ++i) box[i] |= third[i];
    }
    diff.band[band] = inBand;
    for (int i = 0; i < 3; ++i) diff.units |= UnitMask{box[i] != 0} << (18 + 3 * band + i);
  }
  for (int c = 0; c < 9; ++c) {
    diff.units |= UnitMask{col[c] != 0} << (9 + c);
    diff.stack[c / 3] |= col[c];
  }
  return diff;
}

void RecordQuietBoard(const PuzzleState& puzzle, SolverState& solver, std::string_view order) {
  QuietBoard& q = solver.Quiet;
  q.candidates = puzzle.CellCandidates;
  q.values = solver.CellValue;
  q.fixed = puzzle.FixedMark;
  q.rules = 0;
  for (const char ch : order)
    if (ch >= '2' && ch <= '9') q.rules = static_cast<std::uint16_t>(q.rules | (1u << (ch - '0')));
}

}  // namespace kalvero
