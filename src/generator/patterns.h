#pragma once
// The creation levels and the fixed-cell patterns.
//
// One table drives the levels: its position is the level index of the
// "Create" menu and of the level list (0, 1, 2), and each entry names the
// number of fixed cells asked for. The level's display name is always
// LevelName(count); its command-line name is derived from that.
//
// The pattern table gives, for 1..9 fixed cells, the cells a created puzzle
// fixes; every position is a box centre except for the two corners of count 2.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "generator/random_source.h"
#include "model/puzzle_state.h"

namespace kalvero {

struct CreateLevel {
  const char* menuText;  // menu item and level-list entry
  int fixedCount;        // fixed cells of a puzzle of this level
};

inline constexpr std::array<CreateLevel, 3> kCreateLevels = {{
    {kLevelNames[0], 9},
    {kLevelNames[1], 6},
    {kLevelNames[2], 3},
}};

// Fixed cells for a level index 0..2; 0 for any other index (the menu's
// separator and "Cancel" create nothing).
int FixedCountOfLevel(int levelIndex);

// The level index the create button uses for the level list's text: "EASY"
// and "HARD" (upper-cased) give 1 and 2, every other text 0.
int LevelIndexOfText(std::string_view text);

// "very-easy", "easy", "hard": the level's name for the command line.
std::string LevelOptionName(int levelIndex);
// The same word for a count of fixed cells: LevelName(count) in lower case
// with a hyphen for the blank.
std::string LevelWord(int fixedCount);

// The cell numbers of the pattern for `count` fixed cells, in row-major
// order; empty for counts outside 1..9.
std::vector<int> PatternCells(int count);

// The batch window's presets: every flag cleared, then for counts 3 to 9 the
// cells of the pattern table set; other counts set nothing.
void SetPresetPattern(Grid<int>& flags, int count);

// The batch window's "Random" pattern of m cells (1..49): every cell k gets
// the text of a random number 1..998 in three digits, a blank and k; the
// texts are sorted as text and the cells of the first m are taken. Equal
// numbers order their cells by text, so cell 45 comes before cell 5. Returns
// the cells in that sorted order.
std::vector<int> RandomPatternCells(RandomSource& random, int m);

inline constexpr int kRandomPatternMax = 49;

}  // namespace kalvero
