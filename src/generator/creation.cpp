#include "generator/creation.h"

#include <sys/stat.h>

#include <cstdio>

#include "model/posix_file.h"
#include "model/puzzle_file.h"
#include "model/text.h"
#include "solver/verify.h"

namespace kalvero {

namespace {

// How an attempt marks its fixed cells: the level's table pattern, or a
// drawn pattern turned into fixed marks and values by PreparePuzzleState.
struct FixedCells {
  int levelCount = 0;
  const Grid<int>* drawn = nullptr;
};

void Status(const CreationContext& ctx, const std::string& text, CreationPhase phase = CreationPhase::Ended) {
  if (ctx.hooks.status) ctx.hooks.status(text, phase);
}

bool Read(CreationContext& ctx, const std::string& fileName, std::int32_t n) {
  if (ctx.hooks.read) return ctx.hooks.read(fileName, n);
  return ReadPuzzle(ctx.puzzle, fileName, n).ok();
}

// Writes the attempt's puzzle to the temporary file and reads it back as the
// current puzzle, in normal (not generating) mode; without a temporary file
// the line is loaded straight back.
bool WriteAndReadBack(CreationContext& ctx) {
  ctx.solver.Generating = false;
  ctx.puzzle.PuzzleCount = 1;
  if (ctx.tempFile.empty()) {
    if (!LoadPuzzleLine(ctx.puzzle, PuzzleLineOf(ctx.puzzle)).ok()) return false;
    ctx.puzzle.PuzzleNumber = 1;
    return true;
  }
  return WritePuzzle(ctx.puzzle, ctx.tempFile, WriteMode::Overwrite) && Read(ctx, ctx.tempFile, 1);
}

// Solves with the creation's placement limit while it lives and puts the
// solver's own limit back afterwards.
class CreationLimitScope {
 public:
  explicit CreationLimitScope(SolverState& solver) : solver_(solver), stored_(solver.PlacementLimit) {
    solver_.PlacementLimit = CreationPlacementLimit(stored_);
  }
  ~CreationLimitScope() { solver_.PlacementLimit = stored_; }
  CreationLimitScope(const CreationLimitScope&) = delete;
  CreationLimitScope& operator=(const CreationLimitScope&) = delete;

 private:
  SolverState& solver_;
  std::int32_t stored_;
};

// Attempts until a puzzle verifies. The status text is the single
// creation's for index 0 and the batch's "Creating puzzle# i" otherwise.
CreateStatus CreateUntilVerified(CreationContext& ctx, const FixedCells& fixed, int index, CreateResult& result) {
  GeneratorContext gen{ctx.puzzle, ctx.solver, ctx.generator, ctx.host};
  const CreationLimitScope limit(ctx.solver);
  int giveUpsInARow = 0;
  for (;;) {
    ctx.host.Yield();
    const Words& w = ctx.host;
    const std::string level = w.Text(LevelName(ctx.puzzle.FixedCount));
    Status(ctx, index == 0 ? Fill(w.Text(QT_TRANSLATE_NOOP("Kalvero", "Creating puzzle (%1) ...")), {level})
                           : Fill(w.Text(QT_TRANSLATE_NOOP("Kalvero", "Creating puzzle#%1 (%2)")), {NumberText(index), level}),
           CreationPhase::Searching);
    ++result.attempts;
    const MakeResult made = MakeSolution(gen);
    if (ctx.control.Cancelled()) return CreateStatus::Cancelled;
    if (made == MakeResult::GaveUp || !IsCompleteSolution(ctx.puzzle)) {
      ++result.gaveUp;
      if (++giveUpsInARow < kGiveUpsInARowLimit) continue;
      result.tooManyGiveUps = true;
      Status(ctx, ctx.host.Text(QT_TRANSLATE_NOOP("Kalvero", "Creation cancelled")));
      return CreateStatus::Cancelled;
    }
    giveUpsInARow = 0;
    if (fixed.drawn) {
      ctx.puzzle.FixedFlag = *fixed.drawn;
      PreparePuzzleState(ctx.puzzle);
    } else {
      ApplyFixedPattern(ctx.puzzle, fixed.levelCount);
    }
    if (!WriteAndReadBack(ctx)) return CreateStatus::FileError;
    Status(ctx, ctx.host.Text(QT_TRANSLATE_NOOP("Kalvero", "Verifying ...")), CreationPhase::Searching);
    const VerifyResult verdict = VerifyPuzzle(ctx.puzzle, ctx.solver, ctx.host);
    if (ctx.control.Cancelled()) return CreateStatus::Cancelled;
    if (verdict != VerifyResult::Verified) continue;
    if (!ctx.hooks.keep || ctx.hooks.keep(ctx.puzzle)) return CreateStatus::Created;
    ++result.rejected;
  }
}

// A creation that ends early leaves the solver as a finished one does: not
// generating, and no stop pending for the next solve.
void SettleSolver(SolverState& solver) {
  solver.Generating = false;
  solver.StopRequested = false;
}

// The temporary file is overwritten by every attempt. A creation that ends
// without a puzzle of its own there (cancelled, failed, or a batch, which
// shows another puzzle afterwards) puts back what the file held before, so it
// never keeps an unverified puzzle and still holds the shown puzzle when
// that came from it.
class TempFileKeeper {
  // The file holds one puzzle line; one of this size is not ours to keep.
  static constexpr std::size_t kTempFileMaxBytes = 1 << 20;

 public:
  explicit TempFileKeeper(const std::string& fileName) : fileName_(fileName) {
    if (fileName_.empty()) return;
    struct stat info {};
    existed_ = ::lstat(fileName_.c_str(), &info) == 0;
    int error = 0;
    kept_ = ReadRegularFile(fileName_, bytes_, error, kTempFileMaxBytes);
  }

  void PutBack() const {
    if (fileName_.empty()) return;
    if (!existed_) {
      // Only a file an attempt wrote is removed, never a folder or a link.
      struct stat info {};
      if (::lstat(fileName_.c_str(), &info) == 0 && S_ISREG(info.st_mode)) std::remove(fileName_.c_str());
      return;
    }
    if (kept_) WriteFileAtomically(fileName_, bytes_);
  }

 private:
  std::string fileName_;
  bool existed_ = false;
  bool kept_ = false;  // bytes_ holds what the file held
  std::string bytes_;
};

}  // namespace

std::int32_t CreationPlacementLimit(std::int32_t stored) {
  return stored < kLowestCreationLimit ? kDefaultPlacementLimit : stored;
}

bool IsCompleteSolution(const PuzzleState& puzzle) {
  if (puzzle.SolutionText.size() != kCellCount) return false;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (puzzle.Solution[r][c] < 1 || puzzle.Solution[r][c] > 9) return false;
  return true;
}

int PatternCount(const Grid<int>& pattern) {
  int count = 0;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) count += pattern[r][c] == 1 ? 1 : 0;
  return count;
}

CreateResult CreateLevelPuzzle(CreationContext& ctx, int fixedCount) {
  const PuzzleState before = ctx.puzzle;
  const TempFileKeeper temp(ctx.tempFile);
  CreateResult result;
  ctx.puzzle.FixedCount = fixedCount;
  result.status = CreateUntilVerified(ctx, FixedCells{fixedCount, nullptr}, 0, result);
  if (!result.ok()) {
    SettleSolver(ctx.solver);
    ctx.puzzle = before;
    temp.PutBack();
    return result;
  }
  PuzzleState& p = ctx.puzzle;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      p.UserEntry[r][c].clear();
      p.CandidateGrid[r][c].clear();
    }
  for (int cell = 1; cell <= kCellCount; ++cell) ClearCellCandidates(p, cell);
  Status(ctx, Fill(ctx.host.Text(QT_TRANSLATE_NOOP("Kalvero", "Puzzle created (%1)")), {ctx.host.Text(LevelName(p.FixedCount))}));
  return result;
}

CreateResult CreatePatternPuzzle(CreationContext& ctx, const Grid<int>& pattern, int index) {
  CreateResult result;
  ctx.puzzle.FixedCount = PatternCount(pattern);
  result.status = CreateUntilVerified(ctx, FixedCells{0, &pattern}, index, result);
  if (!result.ok()) SettleSolver(ctx.solver);
  return result;
}

BatchResult CreatePuzzleBatch(CreationContext& ctx, const Grid<int>& pattern, int n, const std::string& outFile) {
  const PuzzleState shown = ctx.puzzle;
  const TempFileKeeper temp(ctx.tempFile);
  BatchResult batch;
  for (int i = 1; i <= n; ++i) {
    const CreateResult one = CreatePatternPuzzle(ctx, pattern, i);
    batch.attempts += one.attempts;
    batch.gaveUp += one.gaveUp;
    batch.rejected += one.rejected;
    batch.status = one.status;
    if (!one.ok()) break;
    if (!WritePuzzle(ctx.puzzle, outFile, WriteMode::Append)) {
      batch.status = CreateStatus::FileError;
      break;
    }
    ++batch.created;
    Status(ctx, Fill(ctx.host.Text(QT_TRANSLATE_NOOP("Kalvero", "Created puzzle#%1")), {NumberText(i)}));
    if (ctx.hooks.appended) ctx.hooks.appended(i);
  }

  temp.PutBack();
  ctx.puzzle = shown;
  if (shown.PuzzleCount > 0) ctx.puzzle.PuzzleCount = CountPuzzles(shown.PuzzleFileName);
  batch.total = CountPuzzles(outFile);
  return batch;
}

std::string BatchQuestionText(int n, const Words& words) {
  return Fill(words.Text(QT_TRANSLATE_NOOP("Kalvero", "Create%1 puzzles")), {NumberText(n)});
}

std::string BatchReportText(int n, const std::string& outFile, std::int32_t total, const Words& words) {
  return Fill(words.Text(QT_TRANSLATE_NOOP("Kalvero", "%1 puzzles created and saved to:\r\n%2\r\nTotal puzzles in this file=%3")),
              {NumberText(n), outFile, NumberText(total)});
}

}  // namespace kalvero
