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
#include "tool/arguments.h"
#include "tool/commands.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

// verify FILE: "N R" per line, R = 0, 1 or "error".
int Verify(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return ArgumentCountError("verify", 1, args.size(), err);
  LineReader reader(args[0]);
  SilentHost host;
  SolverState solver;
  std::string line;
  long long n = 0, verified = 0, rejected = 0, errors = 0;
  while (reader.NextHead(line, kCellCount)) {
    ++n;
    PuzzleState state;
    if (!LoadPuzzleLine(state, line).ok()) {
      ++errors;
      out << n << " error\n";
    } else {
      solver.PlacementCount = 0;
      const VerifyResult r = VerifyPuzzle(state, solver, host);
      (r == VerifyResult::Verified ? verified : rejected)++;
      out << n << ' ' << static_cast<int>(r) << '\n';
    }
    if (!out) return OutputFailure(err);
  }
  if (reader.Error()) return ReadFailure(args[0], reader.Error(), err);
  if (!out.flush()) return OutputFailure(err);
  err << n << " lines: " << verified << " verified, " << rejected << " cannot verify, " << errors << " errors\n";
  return kExitOk;
}

// Sets up a solve from the digits of a board as the generator's seeding
// does: givens with value, mark and no candidates, every other cell empty.
void SetUpSolve(const CellDigits& digits, PuzzleState& puzzle, SolverState& solver) {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const int digit = digits[cell];
    solver.CellValue[cell] = digit ? DigitBit(digit) : 0;
    puzzle.FixedMark[cell] = digit != 0;
    puzzle.CellCandidates[cell] = 0;
  }
  solver.Generating = true;
  solver.RuleOrder = kDefaultRuleOrder;
  solver.StopRequested = false;
  solver.PlacementCount = 0;
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
  std::string why;
  for (std::size_t i = 1; i < args.size(); i += 2) {
    if (args[i] != "--limit") return ArgumentError("solve", "unknown option \"" + args[i] + "\"", err);
    if (i + 1 >= args.size()) return ArgumentError("solve", "--limit needs a value", err);
    if (!ParseNumberArgument("--limit", args[i + 1], 0, 1000000000, limit, why)) return ArgumentError("solve", why, err);
  }
  CellDigits digits{};
  if (!ParseBoard(args[0], digits, why)) {
    err << "kalvero-tool: " << why << '\n';
    return kExitInput;
  }
  PuzzleState puzzle;
  SolverState solver;
  SetUpSolve(digits, puzzle, solver);
  solver.PlacementLimit = static_cast<std::int32_t>(limit);
  SilentHost host;
  SolvePuzzle(puzzle, solver, host);
  // A search that meets a repeated digit with nothing left to try stores a
  // code in place of its count: the board has no solution, and the count
  // is lost. It is shown as a failure with 0 placements, never the code.
  const std::int32_t placements =
      solver.PlacementCount == kPlacementCountNoSolution ? 0 : solver.PlacementCount;
  out << "failed=" << (solver.SolveFailed ? 1 : 0) << " placements=" << placements
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
  std::string why;
  if (!ParsePuzzleLine(plain[0], puzzle, why)) {
    err << "kalvero-tool: " << why << '\n';
    return kExitInput;
  }
  if (created)
    for (int cell = 1; cell <= kCellCount; ++cell) puzzle.CellCandidates[cell] = 0;
  if (plain.size() == 2) {
    CellDigits entries{};
    if (!ParseEntries(plain[1], entries, why)) return ArgumentError("pencil", why, err);
    for (int cell = 1; cell <= kCellCount; ++cell) {
      const int r = kTables.RowOf[cell];
      const int c = kTables.ColOf[cell];
      if (entries[cell] && puzzle.FixedFlag[r][c] != 1) puzzle.UserEntry[r][c] = std::to_string(entries[cell]);
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
    std::string why;
    if (i + 1 >= args.size()) return ArgumentError("bench", args[i] + " needs a value", err);
    if (args[i] == "--seed" && ParseNumberArgument("--seed", args[i + 1], 0, UINT32_MAX, v, why))
      opt.seed = static_cast<unsigned>(v);
    else if (args[i] == "--count" && ParseNumberArgument("--count", args[i + 1], 1, 1000000, v, why))
      opt.count = static_cast<int>(v);
    else
      return ArgumentError("bench", why.empty() ? "unknown option \"" + args[i] + "\"" : why, err);
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
    CellDigits digits{};
    std::string why;
    ParseBoard(board, digits, why);
    SetUpSolve(digits, puzzle, solver);
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
