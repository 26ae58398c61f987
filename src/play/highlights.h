#pragma once
// What the board tints while playing, as the player chose: every cell that
// holds the selected cell's digit (and, lightly, its row, column and box),
// and mistakes as they happen. Mistakes are judged by the rules and the
// clues alone, never by the stored solution: a digit twice in a row, column
// or box, and a sum area whose digits already pass its clue or, once full,
// fall short of it.
#include <vector>

#include "model/puzzle_state.h"

namespace kalvero {

// The player's aids that can be switched off; their values live in the
// per-user settings file.
struct PlayerAids {
  bool sameDigit = true;        // cells holding the selected digit
  bool sameDigitLines = false;  // the selected cell's row, column and box, lightly
  bool mistakes = false;        // "Show mistakes as you go"
  bool timer = true;            // the play-time label
  bool operator==(const PlayerAids&) const = default;
};

struct Highlights {
  std::vector<int> sameDigit;  // cells, ascending
  std::vector<int> lines;      // the selected cell's row, column and box, ascending, itself left out
  std::vector<int> mistakes;   // the player's cells with a repeated digit or in a broken sum area, ascending
};

Highlights FindHighlights(const PuzzleState& state, const PlayerAids& options);

}  // namespace kalvero
