#include "tool/arguments.h"

#include <algorithm>
#include <array>

#include "model/board.h"
#include "model/puzzle_file.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

// A character as a reason quotes it: printable ones as they are, others by code.
std::string Quoted(char ch) {
  const auto code = static_cast<unsigned char>(ch);
  if (code >= ' ' && code < 127) return std::string("\"") + ch + '"';
  return "code " + std::to_string(code);
}

bool AllDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// The length check shared by boards and entries.
bool HasCellCount(const std::string& name, const std::string& text, std::string& why) {
  if (text.size() == kCellCount) return true;
  why = name + " must be 81 characters, not " + std::to_string(text.size());
  return false;
}

}  // namespace

bool ParseNumberArgument(const std::string& name, const std::string& text, unsigned long long lo,
                         unsigned long long hi, unsigned long long& value, std::string& why) {
  if (ParseNumber(text, lo, hi, value)) return true;
  why = name + " must be " + std::to_string(lo) + " to " + std::to_string(hi);
  return false;
}

bool ParseFixedCells(const std::string& text, Grid<int>& pattern, std::string& why) {
  Grid<int> cells{};
  int count = 0;
  std::size_t pos = 0;
  for (;;) {
    pos = text.find_first_not_of(" \t", pos);
    if (pos == std::string::npos) break;
    const std::size_t end = std::min(text.find_first_of(" \t", pos), text.size());
    const std::string item = text.substr(pos, end - pos);
    pos = end;
    const std::size_t comma = item.find(',');
    const std::string row = item.substr(0, comma);
    const std::string col = comma == std::string::npos ? "" : item.substr(comma + 1);
    if (!AllDigits(row) || !AllDigits(col)) {
      why = "--fixed: \"" + item + "\" is not a cell r,c";
      return false;
    }
    if (row.size() > 1 || col.size() > 1 || row == "0" || col == "0") {
      why = "--fixed: cell " + item + " is outside the grid";
      return false;
    }
    int& flag = cells[row[0] - '0'][col[0] - '0'];
    if (flag) {
      why = "--fixed: cell " + item + " is given twice";
      return false;
    }
    flag = 1;
    ++count;
  }
  if (count == 0) {
    why = "--fixed: no cells given";
    return false;
  }
  pattern = cells;
  return true;
}

// A board whose givens repeat a digit in a row, column or box breaks the
// rules before any solving; why names the first repeat in cell order.
bool RepeatsAGiven(const CellDigits& digits, std::string& why) {
  static constexpr const char* kUnitNames[] = {"row", "column", "box"};
  std::array<std::array<unsigned, 10>, 3> seen{};  // [unit kind][unit number]: bit d for digit d
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const int digit = digits[cell];
    if (digit == 0) continue;
    const int units[] = {kTables.RowOf[cell], kTables.ColOf[cell], kTables.BoxOf[cell]};
    for (int kind = 0; kind < 3; ++kind) {
      unsigned& bits = seen[kind][units[kind]];
      if (bits & (1u << digit)) {
        why = "BOARD: " + std::to_string(digit) + " is given twice in " + kUnitNames[kind] + ' ' +
              std::to_string(units[kind]);
        return true;
      }
      bits |= 1u << digit;
    }
  }
  return false;
}

bool ParseBoard(const std::string& text, CellDigits& digits, std::string& why) {
  if (!HasCellCount("BOARD", text, why)) return false;
  const bool puzzleLine = std::any_of(text.begin(), text.end(), [](char ch) { return ch >= 'A' && ch <= 'I'; });
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const char ch = text[cell - 1];
    int digit = 0;
    if (puzzleLine) {
      if (static_cast<unsigned char>(ch) > 'I') {
        why = "BOARD: character " + std::to_string(cell) + ' ' + Quoted(ch) + " is not a puzzle line's";
        return false;
      }
      if (ch >= 'A') digit = ch - 'A' + 1;
    } else if (ch >= '1' && ch <= '9') {
      digit = ch - '0';
    } else if (ch != '0' && ch != '.') {
      why = "BOARD: character " + std::to_string(cell) + ' ' + Quoted(ch) + " is not 1-9, 0 or .";
      return false;
    }
    digits[cell] = digit;
  }
  return !RepeatsAGiven(digits, why);
}

bool ParsePuzzleLine(const std::string& text, PuzzleState& puzzle, std::string& why) {
  if (!HasCellCount("LINE", text, why)) return false;
  const ReadResult read = LoadPuzzleLine(puzzle, text);
  if (!read.ok()) why = "LINE: " + ReadFailureText(read);
  return read.ok();
}

bool ParseEntries(const std::string& text, CellDigits& digits, std::string& why) {
  if (!HasCellCount("ENTRIES", text, why)) return false;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const char ch = text[cell - 1];
    if (ch == '0' || ch == '.') {
      digits[cell] = 0;
    } else if (ch >= '1' && ch <= '9') {
      digits[cell] = ch - '0';
    } else {
      why = "ENTRIES: character " + std::to_string(cell) + ' ' + Quoted(ch) + " is not 1-9, 0 or .";
      return false;
    }
  }
  return true;
}

}  // namespace kalvero::tool
