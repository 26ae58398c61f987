#pragma once
// Puzzle creation on several engines at once, for `create` and `bench
// create`. Every job owns a whole engine (puzzle state, solver state,
// generator and random source), so jobs share nothing but the order their
// finished lines are written in and a counter of finished puzzles.
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hint/grade.h"
#include "model/puzzle_state.h"

namespace kalvero::tool {

// What to create: puzzles of a level, or puzzles with a drawn pattern.
struct CreationRequest {
  int levelIndex = -1;  // 0..2 for a level of the "Create" menu, -1 for `pattern`
  Grid<int> pattern{};  // fixed cells (flag 1) when levelIndex is -1

  // Keep the time of every puzzle (for medians). Off, a job's memory stays
  // the same whatever the count.
  bool keepTimes = false;

  // Only puzzles of this grade are kept, when set.
  std::optional<Grade> grade;

  int FixedCount() const;
  const char* Name() const { return LevelName(FixedCount()); }
  // "Hard", or "Tough Hard" with a grade.
  std::string Description() const;
};

struct JobStats {
  long long puzzles = 0;
  long long attempts = 0;         // grids made, verified or not
  long long gaveUp = 0;           // attempts whose grid was given up
  long long rejected = 0;         // verified puzzles of another grade than the one asked for
  std::vector<double> puzzleMs;   // time of every puzzle in milliseconds, when kept
  bool tooManyGiveUps = false;    // a creation ended after too many grids given up in a row

  void Add(const JobStats& other);
};

// Takes one finished puzzle line, in the run's order; called from the jobs'
// threads, one call at a time. False stops the run (its output failed).
using LineHandler = std::function<bool(const std::string& line)>;

struct RunSummary {
  JobStats total;
  double seconds = 0;        // wall time of the whole run
  int started = 0;           // threads started; fewer than the jobs when starting one failed
  std::string startFailure;  // why a thread could not start, when one could not
};

// `jobs` jobs, each an engine of its own: count is split evenly (the first
// count % jobs jobs make one more) and job j draws from the source seeded
// with `seed` and jumped j times, so job 0 makes what a one-job run makes
// and no two jobs or seeds share a stream. Lines reach onLine in a fixed
// order, whatever the threads' timing: every job's first puzzle in job
// order, then every job's second, and so on. A line made ahead of its turn
// waits in a small window, and a job that gets too far ahead waits for the
// others, so memory stays the same whatever the count. While the jobs run,
// `tick` (when set) is called on the calling thread about every
// `tickSeconds` with the puzzles done so far and the time since the start.
// When the system refuses a thread (too many threads, too little memory),
// the threads that did start share all the jobs, so the run writes the same
// file; with no thread at all the jobs run on the calling thread, without
// ticks. A job that cannot go on (too many grids given up) or a refused line
// ends the run: the lines written are those before the first missing one.
RunSummary RunJobs(const CreationRequest& request, long long count, int jobs, std::uint64_t seed, const LineHandler& onLine,
                   const std::function<void(long long done, double seconds)>& tick, double tickSeconds);

}  // namespace kalvero::tool
