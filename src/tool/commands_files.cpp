// File subcommands: count, clues, show.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iomanip>
#include <ostream>
#include <sstream>

#include "model/line_reader.h"
#include "model/puzzle_file.h"
#include "model/text.h"
#include "tool/arguments.h"
#include "tool/commands.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

// Lines of a file, counted without keeping any; -1 after reporting a file
// that cannot be read.
long long CountLines(const std::string& path, std::ostream& err) {
  LineReader reader(path);
  long long count = 0;
  while (reader.Skip()) ++count;
  if (reader.Error()) {
    ReadFailure(path, reader.Error(), err);
    return -1;
  }
  return count;
}

int Count(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return ArgumentCountError("count", 1, args.size(), err);
  const long long count = CountLines(args[0], err);
  if (count < 0) return kExitInput;
  out << count << '\n';
  return kExitOk;
}

int Clues(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return ArgumentCountError("clues", 1, args.size(), err);
  LineReader reader(args[0]);
  std::string line;
  PuzzleState state;
  while (reader.NextHead(line, kCellCount)) {
    const ReadResult result = LoadPuzzleLine(state, line);
    if (!result.ok()) {
      out << "error: " << ReadFailureText(result) << '\n';
    } else {
      for (int t = 1; t <= kClueCount; ++t) out << (t > 1 ? " " : "") << state.ClueSum[t];
      out << '\n';
    }
    if (!out) return OutputFailure(err);
  }
  if (reader.Error()) return ReadFailure(args[0], reader.Error(), err);
  return kExitOk;
}

// One board row of the readable grid: left clue, nine cells, right clue.
// Given cells are shown in brackets.
void PrintRow(const PuzzleState& s, int r, std::ostream& out) {
  out << std::setw(4) << s.ClueSum[27 + r] << " |";
  for (int c = 1; c <= 9; ++c) {
    const bool given = s.FixedFlag[r][c] == 1;
    out << (given ? '[' : ' ') << s.Solution[r][c] << (given ? ']' : ' ');
    if (c % 3 == 0) out << '|';
  }
  out << ' ' << std::setw(2) << s.ClueSum[9 + r] << '\n';
}

void PrintClueRow(const PuzzleState& s, int first, std::ostream& out) {
  out << "      ";
  for (int c = 1; c <= 9; ++c) {
    out << std::setw(2) << s.ClueSum[first + c - 1] << ' ';
    if (c % 3 == 0) out << ' ';
  }
  out << '\n';
}

int Show(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return ArgumentCountError("show", 2, args.size(), err);
  unsigned long long number = 0;
  std::string why;
  if (!ParseNumberArgument("N", args[1], 1, INT32_MAX, number, why)) return ArgumentError("show", why, err);
  const auto n = static_cast<std::int32_t>(number);
  const long long lines = CountLines(args[0], err);
  if (lines < 0) return kExitInput;
  PuzzleState state;
  state.PuzzleCount = static_cast<std::int32_t>(std::min<long long>(lines, INT32_MAX));
  const ReadResult result = ReadPuzzle(state, args[0], n, kCellCount);
  if (!result.ok()) {
    err << "kalvero-tool: " << args[0] << " line " << n << ": " << ReadFailureText(result) << '\n';
    return kExitInput;
  }
  out << BaseName(args[0]) << "  p#" << NumberText(n) << " of" << NumberText(state.PuzzleCount) << "  "
      << LevelName(state.FixedCount) << " (" << state.FixedCount << " given, shown in [ ])\n\n";
  const std::string rule = "     +---------+---------+---------+\n";
  PrintClueRow(state, 1, out);
  for (int r = 1; r <= 9; ++r) {
    if (r % 3 == 1) out << rule;
    PrintRow(state, r, out);
  }
  out << rule;
  PrintClueRow(state, 19, out);
  return kExitOk;
}

}  // namespace

std::vector<Command> FileCommands() {
  return {
      {"count", "FILE", Count},
      {"clues", "FILE", Clues},
      {"show", "FILE N", Show},
  };
}

}  // namespace kalvero::tool
