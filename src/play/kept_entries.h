#pragma once
// The player's entries of an unfinished puzzle, kept in a small text file
// when the program ends and brought back at the next start when the same
// puzzle shows again: the same file, the same number and the same line.
//
// The text names the puzzle in three lines ("file=", "number=", "line=")
// and then one line "RC=digits" per open cell holding an entry.
#include <string>

#include "model/puzzle_state.h"

namespace kalvero {

// True when any open cell holds an entry.
bool HasEntries(const PuzzleState& state);

// The text keeping the puzzle's name and its entries.
std::string KeptEntriesText(const PuzzleState& state);

// Writes the kept entries into the state when `text` names the puzzle the
// state shows and every entry is sound (digits 1..9 in an open cell, none
// twice); otherwise leaves the state alone. True when entries came back.
bool RestoreEntries(const std::string& text, PuzzleState& state);

}  // namespace kalvero
