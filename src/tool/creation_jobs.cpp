#include "tool/creation_jobs.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
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

std::string CreationRequest::Description() const {
  return grade ? std::string(InfoOf(*grade).name) + " " + Name() : std::string(Name());
}

void JobStats::Add(const JobStats& other) {
  puzzles += other.puzzles;
  attempts += other.attempts;
  gaveUp += other.gaveUp;
  rejected += other.rejected;
  tooManyGiveUps = tooManyGiveUps || other.tooManyGiveUps;
  puzzleMs.insert(puzzleMs.end(), other.puzzleMs.begin(), other.puzzleMs.end());
}

namespace {

// One job: an engine of its own (puzzle state, solver state, generator and
// random source) and its share of the puzzles. The tool's engines create in
// memory: no temporary file, no window, no messages (a given-up grid is
// counted instead of reported).
class Job {
 public:
  Job(const CreationRequest& request, const PseudoRandom& source, long long share)
      : request_(request), random_(source), share_(share) {
    if (request.grade)
      ctx_.hooks.keep = [grade = *request.grade](const PuzzleState& p) { return GradeOf(p) == grade; };
  }
  Job(const Job&) = delete;
  Job& operator=(const Job&) = delete;

  long long Share() const { return share_; }
  const JobStats& Stats() const { return stats_; }

  // Makes the job's next puzzle; its line, or nothing when the job cannot go on.
  std::optional<std::string> Next() {
    const auto start = Clock::now();
    ++made_;
    const int index = static_cast<int>(std::min<long long>(made_, INT32_MAX));
    const CreateResult r = request_.levelIndex >= 0 ? CreateLevelPuzzle(ctx_, request_.FixedCount())
                                                    : CreatePatternPuzzle(ctx_, request_.pattern, index);
    if (request_.keepTimes) stats_.puzzleMs.push_back(SecondsSince(start) * 1000);
    stats_.attempts += r.attempts;
    stats_.gaveUp += r.gaveUp;
    stats_.rejected += r.rejected;
    stats_.tooManyGiveUps = stats_.tooManyGiveUps || r.tooManyGiveUps;
    if (!r.ok()) return std::nullopt;
    return PuzzleLineOf(puzzle_);
  }
  // Counts a puzzle whose line was taken.
  void Delivered() { ++stats_.puzzles; }

 private:
  const CreationRequest& request_;
  PuzzleState puzzle_;
  SolverState solver_;
  PseudoRandom random_;
  Generator generator_{random_};
  SilentHost host_;
  CreationControl control_;
  CreationContext ctx_{puzzle_, solver_, generator_, host_, control_, "", {}};
  long long share_;
  long long made_ = 0;
  JobStats stats_;
};

// Puts the jobs' lines in the run's order: line k * jobs + j is job j's
// k-th puzzle. A line made before its turn waits in one of `window` slots;
// a job whose line is further ahead than that waits until the lines before
// it are written. The earliest missing line's job never waits (every line
// before it is written), so the run always moves on.
class LineOrder {
 public:
  LineOrder(const LineHandler& onLine, int window) : onLine_(onLine), slots_(static_cast<std::size_t>(window)) {}

  // Hands line `index` on in its turn; false when the run has stopped.
  bool Put(long long index, std::string line) {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [&] { return stopped_ || index < next_ + Window(); });
    if (stopped_) return false;
    slots_[Slot(index)] = std::move(line);
    while (slots_[Slot(next_)]) {
      std::optional<std::string>& slot = slots_[Slot(next_)];
      const bool taken = !onLine_ || onLine_(*slot);
      slot.reset();
      if (!taken) {
        StopLocked();
        return false;
      }
      ++next_;
    }
    room_.notify_all();
    return true;
  }

  // Ends the run: no more lines are taken and no job waits any longer.
  void Stop() {
    const std::lock_guard lock(mutex_);
    StopLocked();
  }

 private:
  long long Window() const { return static_cast<long long>(slots_.size()); }
  std::size_t Slot(long long index) const { return static_cast<std::size_t>(index % Window()); }
  void StopLocked() {
    stopped_ = true;
    room_.notify_all();
  }

  const LineHandler& onLine_;
  std::vector<std::optional<std::string>> slots_;
  long long next_ = 0;
  bool stopped_ = false;
  std::mutex mutex_;
  std::condition_variable room_;
};

// A run's shared parts: its jobs, the line order and the count of puzzles done.
struct Run {
  Run(const CreationRequest& request, long long count, int jobCount, std::uint64_t seed, const LineHandler& onLine)
      : jobs(static_cast<std::size_t>(jobCount)), order(onLine, std::max(16, 4 * jobCount)) {
    PseudoRandom source(seed);
    for (int j = 0; j < jobCount; ++j) {
      const long long share = count / jobCount + (j < count % jobCount ? 1 : 0);
      // Jobs without a puzzle to make need no engine.
      if (share > 0) jobs[static_cast<std::size_t>(j)] = std::make_unique<Job>(request, source, share);
      source.Jump();
    }
  }

  // Lane `lane` of `lanes`: jobs lane, lane + lanes, ... make their k-th
  // puzzles for k = 0, 1, ... in job order, which is the order the lines
  // are written in, so a lane never waits for a line of its own.
  void RunLane(int lane, int lanes) {
    const long long jobCount = static_cast<long long>(jobs.size());
    for (long long k = 0;; ++k) {
      bool any = false;
      for (long long j = lane; j < jobCount; j += lanes) {
        Job* job = jobs[static_cast<std::size_t>(j)].get();
        if (job == nullptr || k >= job->Share()) continue;
        any = true;
        std::optional<std::string> line = job->Next();
        if (!line) {
          order.Stop();
          return;
        }
        if (!order.Put(k * jobCount + j, std::move(*line))) return;
        job->Delivered();
        done.fetch_add(1, std::memory_order_relaxed);
      }
      if (!any) return;
    }
  }

  std::vector<std::unique_ptr<Job>> jobs;
  LineOrder order;
  std::atomic<long long> done{0};
};

}  // namespace

RunSummary RunJobs(const CreationRequest& request, long long count, int jobs, std::uint64_t seed, const LineHandler& onLine,
                   const std::function<void(long long done, double seconds)>& tick, double tickSeconds) {
  const auto start = Clock::now();
  Run run(request, count, jobs, seed, onLine);
  std::mutex mutex;
  std::condition_variable changed;
  int lanes = 0;  // known once every thread that could start has started
  int running = 0;
  const auto work = [&](int lane) {
    {
      std::unique_lock lock(mutex);
      changed.wait(lock, [&] { return lanes > 0; });
    }
    run.RunLane(lane, lanes);
    const std::lock_guard lock(mutex);
    --running;
    changed.notify_all();
  };
  RunSummary summary;
  std::vector<std::thread> threads;
  threads.reserve(static_cast<std::size_t>(jobs));
  for (int j = 0; j < jobs; ++j) {
    try {
      threads.emplace_back(work, j);
    } catch (const std::exception& e) {
      // Out of threads or memory for one more (a process limit, a memory
      // limit): the threads already started share the jobs.
      summary.startFailure = e.what();
      break;
    }
  }
  summary.started = static_cast<int>(threads.size());
  if (threads.empty()) {
    // Not even one thread: every job runs here, without progress reports.
    run.RunLane(0, 1);
  } else {
    const std::lock_guard lock(mutex);
    running = lanes = summary.started;
    changed.notify_all();
  }
  const auto interval = std::chrono::duration<double>(tickSeconds);
  for (;;) {
    {
      std::unique_lock lock(mutex);
      if (changed.wait_for(lock, interval, [&] { return running == 0; })) break;
    }
    if (tick) tick(run.done.load(std::memory_order_relaxed), SecondsSince(start));
  }
  for (auto& t : threads) t.join();
  for (const auto& job : run.jobs)
    if (job) summary.total.Add(job->Stats());
  summary.seconds = SecondsSince(start);
  return summary;
}

}  // namespace kalvero::tool
