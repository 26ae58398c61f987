#include "generator/patterns.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace kalvero {

namespace {

struct Position {
  int row;
  int col;
};

// Fixed cells by count, as (row, column).
const std::array<std::vector<Position>, 10> kPatterns = {{
    {},
    {{5, 5}},
    {{1, 1}, {9, 9}},
    {{2, 2}, {5, 5}, {8, 8}},
    {{2, 5}, {5, 2}, {5, 8}, {8, 5}},
    {{2, 5}, {5, 2}, {5, 5}, {5, 8}, {8, 5}},
    {{2, 2}, {2, 5}, {2, 8}, {8, 2}, {8, 5}, {8, 8}},
    {{2, 2}, {2, 5}, {2, 8}, {5, 5}, {8, 2}, {8, 5}, {8, 8}},
    {{2, 2}, {2, 5}, {2, 8}, {5, 2}, {5, 8}, {8, 2}, {8, 5}, {8, 8}},
    {{2, 2}, {2, 5}, {2, 8}, {5, 2}, {5, 5}, {5, 8}, {8, 2}, {8, 5}, {8, 8}},
}};

}  // namespace

int FixedCountOfLevel(int levelIndex) {
  if (levelIndex < 0 || levelIndex >= static_cast<int>(kCreateLevels.size())) return 0;
  return kCreateLevels[levelIndex].fixedCount;
}

int LevelIndexOfText(std::string_view text) {
  std::string upper(text);
  for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  for (int i = 1; i < static_cast<int>(kCreateLevels.size()); ++i) {
    std::string name = kCreateLevels[i].menuText;
    for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (upper == name) return i;
  }
  return 0;
}

std::string LevelOptionName(int levelIndex) { return LevelWord(FixedCountOfLevel(levelIndex)); }

std::string LevelWord(int fixedCount) {
  std::string name = LevelName(fixedCount);
  for (char& ch : name) ch = ch == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return name;
}

std::vector<int> PatternCells(int count) {
  std::vector<int> cells;
  if (count < 1 || count > 9) return cells;
  for (const Position& p : kPatterns[count]) cells.push_back(CellNum(p.row, p.col));
  return cells;
}

void SetPresetPattern(Grid<int>& flags, int count) {
  for (auto& row : flags) row.fill(0);
  if (count < 3 || count > 9) return;
  for (const Position& p : kPatterns[count]) flags[p.row][p.col] = 1;
}

std::vector<int> RandomPatternCells(RandomSource& random, int m) {
  std::vector<std::string> list;
  list.reserve(kCellCount);
  for (int k = 1; k <= kCellCount; ++k) {
    const int v = static_cast<int>(std::floor(998 * random.Next() + 1));
    char text[32];
    std::snprintf(text, sizeof text, "%03d %d", v, k);
    list.emplace_back(text);
  }
  std::sort(list.begin(), list.end());
  std::vector<int> cells;
  for (int i = 0; i < m && i < kCellCount; ++i) cells.push_back(std::stoi(list[i].substr(4)));
  return cells;
}

}  // namespace kalvero
