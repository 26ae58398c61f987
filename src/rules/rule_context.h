#pragma once
// What every candidate rule works on: the puzzle's candidate sets and given
// marks, the solver's working board and counters, and the host it yields to.
//
// Rule protocol (rules 2 to 9): a rule scans its units in its own fixed order,
// narrows candidate sets and places values, counts one change per narrowing or
// placement as its header says, stores the count in RuleChangeCount[n], and
// runs PropagateSingles once when the count is not 0. A rule never reports a
// contradiction: empty candidate sets and repeated digits are left for the
// solver's checks.
#include <array>
#include <bit>

#include "model/board.h"
#include "model/host.h"
#include "model/puzzle_state.h"
#include "model/solver_state.h"

namespace kalvero {

class SharedFindings;

struct RuleContext {
  PuzzleState& puzzle;
  SolverState& solver;
  Host& host;
  // Set by the rule loop: what its rules found out about the board, shared
  // while the board stays as it is (rules/shared_findings.h).
  SharedFindings* shared = nullptr;
};

// A unit's nine cells in the order every rule walks it: a row left to right,
// a column top to bottom, a box row-major.
using UnitCells = std::array<int, 10>;  // index 1..9
inline const UnitCells& RowUnit(int r) { return kTables.RowCells[r]; }
inline const UnitCells& ColUnit(int c) { return kTables.ColCells[c]; }
inline const UnitCells& BoxUnit(int b) { return kTables.BoxCells[b]; }

enum class UnitKind { Box, Row, Column };

// A table rather than a switch: the rules ask for every unit they visit.
inline const UnitCells& Unit(UnitKind kind, int n) {
  static constexpr std::array<const std::array<UnitCells, 10>*, 3> kUnits = {&kTables.BoxCells, &kTables.RowCells,
                                                                             &kTables.ColCells};
  return (*kUnits[static_cast<int>(kind)])[n];
}

// A set of units as 27 bits: rows 1..9 are bits 0..8, columns bits 9..17,
// boxes bits 18..26.
using UnitMask = std::uint32_t;

constexpr UnitMask UnitBit(UnitKind kind, int n) {
  const int base = kind == UnitKind::Row ? 0 : kind == UnitKind::Column ? 9 : 18;
  return UnitMask{1} << (base + n - 1);
}

// The three units of every cell.
constexpr std::array<UnitMask, 82> BuildCellUnits() {
  std::array<UnitMask, 82> t{};
  for (int cell = 1; cell <= kCellCount; ++cell)
    t[cell] = UnitBit(UnitKind::Row, kTables.RowOf[cell]) | UnitBit(UnitKind::Column, kTables.ColOf[cell]) |
              UnitBit(UnitKind::Box, kTables.BoxOf[cell]);
  return t;
}
inline constexpr std::array<UnitMask, 82> kCellUnits = BuildCellUnits();

// The units holding a cell with two or more candidates. Rules that only act
// through such cells skip the other units.
// Written without a branch per cell, which the compiler turns into a few
// vector steps.
inline UnitMask OpenUnits(const PuzzleState& puzzle) {
  UnitMask open = 0;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const DigitSet t = puzzle.CellCandidates[cell];
    const UnitMask several = (t & (t - 1)) != 0 ? ~UnitMask{0} : 0;
    open |= kCellUnits[cell] & several;
  }
  return open;
}

// Sums perUnit(kind, n) over the units of `order`, each kind's units 1..9:
// those in `acting` until some unit reports a change, then, in the kinds
// after it, every unit in `open`. A caller that knows which units can act
// on the board as it found it passes them as `acting`; units of one kind
// share no cell and a rule working on a unit changes only that unit's cells,
// so such a mask stays exact for the rest of the kind it was read in.
template <typename PerUnit>
int SumOverUnits(UnitMask acting, UnitMask open, const std::array<UnitKind, 3>& order, PerUnit&& perUnit) {
  int sum = 0;
  for (const UnitKind kind : order) {
    const UnitMask pick = sum == 0 ? acting : open;
    for (UnitMask units = (pick / UnitBit(kind, 1)) & 0x1FF; units != 0; units &= units - 1)
      sum += perUnit(kind, std::countr_zero(units) + 1);
  }
  return sum;
}

// Walks the board once, row by row, adding perCell(cell) to an accumulator
// of the cell's row, column and box. Each accumulator then answers Acts()
// with Acc::kFlags flags; the result holds, per flag, the units that raised
// it. One sweep with 27 accumulators costs less than 27 unit walks through
// the cell tables when the per-cell work is small; rules use it to find the
// few units worth their exact walk. A row is gathered in three thirds kept
// in locals, then merged into the row and the boxes: consecutive cells
// updating one accumulator in memory would chain through a store and a
// reload each.
template <typename Acc, typename PerCell>
std::array<UnitMask, Acc::kFlags> SweepUnits(PerCell&& perCell) {
  std::array<UnitMask, Acc::kFlags> found{};
  const auto mark = [&found](const Acc& acc, int bit) {
    const unsigned flags = acc.Acts();
    for (int f = 0; f < Acc::kFlags; ++f) found[f] |= UnitMask{(flags >> f) & 1} << bit;
  };
  std::array<Acc, 9> column{};
  for (int band = 0; band < 3; ++band) {
    std::array<Acc, 3> box{};
    for (int r = 3 * band; r < 3 * band + 3; ++r) {
      std::array<Acc, 3> third{};
      for (int c = 0; c < 9; ++c) {
        const auto x = perCell(9 * r + c + 1);
        third[c / 3].Add(x);
        column[c].Add(x);
      }
      Acc row = third[0];
      row.Merge(third[1]);
      row.Merge(third[2]);
      mark(row, r);
      for (int i = 0; i < 3; ++i) box[i].Merge(third[i]);
    }
    for (int i = 0; i < 3; ++i) mark(box[i], 18 + 3 * band + i);
  }
  for (int c = 0; c < 9; ++c) mark(column[c], 9 + c);
  return found;
}

// Where the lines cross the boxes: rowSeg[r][i] is the union of the
// candidates of row r in the i-th box it crosses, from the left; colSeg[c][i]
// the same for column c, from the top.
// Left uninitialised until collected: rules keep one at hand for when no
// shared table exists, and most never fill it.
struct LineSegments {
  std::array<std::array<DigitSet, 3>, 10> rowSeg;
  std::array<std::array<DigitSet, 3>, 10> colSeg;
};

inline LineSegments CollectSegments(const DigitSet* cand) {
  LineSegments s;
  for (int c = 1; c <= 9; ++c) s.colSeg[c] = {};
  for (int r = 1; r <= 9; ++r) {
    const DigitSet* row = cand + RowFirstCell(r);
    const int band = (r - 1) / 3;
    for (int i = 0; i < 3; ++i) s.rowSeg[r][i] = row[3 * i] | row[3 * i + 1] | row[3 * i + 2];
    for (int c = 1; c <= 9; ++c) s.colSeg[c][band] |= row[c - 1];
  }
  return s;
}

// The six cells of box b off one of its rows or columns, in the box's
// walking order: offRow[b][i] leaves out the box's (i + 1)-th row, offColumn
// its (i + 1)-th column.
struct OffLineTable {
  std::array<std::array<std::array<std::uint8_t, 6>, 3>, 10> offRow{};
  std::array<std::array<std::array<std::uint8_t, 6>, 3>, 10> offColumn{};
};

constexpr OffLineTable BuildOffLineTable() {
  OffLineTable t{};
  for (int b = 1; b <= 9; ++b)
    for (int i = 0; i < 3; ++i) {
      int nr = 0;
      int nc = 0;
      for (int k = 1; k <= 9; ++k) {
        const auto cell = static_cast<std::uint8_t>(kTables.BoxCells[b][k]);
        if ((k - 1) / 3 != i) t.offRow[b][i][nr++] = cell;
        if ((k - 1) % 3 != i) t.offColumn[b][i][nc++] = cell;
      }
    }
  return t;
}

inline constexpr OffLineTable kOffLine = BuildOffLineTable();

// The cells of box b off row or column `line` (1..9), which crosses it.
constexpr const std::array<std::uint8_t, 6>& OffLineCells(int b, int line, bool isColumn) {
  return isColumn ? kOffLine.offColumn[b][(line - 1) % 3] : kOffLine.offRow[b][(line - 1) % 3];
}

// The 20 distinct peers of every cell (row, column and box, the cell itself
// excluded). Visiting order does not matter to their users.
struct PeerTable {
  std::array<std::array<std::uint8_t, 20>, 82> cells{};
};

constexpr PeerTable BuildPeerTable() {
  PeerTable t{};
  for (int cell = 1; cell <= kCellCount; ++cell) {
    int n = 0;
    for (int x = 1; x <= kCellCount; ++x) {
      if (x == cell) continue;
      if (kTables.RowOf[x] == kTables.RowOf[cell] || kTables.ColOf[x] == kTables.ColOf[cell] ||
          kTables.BoxOf[x] == kTables.BoxOf[cell])
        t.cells[cell][n++] = static_cast<std::uint8_t>(x);
    }
  }
  return t;
}

inline constexpr PeerTable kPeers = BuildPeerTable();

}  // namespace kalvero
