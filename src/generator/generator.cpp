#include "generator/generator.h"

#include <cmath>

#include "generator/patterns.h"
#include "model/text.h"
#include "solver/solver.h"

namespace kalvero {

namespace {

void Solve(GeneratorContext& ctx) { SolvePuzzle(ctx.puzzle, ctx.solver, ctx.host); }

}  // namespace

std::string GiveUpText(int blankTarget, int tries, const Words& words) {
  return Fill(words.Text(QT_TRANSLATE_NOOP("Kalvero", "Could not create a puzzle with%1 blanks in%2 Tries")),
              {NumberText(blankTarget), NumberText(tries)});
}

// The candidate sets need no re-storing after a successful build: storing a
// set trims nothing, unlike the candidate texts it stands for.
MakeResult MakeSolution(GeneratorContext& ctx) {
  ctx.generator.BlankTarget = 1;
  ctx.solver.StopRequested = false;
  ctx.host.Yield();
  BuildSolutionGrid(ctx);
  if (!ctx.solver.StopRequested) return MakeResult::Made;
  ClearWork(ctx);
  return MakeResult::GaveUp;
}

// Each try seeds a fresh board and solves it; PlacementCount is reset once
// per try, so every solve of the try shares one placement budget. The grid is
// accepted when BlankTarget cells can be blanked one by one with each
// blanked board still solving uniquely (no failure, no open branch point).
void BuildSolutionGrid(GeneratorContext& ctx) {
  SolverState& s = ctx.solver;
  PuzzleState& p = ctx.puzzle;
  Generator& g = ctx.generator;
  ClearWork(ctx);
  ctx.host.Yield();
  int tries = 0;
  for (;;) {
    s.BranchStack.Clear();
    s.Generating = true;
    s.PlacementCount = 0;
    ++tries;
    ClearWork(ctx);
    SeedGrid(ctx);
    Solve(ctx);

    int blanks = 0;
    for (int attempt = 1; attempt <= kBlankAttempts; ++attempt) {
      if (s.StopRequested) return;
      const int c = PickCellToBlank(ctx);
      if (c == 0) break;
      const DigitSet keptValue = s.CellValue[c];
      const DigitSet keptCandidates = p.CellCandidates[c];
      const bool keptMark = p.FixedMark[c];
      s.CellValue[c] = 0;
      ClearCellCandidates(p, c);
      p.FixedMark[c] = false;

      SaveWork(ctx);
      s.BranchStack.Clear();
      Solve(ctx);
      RestoreWork(ctx);
      if (!s.BranchStack.Empty() || s.SolveFailed) {
        s.CellValue[c] = keptValue;
        p.CellCandidates[c] = keptCandidates;
        p.FixedMark[c] = keptMark;
        SaveWork(ctx);
        --blanks;
      }
      ++blanks;
      if (blanks >= g.BlankTarget) break;
    }
    if (blanks >= g.BlankTarget) break;

    if (tries >= kSolutionTries) {
      ctx.host.Message(GiveUpText(g.BlankTarget, tries, ctx.host), "vbok+vbexclamation");
      ctx.host.Yield();
      ClearWork(ctx);
      s.StopRequested = true;
      return;
    }
  }

  SaveWork(ctx);
  s.BranchStack.Clear();
  Solve(ctx);

  p.SolutionText.clear();
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const int digit = DigitNumber(s.CellValue[cell]);
    if (digit > 0) p.SolutionText += std::to_string(digit);
    p.Solution[kTables.RowOf[cell]][kTables.ColOf[cell]] = digit;
  }
}

void SeedGrid(GeneratorContext& ctx) {
  for (int d = 1; d <= 9; ++d) {
    int pos = static_cast<int>(std::floor(9 * ctx.generator.random->Next())) + 1;
    if (pos > 9) pos = 9;
    const int cell = kTables.BoxCells[d][pos];
    ctx.solver.CellValue[cell] = DigitBit(d);
    ctx.puzzle.FixedMark[cell] = true;
  }
}

int PickCellToBlank(GeneratorContext& ctx) {
  std::array<int, 9> best{};
  int bestCount = 0;
  for (int b = 1; b <= 9; ++b) {
    std::array<int, 9> filled{};
    int n = 0;
    for (int k = 1; k <= 9; ++k) {
      const int cell = kTables.BoxCells[b][k];
      if (ctx.solver.CellValue[cell] != 0) filled[n++] = cell;
    }
    if (n > bestCount) {
      best = filled;
      bestCount = n;
    }
  }
  if (bestCount == 0) return 0;
  int pos = static_cast<int>(std::floor(bestCount * ctx.generator.random->Next() + 0.5)) + 1;
  if (pos > bestCount) pos = bestCount;
  return best[pos - 1];
}

void ClearWork(GeneratorContext& ctx) {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    ctx.solver.CellValue[cell] = 0;
    ctx.puzzle.FixedMark[cell] = false;
    ClearCellCandidates(ctx.puzzle, cell);
  }
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      ctx.puzzle.FixedValue[r][c].clear();
      ctx.puzzle.UserEntry[r][c].clear();
    }
}

void SaveWork(GeneratorContext& ctx) {
  WorkSnapshot& w = ctx.generator.snapshot;
  w.value = ctx.solver.CellValue;
  w.candidates = ctx.puzzle.CellCandidates;
  w.fixedMark = ctx.puzzle.FixedMark;
}

void RestoreWork(GeneratorContext& ctx) {
  const WorkSnapshot& w = ctx.generator.snapshot;
  ctx.solver.CellValue = w.value;
  ctx.puzzle.CellCandidates = w.candidates;
  ctx.puzzle.FixedMark = w.fixedMark;
}

void ApplyFixedPattern(PuzzleState& puzzle, int count) {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      puzzle.UserEntry[r][c].clear();
      puzzle.FixedMark[CellNum(r, c)] = false;
    }
  for (const int cell : PatternCells(count)) puzzle.FixedMark[cell] = true;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const int cell = CellNum(r, c);
      puzzle.CandidateGrid[r][c].clear();
      puzzle.FixedValue[r][c].clear();
      puzzle.FixedFlag[r][c] = 0;
      if (puzzle.FixedMark[cell]) {
        puzzle.FixedValue[r][c] = std::to_string(puzzle.Solution[r][c]);
        SetCellCandidates(puzzle, cell, puzzle.FixedValue[r][c]);
        puzzle.FixedFlag[r][c] = 1;
      }
    }
  puzzle.SavedEntry = puzzle.UserEntry;
}

}  // namespace kalvero
