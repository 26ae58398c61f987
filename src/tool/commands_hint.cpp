// Hint subcommands: rate, and the hint benchmark.
#include <algorithm>
#include <chrono>
#include <iomanip>
#include <ostream>

#include "generator/patterns.h"
#include "hint/rating.h"
#include "model/line_reader.h"
#include "model/puzzle_file.h"
#include "tool/commands.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

// One puzzle line of a file with its rating, or the reason it was not read.
struct RatedLine {
  long long number = 0;
  std::string line;
  std::string error;  // empty when the line was read
  std::string level;
  Rating rating;
};

bool ReadRated(const std::string& path, std::vector<RatedLine>& lines, std::ostream& err) {
  LineReader reader(path);
  std::string line;
  while (reader.Next(line)) {
    RatedLine rated;
    rated.number = static_cast<long long>(lines.size()) + 1;
    rated.line = line;
    PuzzleState puzzle;
    const ReadResult read = LoadPuzzleLine(puzzle, line);
    if (read.ok()) {
      rated.level = LevelWord(puzzle.FixedCount);
      rated.rating = RatePuzzle(puzzle);
    } else {
      rated.error = ReadFailureText(read);
    }
    lines.push_back(std::move(rated));
  }
  if (reader.Error()) {
    ReadFailure(path, reader.Error(), err);
    return false;
  }
  return true;
}

// rate FILE [--sort]: "N LEVEL STEP COUNT", "N unsolved STEP COUNT" or
// "N error: REASON" per line; with --sort the puzzle lines themselves,
// easiest first, ties and unreadable lines (last) in file order.
int Rate(const Args& args, std::ostream& out, std::ostream& err) {
  const bool sort = args.size() == 2 && args[1] == "--sort";
  if (args.size() != 1 && !sort) return UsageError("rate", err);
  std::vector<RatedLine> lines;
  if (!ReadRated(args[0], lines, err)) return kExitInput;
  if (sort) {
    std::stable_sort(lines.begin(), lines.end(), [](const RatedLine& a, const RatedLine& b) {
      if (a.error.empty() != b.error.empty()) return a.error.empty();
      return a.error.empty() && EasierThan(a.rating, b.rating);
    });
    for (const RatedLine& l : lines) out << l.line << '\n';
    return kExitOk;
  }
  for (const RatedLine& l : lines) {
    out << l.number << ' ';
    if (!l.error.empty())
      out << "error: " << l.error;
    else
      out << (l.rating.solved ? l.level : "unsolved") << ' ' << StepName(l.rating.hardest) << ' ' << l.rating.steps;
    out << '\n';
  }
  return kExitOk;
}

// ---- bench hint ------------------------------------------------------------

using Clock = std::chrono::steady_clock;
constexpr int kRunsPerPosition = 5;

// bench hint FILE: every position met while solving each puzzle of the file
// by hints from its givens, timed one FindHint at a time. Each position is
// timed a few times and its fastest run kept, so that a time slice lost to
// another process on a busy machine does not pass for a slow position.
int Bench(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return UsageError("bench", err);
  LineReader reader(args[1]);
  if (!reader.IsOpen()) {
    err << "kalvero-tool: cannot open " << args[1] << '\n';
    return kExitInput;
  }
  std::vector<double> times;
  std::string line;
  long long puzzles = 0;
  while (reader.Next(line)) {
    PuzzleState puzzle;
    if (!LoadPuzzleLine(puzzle, line).ok()) continue;
    ++puzzles;
    HintPosition position = GivensOf(puzzle);
    for (;;) {
      Hint hint;
      double fastest = 0;
      for (int run = 0; run < kRunsPerPosition; ++run) {
        const auto t0 = Clock::now();
        hint = FindHint(position);
        const double us = std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
        fastest = run == 0 ? us : std::min(fastest, us);
      }
      times.push_back(fastest);
      if (hint.kind == StepKind::None) break;
      ApplyHint(position, hint);
    }
  }
  const double worst = times.empty() ? 0 : *std::max_element(times.begin(), times.end());
  out << "hint benchmark: " << puzzles << " puzzles, " << times.size() << " positions\n";
  out << std::fixed << std::setprecision(1) << "median_us " << Median(times) << "\nmax_us " << worst << '\n';
  return kExitOk;
}

}  // namespace

std::vector<Command> HintCommands() { return {{"rate", "FILE [--sort]", Rate}}; }

std::vector<BenchCommand> HintBenches() { return {{"hint", "FILE", Bench}}; }

}  // namespace kalvero::tool
