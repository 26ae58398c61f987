#include "play/kept_entries.h"

#include <sstream>
#include <string_view>

namespace kalvero {

namespace {

constexpr std::string_view kFileKey = "file=";
constexpr std::string_view kNumberKey = "number=";
constexpr std::string_view kLineKey = "line=";

bool IsOpen(const PuzzleState& state, int r, int c) { return state.FixedValue[r][c].empty(); }

// A sound entry: one to nine different digits 1..9.
bool SoundEntry(std::string_view entry) {
  if (entry.empty() || entry.size() > 9) return false;
  unsigned seen = 0;
  for (char ch : entry) {
    if (ch < '1' || ch > '9') return false;
    const unsigned bit = 1u << (ch - '1');
    if (seen & bit) return false;
    seen |= bit;
  }
  return true;
}

bool ReadKeyed(std::istream& in, std::string_view key, std::string& value) {
  std::string line;
  if (!std::getline(in, line) || line.compare(0, key.size(), key) != 0) return false;
  value = line.substr(key.size());
  return true;
}

}  // namespace

bool HasEntries(const PuzzleState& state) {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (IsOpen(state, r, c) && !state.UserEntry[r][c].empty()) return true;
  return false;
}

std::string KeptEntriesText(const PuzzleState& state) {
  std::string text;
  text.append(kFileKey).append(state.PuzzleFileName).append("\n");
  text.append(kNumberKey).append(std::to_string(state.PuzzleNumber)).append("\n");
  text.append(kLineKey).append(state.PuzzleLine).append("\n");
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (IsOpen(state, r, c) && !state.UserEntry[r][c].empty())
        text += std::to_string(r) + std::to_string(c) + "=" + state.UserEntry[r][c] + "\n";
  return text;
}

bool RestoreEntries(const std::string& text, PuzzleState& state) {
  std::istringstream in(text);
  std::string file, number, line;
  if (!ReadKeyed(in, kFileKey, file) || !ReadKeyed(in, kNumberKey, number) || !ReadKeyed(in, kLineKey, line))
    return false;
  if (file != state.PuzzleFileName || number != std::to_string(state.PuzzleNumber) || line != state.PuzzleLine)
    return false;
  Grid<std::string> entries;  // every entry starts empty
  bool any = false;
  for (std::string row; std::getline(in, row);) {
    if (row.size() < 4 || row[2] != '=') return false;
    const int r = row[0] - '0', c = row[1] - '0';
    if (r < 1 || r > 9 || c < 1 || c > 9 || !IsOpen(state, r, c) || !entries[r][c].empty()) return false;
    const std::string entry = row.substr(3);
    if (!SoundEntry(entry)) return false;
    entries[r][c] = entry;
    any = true;
  }
  if (!any) return false;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (IsOpen(state, r, c)) state.UserEntry[r][c] = entries[r][c];
  return true;
}

}  // namespace kalvero
