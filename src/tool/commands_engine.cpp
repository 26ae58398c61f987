// Engine subcommands: verify, solve, pencil, and the engine benchmark.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iomanip>
#include <ostream>
#include <random>

#include "model/line_reader.h"
#include "model/puzzle_file.h"
#include "solver/solver.h"
#include "solver/verify.h"
#include "tool/commands.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

// verify FILE: "N R" per line, R = 0, 1 or "error".
int Verify(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError("verify", err);
  LineReader reader(args[0]);
  if (!reader.IsOpen()) {
    err << "kalvero-tool: cannot open " << args[0] << '\n';
    return kExitInput;
  }
  SilentHost host;
  SolverState solver;
  std::string line;
  long long n = 0, verified = 0, rejected = 0, errors = 0;
  while (reader.Next(line)) {
    ++n;
    PuzzleState state;
    if (!LoadPuzzleLine(state, line).ok()) {
      ++errors;
      out << n << " error\n";
      continue;
    }
    solver.PlacementCount = 0;
    const VerifyResult r = VerifyPuzzle(state, solver, host);
    (r == VerifyResult::Verified ? verified : rejected)++;
    out << n << ' ' << static_cast<int>(r) << '\n';
  }
  err << n << " lines: " << verified << " verified, " << rejected << " cannot verify, " << errors << " errors\n";
  return kExitOk;
}

// Sets up a solve from an 81-character board as the generator's seeding
// does: givens with value, mark and no candidates, every other cell empty.
// A board containing a letter "A".."I" is a puzzle line (letters are givens;
// digits, and whatever else the puzzle reader accepts, empty cells);
// otherwise "1".."9" are givens and "0" or "." empty.
bool SetUpSolve(const std::string& board, PuzzleState& puzzle, SolverState& solver) {
  if (board.size() != kCellCount) return false;
  const bool puzzleLine = std::any_of(board.begin(), board.end(), [](char ch) { return ch >= 'A' && ch <= 'I'; });
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const char ch = board[cell - 1];
    int digit = 0;
    if (puzzleLine) {
      if (static_cast<unsigned char>(ch) > 'I') return false;
      if (ch >= 'A') digit = ch - 'A' + 1;
    } else if (ch >= '1' && ch <= '9') {
      digit = ch - '0';
    } else if (ch != '0' && ch != '.') {
      return false;
    }
    solver.CellValue[cell] = digit ? DigitBit(digit) : 0;
    puzzle.FixedMark[cell] = digit != 0;
    puzzle.CellCandidates[cell] = 0;
  }
  solver.Generating = true;
  solver.RuleOrder = kDefaultRuleOrder;
  solver.StopRequested = false;
  solver.PlacementCount = 0;
  return true;
}

std::string BoardText(const SolverState& solver) {
  std::string text;
  for (int cell = 1; cell <= kCellCount; ++cell) text += static_cast<char>('0' + DigitNumber(solver.CellValue[cell]) % 10);
  return text;
}

// solve BOARD [--limit N]
int Solve(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return UsageError("solve", err);
  unsigned long long limit = kDefaultPlacementLimit;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--limit" && i + 1 < args.size() && ParseNumber(args[i + 1], 0, 1000000000, limit)) {
      ++i;
      continue;
    }
    return UsageError("solve", err);
  }
  PuzzleState puzzle;
  SolverState solver;
  if (!SetUpSolve(args[0], puzzle, solver)) {
    err << "kalvero-tool: a board is 81 characters: \"1\"-\"9\" given, \"0\" or \".\" empty, or a puzzle line\n";
    return kExitInput;
  }
  solver.PlacementLimit = static_cast<std::int32_t>(limit);
  SilentHost host;
  SolvePuzzle(puzzle, solver, host);
  out << "failed=" << (solver.SolveFailed ? 1 : 0) << " placements=" << solver.PlacementCount
      << " branchpoints=" << solver.BranchStack.Points() << " board=" << BoardText(solver) << '\n';
  return kExitOk;
}

// pencil LINE [ENTRIES] [--created]
int Pencil(const Args& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> plain;
  bool created = false;
  for (const auto& a : args) {
    if (a == "--created")
      created = true;
    else
      plain.push_back(a);
  }
  if (plain.empty() || plain.size() > 2) return UsageError("pencil", err);
  PuzzleState puzzle;
  const ReadResult read = LoadPuzzleLine(puzzle, plain[0]);
  if (!read.ok()) {
    err << "kalvero-tool: " << ReadFailureText(read) << '\n';
    return kExitInput;
  }
  if (created)
    for (int cell = 1; cell <= kCellCount; ++cell) puzzle.CellCandidates[cell] = 0;
  if (plain.size() == 2) {
    const std::string& entries = plain[1];
    if (entries.size() != kCellCount) return UsageError("pencil", err);
    for (int cell = 1; cell <= kCellCount; ++cell) {
      const char ch = entries[cell - 1];
      const int r = kTables.RowOf[cell];
      const int c = kTables.ColOf[cell];
      if (ch == '0' || ch == '.') continue;
      if (ch < '1' || ch > '9') return UsageError("pencil", err);
      if (puzzle.FixedFlag[r][c] != 1) puzzle.UserEntry[r][c] = std::string(1, ch);
    }
  }
  ComputePencilMarks(puzzle);
  for (int cell = 1; cell <= kCellCount; ++cell)
    out << (cell > 1 ? "|" : "") << puzzle.CandidateGrid[kTables.RowOf[cell]][kTables.ColOf[cell]];
  out << '\n';
  return kExitOk;
}

// ---- bench engine ----------------------------------------------------------

struct BenchOptions {
  unsigned seed = 1;  // random seed for the seed positions and the levels
  int count = 200;    // number of nine-seed solves (and so of grids)
};

using Clock = std::chrono::steady_clock;

double Micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// Given cells of the three single-creation levels: box centres.
std::vector<int> LevelGivens(int level) {
  switch (level) {
    case 9: return {11, 14, 17, 38, 41, 44, 65, 68, 71};
    case 6: return {11, 14, 17, 65, 68, 71};
    default: return {11, 41, 71};
  }
}

void PrintRow(std::ostream& out, const char* name, const std::vector<double>& v) {
  out << std::left << std::setw(26) << name << std::right << std::setw(6) << v.size() << std::setw(12) << std::fixed
      << std::setprecision(1) << Median(v) << '\n';
}

int Bench(const Args& args, std::ostream& out, std::ostream& err) {
  BenchOptions opt;
  for (std::size_t i = 1; i < args.size(); i += 2) {
    unsigned long long v = 0;
    if (i + 1 >= args.size()) return UsageError("bench", err);
    if (args[i] == "--seed" && ParseNumber(args[i + 1], 0, UINT32_MAX, v))
      opt.seed = static_cast<unsigned>(v);
    else if (args[i] == "--count" && ParseNumber(args[i + 1], 1, 1000000, v))
      opt.count = static_cast<int>(v);
    else
      return UsageError("bench", err);
  }

  std::mt19937 rng(opt.seed);
  SilentHost host;
  std::vector<double> solveTimes, acceptedTimes, rejectedTimes, pencilTimes;
  std::vector<std::string> grids;
  for (int i = 0; i < opt.count; ++i) {
    PuzzleState puzzle;
    SolverState solver;
    std::string board(kCellCount, '0');
    for (int d = 1; d <= 9; ++d) board[kTables.BoxCells[d][1 + rng() % 9] - 1] = static_cast<char>('0' + d);
    SetUpSolve(board, puzzle, solver);
    const auto t0 = Clock::now();
    const SolveResult r = SolvePuzzle(puzzle, solver, host);
    solveTimes.push_back(Micros(Clock::now() - t0));
    if (r.solved) grids.push_back(BoardText(solver));
  }

  SolverState solver;
  for (const std::string& grid : grids) {
    const int level = std::array{9, 6, 3}[rng() % 3];
    std::string line = grid;
    for (const int cell : LevelGivens(level)) line[cell - 1] = static_cast<char>(line[cell - 1] - '0' + 64);
    PuzzleState loaded;
    LoadPuzzleLine(loaded, line);
    PuzzleState work = loaded;
    auto t0 = Clock::now();
    const VerifyResult v = VerifyPuzzle(work, solver, host);
    (v == VerifyResult::Verified ? acceptedTimes : rejectedTimes).push_back(Micros(Clock::now() - t0));
    work = loaded;
    t0 = Clock::now();
    ComputePencilMarks(work);
    pencilTimes.push_back(Micros(Clock::now() - t0));
  }

  out << "engine benchmark: seed " << opt.seed << ", " << opt.count << " nine-seed solves, " << grids.size()
      << " grids\n";
  out << std::left << std::setw(26) << "operation" << std::right << std::setw(6) << "runs" << std::setw(12)
      << "median_us" << '\n';
  PrintRow(out, "VerifyPuzzle accepted", acceptedTimes);
  PrintRow(out, "VerifyPuzzle rejected", rejectedTimes);
  PrintRow(out, "SolvePuzzle nine seeds", solveTimes);
  PrintRow(out, "ComputePencilMarks", pencilTimes);
  return kExitOk;
}

}  // namespace

std::vector<Command> EngineCommands() {
  return {
      {"verify", "FILE", Verify},
      {"solve", "BOARD [--limit N]", Solve},
      {"pencil", "LINE [ENTRIES] [--created]", Pencil},
  };
}

std::vector<BenchCommand> EngineBenches() { return {{"engine", "[--seed S] [--count N]", Bench}}; }

}  // namespace kalvero::tool
