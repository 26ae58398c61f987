// File subcommands: count, clues, show.
#include <cstdlib>
#include <iomanip>
#include <ostream>
#include <sstream>

#include "model/line_reader.h"
#include "model/puzzle_file.h"
#include "model/text.h"
#include "tool/commands.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

int Count(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError("count", err);
  out << CountPuzzles(args[0]) << '\n';
  return kExitOk;
}

int Clues(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError("clues", err);
  LineReader reader(args[0]);
  if (!reader.IsOpen()) {
    err << "kalvero-tool: cannot open " << args[0] << '\n';
    return kExitInput;
  }
  std::string line;
  PuzzleState state;
  while (reader.Next(line)) {
    const ReadResult result = LoadPuzzleLine(state, line);
    if (!result.ok()) {
      out << "error: " << ReadFailureText(result) << '\n';
      continue;
    }
    for (int t = 1; t <= kClueCount; ++t) out << (t > 1 ? " " : "") << state.ClueSum[t];
    out << '\n';
  }
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
  unsigned long long number = 0;
  if (args.size() != 2 || !ParseNumber(args[1], 1, INT32_MAX, number)) return UsageError("show", err);
  const auto n = static_cast<std::int32_t>(number);
  PuzzleState state;
  state.PuzzleCount = CountPuzzles(args[0]);
  const ReadResult result = ReadPuzzle(state, args[0], n);
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
