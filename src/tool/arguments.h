#pragma once
// Parsers of the tool's arguments. Each one takes the text of one argument
// and either fills its result or says, in `why`, what is wrong with it, in
// words a script's author can act on ("--jobs must be 1 to 256").
#include <array>
#include <string>

#include "model/puzzle_state.h"

namespace kalvero::tool {

// A whole decimal number within [lo, hi] for the option `name`; otherwise
// why = "NAME must be LO to HI".
bool ParseNumberArgument(const std::string& name, const std::string& text, unsigned long long lo,
                         unsigned long long hi, unsigned long long& value, std::string& why);

// --fixed "r,c r,c ...": at least one cell, each inside the grid and given
// once; flag 1 marks the cells in `pattern`.
bool ParseFixedCells(const std::string& text, Grid<int>& pattern, std::string& why);

// The digit of every cell, 0 for an empty one; index 0 unused.
using CellDigits = std::array<int, kCellCount + 1>;

// A board of givens for a solve, 81 characters. A board containing a
// letter "A".."I" is a puzzle line (letters are givens; digits, and whatever
// else the puzzle reader accepts, empty cells); otherwise "1".."9" are givens
// and "0" or "." empty. Givens that repeat a digit in a row, column or box
// are refused: such a board breaks the rules before any solve.
bool ParseBoard(const std::string& text, CellDigits& digits, std::string& why);

// A puzzle line given on the command line, loaded into `puzzle`. It must be
// exactly the 81 cells: a file's line may carry text after them, but on the
// command line more characters are a mistake (two lines pasted together, a
// stray character), as they are for a BOARD.
bool ParsePuzzleLine(const std::string& text, PuzzleState& puzzle, std::string& why);

// The player's entries for pencil marks, 81 characters: "1".."9" an entry,
// "0" or "." none.
bool ParseEntries(const std::string& text, CellDigits& digits, std::string& why);

}  // namespace kalvero::tool
