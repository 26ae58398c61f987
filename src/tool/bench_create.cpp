#include "tool/bench_create.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <ostream>
#include <thread>

#include "generator/patterns.h"
#include "hint/grade.h"
#include "hint/rating.h"
#include "model/puzzle_file.h"
#include "tool/arguments.h"
#include "tool/creation_jobs.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

// Options of `bench create`.
struct BenchCreateOptions {
  long long count = 200;   // puzzles per level on one core, and per core on all cores
  std::uint64_t seed = 1;  // job j of a run draws from the seed's source jumped j times
};

bool ParseOptions(const Args& args, BenchCreateOptions& opt, std::string& why) {
  for (std::size_t i = 1; i < args.size(); i += 2) {
    if (args[i] != "--count" && args[i] != "--seed") {
      why = "unknown option \"" + args[i] + "\"";
      return false;
    }
    if (i + 1 >= args.size()) {
      why = args[i] + " needs a value";
      return false;
    }
    unsigned long long v = 0;
    if (args[i] == "--count") {
      if (!ParseNumberArgument("--count", args[i + 1], 1, 1000000, v, why)) return false;
      opt.count = static_cast<long long>(v);
    } else {
      if (!ParseNumberArgument("--seed", args[i + 1], 0, UINT64_MAX, v, why)) return false;
      opt.seed = v;
    }
  }
  return true;
}

bool OnPath(const char* program) {
  const char* path = std::getenv("PATH");
  if (!path) return false;
  std::string dirs = path;
  for (std::size_t start = 0; start <= dirs.size();) {
    const std::size_t colon = std::min(dirs.find(':', start), dirs.size());
    const std::string file = dirs.substr(start, colon - start) + "/" + program;
    if (colon > start && access(file.c_str(), X_OK) == 0) return true;
    start = colon + 1;
  }
  return false;
}

struct QqwingRun {
  bool ran = false;
  long long puzzles = 0;
  double seconds = 0;
};

// qqwing makes puzzles one by one on one core; its lines are counted. When
// it is not installed the run is skipped: the benchmark never installs
// anything itself (scripts/dev.sh bench does).
QqwingRun RunQqwing(int count) {
  QqwingRun run;
  if (!OnPath("qqwing")) return run;
  const std::string command =
      "qqwing --generate " + std::to_string(count) + " --difficulty expert --one-line 2>/dev/null";
  const auto start = std::chrono::steady_clock::now();
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe))
    if (std::string_view(buffer).size() > 81) ++run.puzzles;
  run.ran = pclose(pipe) == 0;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return run;
}

double PerSecond(long long n, double seconds) { return seconds > 0 ? static_cast<double>(n) / seconds : 0; }

// Per level and grade: puzzles of that grade per second on one job and on
// all cores. Combinations that take minutes per puzzle (GradeIsRare) are
// named, not run.
void BenchGrades(const BenchCreateOptions& opt, int cores, std::ostream& out) {
  const long long count = std::max(1LL, opt.count / 40);
  out << "by grade: " << count << " puzzles per level and grade on one core, " << count * cores << " on " << cores
      << (cores == 1 ? " core\n" : " cores\n");
  out << std::left << std::setw(10) << "level" << std::setw(10) << "grade" << std::right << std::setw(20)
      << "puzzles/s(1 core)" << std::setw(21) << "puzzles/s(" + std::to_string(cores) + " cores)" << '\n';
  for (int level = 0; level < static_cast<int>(kCreateLevels.size()); ++level)
    for (const GradeInfo& info : kGrades) {
      CreationRequest request;
      request.levelIndex = level;
      request.grade = info.grade;
      out << std::left << std::setw(10) << request.Name() << std::setw(10) << info.name << std::right;
      if (GradeIsRare(info.grade, request.FixedCount())) {
        out << std::setw(41) << "rare: minutes per puzzle" << '\n';
        continue;
      }
      const RunSummary one = RunJobs(request, count, 1, opt.seed, nullptr, nullptr, 0.2);
      const RunSummary all = RunJobs(request, count * cores, cores, opt.seed, nullptr, nullptr, 0.2);
      out << std::fixed << std::setprecision(1) << std::setw(20) << PerSecond(one.total.puzzles, one.seconds)
          << std::setw(21) << PerSecond(all.total.puzzles, all.seconds) << '\n';
    }
}

}  // namespace

// Per level: one run of `count` puzzles on one engine, then count per core on
// all cores at once. Attempts per puzzle and milliseconds per attempt come
// from the one-core run.
int BenchCreate(const Args& args, std::ostream& out, std::ostream& err) {
  BenchCreateOptions opt;
  std::string why;
  if (!ParseOptions(args, opt, why)) return ArgumentError("bench", why, err);
  const unsigned hw = std::thread::hardware_concurrency();
  const int cores = hw > 0 ? static_cast<int>(hw) : 1;
  const std::string allCores = "puzzles/s(" + std::to_string(cores) + (cores == 1 ? " core)" : " cores)");

  out << "create benchmark: seed " << opt.seed << ", " << opt.count << " puzzles per level on one core, "
      << opt.count * cores << " on " << cores << (cores == 1 ? " core\n" : " cores\n");
  out << std::left << std::setw(10) << "level" << std::right << std::setw(17) << "attempts/puzzle" << std::setw(12)
      << "ms/attempt" << std::setw(17) << "median_ms/puzzle" << std::setw(20) << "puzzles/s(1 core)"
      << std::setw(21) << allCores << '\n';
  double hardAllCores = 0;
  for (int level = 0; level < static_cast<int>(kCreateLevels.size()); ++level) {
    CreationRequest request;
    request.levelIndex = level;
    request.keepTimes = true;
    const RunSummary one = RunJobs(request, opt.count, 1, opt.seed, nullptr, nullptr, 0.2);
    const RunSummary all = RunJobs(request, opt.count * cores, cores, opt.seed, nullptr, nullptr, 0.2);
    const JobStats& t = one.total;
    const double attemptsPerPuzzle = t.puzzles ? static_cast<double>(t.attempts) / static_cast<double>(t.puzzles) : 0;
    const double msPerAttempt = t.attempts ? one.seconds * 1000 / static_cast<double>(t.attempts) : 0;
    const double allRate = PerSecond(all.total.puzzles, all.seconds);
    if (std::string_view(request.Name()) == "Hard") hardAllCores = allRate;
    out << std::left << std::setw(10) << request.Name() << std::right << std::fixed << std::setprecision(2)
        << std::setw(17) << attemptsPerPuzzle << std::setw(12) << std::setprecision(3) << msPerAttempt
        << std::setw(17) << Median(t.puzzleMs) << std::setprecision(1) << std::setw(20)
        << PerSecond(t.puzzles, one.seconds) << std::setw(21) << allRate << '\n';
  }

  BenchGrades(opt, cores, out);

  constexpr int kQqwingCount = 200;
  const QqwingRun q = RunQqwing(kQqwingCount);
  if (!q.ran || q.puzzles == 0) {
    out << "qqwing: " << (OnPath("qqwing") ? "made no puzzles" : "not installed") << "; no comparison\n";
    return kExitOk;
  }
  const double qRate = PerSecond(q.puzzles, q.seconds);
  out << "qqwing --generate " << kQqwingCount << " --difficulty expert --one-line: " << q.puzzles << " puzzles in "
      << std::setprecision(2) << q.seconds << " s, " << std::setprecision(1) << qRate << " puzzles/s\n";
  out << "ratio Hard puzzles/s (" << cores << (cores == 1 ? " core" : " cores") << ") to qqwing expert puzzles/s: "
      << std::setprecision(1) << hardAllCores / qRate << '\n';
  return kExitOk;
}

// Rating: `count` Hard puzzles are created on one engine first (not timed),
// then each is read and rated as `rate` does, one at a time.
int BenchRate(const Args& args, std::ostream& out, std::ostream& err) {
  BenchCreateOptions opt;
  opt.count = 4000;
  std::string why;
  if (!ParseOptions(args, opt, why)) return ArgumentError("bench", why, err);
  CreationRequest request;
  request.levelIndex = static_cast<int>(kCreateLevels.size()) - 1;
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(opt.count));
  RunJobs(request, opt.count, 1, opt.seed, [&lines](const std::string& line) {
    lines.push_back(line);
    return true;
  }, nullptr, 0.2);

  std::vector<double> times;
  times.reserve(lines.size());
  int solved = 0;
  const auto start = std::chrono::steady_clock::now();
  for (const std::string& line : lines) {
    const auto t0 = std::chrono::steady_clock::now();
    PuzzleState puzzle;
    if (LoadPuzzleLine(puzzle, line).ok() && RatePuzzle(puzzle).solved) ++solved;
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  out << "rate benchmark: seed " << opt.seed << ", " << lines.size() << " Hard puzzles, " << solved
      << " solved by hints\n";
  out << std::fixed << std::setprecision(4) << "median_ms/puzzle " << Median(times) << "\nmean_ms/puzzle "
      << (lines.empty() ? 0 : seconds * 1000 / static_cast<double>(lines.size())) << '\n' << std::setprecision(1)
      << "puzzles/s " << PerSecond(static_cast<long long>(lines.size()), seconds) << '\n';
  return kExitOk;
}

}  // namespace kalvero::tool
