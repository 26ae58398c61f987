// Hint subcommands: rate, and the hint benchmark.
#include <algorithm>
#include <chrono>
#include <iomanip>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "generator/patterns.h"
#include "hint/grade.h"
#include "hint/lead.h"
#include "hint/rating.h"
#include "model/line_reader.h"
#include "model/puzzle_file.h"
#include "tool/commands.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

// One puzzle line of a file with its rating, or the reason it was not rated.
struct RatedLine {
  long long number = 0;
  std::string line;   // the line's first 81 characters: its cells
  std::string error;  // empty when the line was rated
  std::string level;
  Rating rating;
};

// Rates every line of a file. Only a line's 81 cells are read (the rest of
// the line is skipped), so a huge line costs no memory.
bool ReadRated(const std::string& path, std::vector<RatedLine>& lines, std::ostream& err) {
  LineReader reader(path);
  std::string line;
  while (reader.NextHead(line, kCellCount)) {
    RatedLine rated;
    rated.number = static_cast<long long>(lines.size()) + 1;
    rated.line = line;
    PuzzleState puzzle;
    const ReadResult read = LoadPuzzleLine(puzzle, line);
    if (read.ok()) {
      rated.level = LevelWord(puzzle.FixedCount);
      rated.rating = RatePuzzle(puzzle);
      if (!rated.rating.agrees) rated.error = "clues and solution disagree";
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

// The one FILE among a command's arguments, with its options (given before
// or after it) set in `flags`; false with the reason in `why` otherwise.
bool ParseFileAndFlags(const Args& args, std::size_t first, const std::vector<std::pair<const char*, bool*>>& flags,
                       std::string& file, std::string& why) {
  std::size_t files = 0;
  for (std::size_t i = first; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto flag = std::find_if(flags.begin(), flags.end(), [&a](const auto& f) { return a == f.first; });
    if (flag != flags.end()) {
      *flag->second = true;
    } else if (a.size() > 1 && a[0] == '-') {
      why = "unknown option \"" + a + "\"";
      return false;
    } else {
      file = a;
      ++files;
    }
  }
  if (files == 1) return true;
  why = files == 0 ? "FILE is missing" : "one FILE is wanted, not " + std::to_string(files);
  return false;
}

// Takes "--grade G" out of the arguments; false with the reason in `why`
// when it is wrong.
bool TakeGrade(Args& args, std::optional<Grade>& grade, std::string& why) {
  const auto at = std::find(args.begin(), args.end(), "--grade");
  if (at == args.end()) return true;
  if (at + 1 == args.end()) {
    why = "--grade needs a value";
    return false;
  }
  grade = GradeNamed(*(at + 1));
  if (!grade) {
    why = "--grade must be gentle, moderate, tough or fiendish";
    return false;
  }
  args.erase(at, at + 2);
  return true;
}

// rate FILE [--sort] [--grade G]: "N LEVEL STEP COUNT", "N unsolved STEP
// COUNT" or "N error: REASON" per line; with --sort or --grade the puzzle
// lines themselves (their 81 cells), with --grade only those of that grade,
// with --sort easiest first, ties and unrated lines (last) in file order.
int Rate(const Args& given, std::ostream& out, std::ostream& err) {
  Args args = given;
  bool sort = false;
  std::optional<Grade> grade;
  std::string file, why;
  if (!TakeGrade(args, grade, why) || !ParseFileAndFlags(args, 0, {{"--sort", &sort}}, file, why))
    return ArgumentError("rate", why, err);
  std::vector<RatedLine> lines;
  if (!ReadRated(file, lines, err)) return kExitInput;
  if (grade)
    std::erase_if(lines, [&grade](const RatedLine& l) { return !l.error.empty() || GradeOf(l.rating) != grade; });
  if (grade && !sort) {
    for (const RatedLine& l : lines) out << l.line << '\n';
    return kExitOk;
  }
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
// by hints from its givens, timed one FindHint at a time, and the way to
// the next digit (FindDigitLead, the three-press hint) from each. Each position is
// timed a few times and its fastest run kept, so that a time slice lost to
// another process on a busy machine does not pass for a slow position.
// Lines that are no puzzle, or whose solution cannot be rated (CanRate), are
// skipped; a puzzle ends when no hint is found or a hint changes nothing.
int Bench(const Args& args, std::ostream& out, std::ostream& err) {
  std::string file, why;
  if (!ParseFileAndFlags(args, 1, {}, file, why)) return ArgumentError("bench", why, err);
  LineReader reader(file);
  std::vector<double> times;
  std::vector<double> leadTimes;  // the three-press hint's way to the next digit
  std::string line;
  long long puzzles = 0;
  while (reader.NextHead(line, kCellCount)) {
    PuzzleState puzzle;
    if (!LoadPuzzleLine(puzzle, line).ok()) continue;
    HintPosition position = GivensOf(puzzle);
    if (!CanRate(position)) continue;
    ++puzzles;
    for (;;) {
      Hint hint;
      double fastest = 0;
      double fastestLead = 0;
      for (int run = 0; run < kRunsPerPosition; ++run) {
        const auto t0 = Clock::now();
        hint = FindHint(position);
        const auto t1 = Clock::now();
        FindDigitLead(position);
        const auto t2 = Clock::now();
        const double us = std::chrono::duration<double, std::micro>(t1 - t0).count();
        const double leadUs = std::chrono::duration<double, std::micro>(t2 - t1).count();
        fastest = run == 0 ? us : std::min(fastest, us);
        fastestLead = run == 0 ? leadUs : std::min(fastestLead, leadUs);
      }
      times.push_back(fastest);
      leadTimes.push_back(fastestLead);
      if (hint.kind == StepKind::None) break;
      const HintPosition before = position;
      ApplyHint(position, hint);
      if (position.value == before.value && position.marks == before.marks) break;
    }
  }
  if (reader.Error()) return ReadFailure(file, reader.Error(), err);
  const double worst = times.empty() ? 0 : *std::max_element(times.begin(), times.end());
  out << "hint benchmark: " << puzzles << " puzzles, " << times.size() << " positions\n";
  out << std::fixed << std::setprecision(1) << "median_us " << Median(times) << "\nmax_us " << worst << '\n';
  out << "lead_median_us " << Median(leadTimes) << "\nlead_max_us "
      << (leadTimes.empty() ? 0 : *std::max_element(leadTimes.begin(), leadTimes.end())) << '\n';
  return kExitOk;
}

}  // namespace

std::vector<Command> HintCommands() { return {{"rate", "FILE [--sort] [--grade G]", Rate}}; }

std::vector<BenchCommand> HintBenches() { return {{"hint", "FILE", Bench}}; }

}  // namespace kalvero::tool
