#pragma once
// Creating verified puzzles: one at a level, or a batch with a drawn pattern
// of fixed cells appended to a puzzle file. No window here: the window and
// kalvero-tool both drive these cores and show what they report.
//
// Every attempt makes a new grid (MakeSolution), marks the fixed cells,
// writes the puzzle to the temporary puzzle file, reads it back as the
// current puzzle (which derives the 36 clue sums) and verifies it by logic;
// attempts repeat until one verifies. An attempt whose MakeSolution gave up
// is dropped before anything is written, and the cancel flag is tested after
// every attempt.
//
// A stored PlacementLimit below kLowestCreationLimit would make every grid
// give up, so such a creation solves with kDefaultPlacementLimit instead (the
// stored value itself stays as it is). A creation that still gives up
// kGiveUpsInARowLimit grids in a row ends as cancelled, with the status
// "Creation cancelled", instead of trying forever.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "generator/generator.h"

namespace kalvero {

// Asks a running creation to stop after its current attempt. The window sets
// it from an event handler during a yield and also sets the solver's
// StopRequested there, so the attempt itself ends at the solver's next check
// (MakeSolution clears StopRequested at every attempt, which is why the
// creation needs a flag of its own). Another thread may set the flag, never
// StopRequested.
class CreationControl {
 public:
  void Cancel() { cancel_.store(true, std::memory_order_relaxed); }
  void Reset() { cancel_.store(false, std::memory_order_relaxed); }
  bool Cancelled() const { return cancel_.load(std::memory_order_relaxed); }

 private:
  std::atomic<bool> cancel_{false};
};

// For a creation running on the thread that holds the solver state: the
// cancel flag, and StopRequested so the current solve ends early.
inline void RequestCancel(CreationControl& control, SolverState& solver) {
  control.Cancel();
  solver.StopRequested = true;
}

inline constexpr std::int32_t kLowestCreationLimit = 100;
inline constexpr int kGiveUpsInARowLimit = 20;

// The placement limit a creation solves with when `stored` is the solver's
// limit: stored itself, or kDefaultPlacementLimit when it is below
// kLowestCreationLimit.
std::int32_t CreationPlacementLimit(std::int32_t stored);

enum class CreateStatus {
  Created,
  Cancelled,  // the cancel flag was set, or too many grids were given up in a
              // row; nothing of the attempt was kept
  FileError,  // the temporary or the output file could not be written or read back
};

// What a status text tells: that the search for a puzzle goes on ("Creating
// puzzle (Hard) ...", "Verifying ..."), or how a creation or one of a
// batch's puzzles ended.
enum class CreationPhase { Searching, Ended };

struct CreationHooks {
  // Status texts as they change, in the host's language.
  std::function<void(const std::string&, CreationPhase)> status;
  // Reads puzzle n of a file as the current puzzle; true on success. The
  // window passes its own read, which also shows the puzzle; without one the
  // model's ReadPuzzle is used.
  std::function<bool(const std::string& fileName, std::int32_t n)> read;
  // A batch appended its i-th puzzle to the output file.
  std::function<void(int i)> appended;
  // Whether a verified puzzle (the current one) is kept, as a grade chooses;
  // a puzzle not kept counts as rejected and the creation goes on. Without
  // it every verified puzzle is kept.
  std::function<bool(const PuzzleState&)> keep;
};

struct CreationContext {
  PuzzleState& puzzle;
  SolverState& solver;
  Generator& generator;
  Host& host;
  const CreationControl& control;
  // The temporary puzzle file each attempt is written to and read back from.
  // Empty: the attempt's line is loaded straight back instead, which gives
  // the same puzzle without touching the disk (for the command-line tool).
  std::string tempFile;
  CreationHooks hooks;
};

struct CreateResult {
  CreateStatus status = CreateStatus::Created;
  int attempts = 0;  // grids made or given up, verified or not
  int gaveUp = 0;    // attempts whose MakeSolution gave up
  int rejected = 0;  // verified puzzles the keep hook turned down
  bool tooManyGiveUps = false;  // cancelled after kGiveUpsInARowLimit give-ups in a row
  bool ok() const { return status == CreateStatus::Created; }
};

// One puzzle with the level's pattern of `fixedCount` cells, as the "Create"
// menu makes it. Afterwards the new puzzle is the current one (puzzle 1 of
// the temporary file) with every user entry, computed pencil mark and
// candidate set empty, and the status "Puzzle created (Level)". Cancelled or
// failed, the puzzle state is put back as it was, and so is the temporary
// file's content.
CreateResult CreateLevelPuzzle(CreationContext& ctx, int fixedCount);

// One puzzle with a drawn pattern of fixed cells (FixedFlag = 1), as each
// puzzle of a batch is made; `index` is its number in the batch, for the
// status text "Creating puzzle# i (Level)". On success the puzzle is the
// current one; otherwise the state holds whatever the attempt left.
CreateResult CreatePatternPuzzle(CreationContext& ctx, const Grid<int>& pattern, int index);

struct BatchResult {
  CreateStatus status = CreateStatus::Created;
  int created = 0;          // puzzles appended to the output file
  std::int32_t total = 0;   // lines of the output file afterwards
  int attempts = 0;
  int gaveUp = 0;
  int rejected = 0;
};

// Batch creation: n puzzles with the drawn pattern, each verified and then
// appended as one CR LF line to outFile, with the status "Created puzzle# i"
// after each. A cancel or a file error stops the batch; puzzles already
// appended stay, nothing of the interrupted one is written. Afterwards the
// temporary file holds what it held before, and the puzzle state is the one
// of before the batch, the player's entries included; only its puzzle count
// is counted again, since the batch may have appended to that very file.
BatchResult CreatePuzzleBatch(CreationContext& ctx, const Grid<int>& pattern, int n, const std::string& outFile);

// Number of fixed cells of a drawn pattern.
int PatternCount(const Grid<int>& pattern);

// The batch's question for n > 1: "Create" + Str(n) + " puzzles".
std::string BatchQuestionText(int n, const Words& words = EnglishWords());

// The batch's closing report.
std::string BatchReportText(int n, const std::string& outFile, std::int32_t total, const Words& words = EnglishWords());

// True when Solution holds a digit in every cell and SolutionText all 81.
bool IsCompleteSolution(const PuzzleState& puzzle);

}  // namespace kalvero
