#pragma once
// The working view every step of the ladder reads: the possible digits of
// each open cell, the 27 units, and the words that name places on the board.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hint/hint.h"

namespace kalvero::hint {

// Units 0..8 are rows 1..9, 9..17 columns 1..9, 18..26 boxes 1..9.
inline constexpr int kUnitCount = 27;
enum class UnitKind { Row, Column, Box };

struct Unit {
  UnitKind kind;
  int number;                  // 1..9
  std::array<int, 9> cells;    // in row, column or box order
};

const std::array<Unit, kUnitCount>& Units();
inline const Unit& RowUnit(int r) { return Units()[r - 1]; }
inline const Unit& ColumnUnit(int c) { return Units()[9 + c - 1]; }
inline const Unit& BoxUnit(int b) { return Units()[18 + b - 1]; }

// Sum areas whose clue, for the three sets last seen in them, rules out
// nothing: the sum-area step passes over an area whose sets are the same
// again. A rating keeps one for all the boards of a puzzle. The board marks
// the areas whose cells it changes, so an area with no changed cell is
// passed over without reading its sets.
struct QuietAreas {
  std::array<std::array<DigitSet, 3>, 37> sets{};
  std::array<bool, 37> known{};
  std::uint64_t untouched = 0;  // bit `area`: recorded, and no cell of it changed since

  bool Quiet(int area, const std::array<DigitSet, 3>& now) {
    if (!known[area] || sets[area] != now) return false;
    untouched |= std::uint64_t{1} << area;
    return true;
  }
  void Record(int area, const std::array<DigitSet, 3>& now) {
    sets[area] = now;
    known[area] = true;
    untouched |= std::uint64_t{1} << area;
  }
  void Touch(std::uint64_t areas) { untouched &= ~areas; }
};

struct Board {
  const HintPosition& position;
  const Words& words;             // the language of the sentences
  CellList<DigitSet> possible{};  // digits still possible in an open cell, 0 for a placed one
  CellList<DigitSet> unseen{};    // the same from the placed digits alone, before the marks
  // Whether hints found on the board get their sentence, cells and area. A
  // rating needs only what a hint changes and turns this off.
  bool explain = true;
  // When set, the sum-area step reads and fills it, and AfterPlacing and
  // AfterMarking mark the areas they change: a board that keeps one changes
  // its digits only through those two.
  QuietAreas* quietAreas = nullptr;

  // Per unit, where each digit is possible: one transposition of the unit's
  // cells answers Where for all nine digits. Taken when first asked for, as
  // many boards are only looked at cell by cell.
  mutable std::array<DigitTranspose, kUnitCount> places{};
  mutable std::uint32_t placesTaken = 0;
  void TakePlaces(const Unit& unit) const;

  // Keep the board in step with its position after the position changed:
  // the digit just placed in a cell, or a cell's marks just rewritten. The
  // board then reads as MakeBoard would make it.
  void AfterPlacing(int cell);
  void AfterMarking(int cell);

  bool Open(int cell) const { return position.value[cell] == 0; }
  // Digits placed in the unit.
  DigitSet Placed(const Unit& unit) const;
  // The unit's positions (bit k for its k-th cell) where the digit is possible.
  unsigned Where(const Unit& unit, int d) const {
    const int u = IndexOf(unit);
    if (!(placesTaken & (1u << u))) TakePlaces(unit);
    return places[static_cast<std::size_t>(u)].Where(d);
  }
  // Units()'s index of a unit.
  static int IndexOf(const Unit& unit) {
    return (unit.kind == UnitKind::Row ? 0 : unit.kind == UnitKind::Column ? 9 : 18) + unit.number - 1;
  }
};

// Possible digits from the placed digits and the marks the player kept.
// Marks that leave out the stored solution digit are not trusted.
Board MakeBoard(const HintPosition& position, const Words& words = EnglishWords());

// The ladder on a board whose position agrees with its solution
// (SolutionAgrees), from rung `from` on: the caller knows the rungs before it
// find nothing. A contradiction (an open cell without a possible digit)
// gives a hint of kind None.
Hint FindStep(const Board& board, StepKind from = StepKind::WrongValue);

// Collects removals into a hint, skipping cells and digits already out.
void AddRemoval(Hint& hint, const Board& board, int cell, DigitSet digits);

// Steps of the ladder; each returns the first thing it finds.
std::optional<Hint> FindWrongValue(const Board& board);
std::optional<Hint> FindNakedSingle(const Board& board);
std::optional<Hint> FindHiddenSingle(const Board& board);
std::optional<Hint> FindSumArea(const Board& board);
std::optional<Hint> FindNakedSubset(const Board& board, int size);
std::optional<Hint> FindHiddenSubset(const Board& board, int size);
std::optional<Hint> FindLineBox(const Board& board);
std::optional<Hint> FindLockedCandidates(const Board& board);
std::optional<Hint> FindLinePattern(const Board& board, int size);

// ---- words ----
// Why a cell can hold only one digit: every other digit is placed in its
// row, column or box; the player's marks leave it one; or, in a lead, the
// steps before it left it one.
enum class SingleReason { Unseen, Marks, LeadSteps };
std::string NakedSingleText(const Words& w, int cell, int digit, SingleReason reason);
// The last joint of a list: "2, 5 and 7" or "2, 5 or 7".
enum class Last { And, Or };
// "row 3, column 7"
std::string CellName(const Words& w, int cell);
// "row 3", "column 7", "the top-left box"
std::string UnitName(const Words& w, const Unit& unit);
std::string BoxName(const Words& w, int box);
// The cells as seen inside their unit: "column 7" or "the cells in columns 2
// and 5" of a row, the same with rows of a column, "row 1, column 2" or "the
// cells at row 1, column 2 and row 2, column 3" of a box.
std::string CellsInUnit(const Words& w, const Unit& unit, const std::vector<int>& cells);
// "a", "a and b", "a, b and c" (or with "or"), the earlier items parted by `separator`.
std::string JoinList(const Words& w, const std::vector<std::string>& items, Last last, const char* separator = ", ");
// "5", "3 and 8", "2, 5 and 7" (or with "or")
std::string DigitList(const Words& w, DigitSet digits, Last last);
// "2", "2 and 7", "1, 4 and 6"
std::string NumberList(const Words& w, const std::vector<int>& numbers, Last last);
// Upper-cases the first letter of a sentence.
std::string Sentence(std::string text);

}  // namespace kalvero::hint
