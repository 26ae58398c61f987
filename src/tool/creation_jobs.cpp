#include "tool/creation_jobs.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "generator/creation.h"
#include "generator/patterns.h"
#include "model/puzzle_file.h"

namespace kalvero::tool {

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

}  // namespace

int CreationRequest::FixedCount() const {
  return levelIndex >= 0 ? FixedCountOfLevel(levelIndex) : PatternCount(pattern);
}

void JobStats::Add(const JobStats& other) {
  puzzles += other.puzzles;
  attempts += other.attempts;
  gaveUp += other.gaveUp;
  tooManyGiveUps = tooManyGiveUps || other.tooManyGiveUps;
  puzzleMs.insert(puzzleMs.end(), other.puzzleMs.begin(), other.puzzleMs.end());
}

// The tool's engines create in memory: no temporary file, no window, no
// messages (a given-up grid is counted instead of reported).
JobStats RunJob(const CreationRequest& request, long long count, std::uint64_t seed, const LineHandler& onLine,
                std::atomic<long long>& done) {
  PuzzleState puzzle;
  SolverState solver;
  PseudoRandom random(seed);
  Generator generator(random);
  SilentHost host;
  CreationControl control;
  CreationContext ctx{puzzle, solver, generator, host, control, "", {}};
  JobStats stats;
  for (long long i = 1; i <= count; ++i) {
    const auto start = Clock::now();
    const int index = static_cast<int>(std::min<long long>(i, INT32_MAX));
    const CreateResult r = request.levelIndex >= 0 ? CreateLevelPuzzle(ctx, request.FixedCount())
                                                : CreatePatternPuzzle(ctx, request.pattern, index);
    if (request.keepTimes) stats.puzzleMs.push_back(SecondsSince(start) * 1000);
    stats.attempts += r.attempts;
    stats.gaveUp += r.gaveUp;
    stats.tooManyGiveUps = stats.tooManyGiveUps || r.tooManyGiveUps;
    if (!r.ok()) break;
    if (onLine && !onLine(PuzzleLineOf(puzzle))) break;
    ++stats.puzzles;
    done.fetch_add(1, std::memory_order_relaxed);
  }
  return stats;
}

RunSummary RunJobs(const CreationRequest& request, long long count, int jobs, std::uint64_t seed, const LineHandler& onLine,
                   const std::function<void(long long done, double seconds)>& tick, double tickSeconds) {
  const auto start = Clock::now();
  std::atomic<long long> done{0};
  std::vector<JobStats> stats(static_cast<std::size_t>(jobs));
  std::mutex mutex;
  std::condition_variable finished;
  int running = 0;
  // Each thread takes the next job not yet taken until none is left: with a
  // thread per job that is its own, and when fewer threads could start the
  // ones that did run the others' jobs too, each exactly as its own thread
  // would have (same share, same seed).
  std::atomic<int> next{0};
  const auto work = [&] {
    for (int j = next.fetch_add(1); j < jobs; j = next.fetch_add(1)) {
      const long long share = count / jobs + (j < count % jobs ? 1 : 0);
      stats[static_cast<std::size_t>(j)] = RunJob(request, share, seed + static_cast<std::uint64_t>(j), onLine, done);
    }
    const std::lock_guard lock(mutex);
    --running;
    finished.notify_all();
  };
  RunSummary summary;
  std::vector<std::thread> threads;
  threads.reserve(static_cast<std::size_t>(jobs));
  for (int j = 0; j < jobs; ++j) {
    {
      const std::lock_guard lock(mutex);
      ++running;
    }
    try {
      threads.emplace_back(work);
    } catch (const std::exception& e) {
      // Out of threads or memory for one more (a process limit, a memory
      // limit): the threads already running do the rest.
      const std::lock_guard lock(mutex);
      --running;
      summary.startFailure = e.what();
      break;
    }
  }
  summary.started = static_cast<int>(threads.size());
  if (threads.empty()) {
    // Not even one thread: every job runs here, without progress reports.
    ++running;
    work();
  }
  const auto interval = std::chrono::duration<double>(tickSeconds);
  for (;;) {
    {
      std::unique_lock lock(mutex);
      if (finished.wait_for(lock, interval, [&] { return running == 0; })) break;
    }
    if (tick) tick(done.load(std::memory_order_relaxed), SecondsSince(start));
  }
  for (auto& t : threads) t.join();
  for (const JobStats& s : stats) summary.total.Add(s);
  summary.seconds = SecondsSince(start);
  return summary;
}

}  // namespace kalvero::tool
