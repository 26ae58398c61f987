// Generator subcommands: seedgrid, create, and the "create" benchmark's
// registration.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <memory>
#include <mutex>
#include <ostream>
#include <sstream>
#include <thread>

#include "generator/generator.h"
#include "generator/patterns.h"
#include "model/line_reader.h"
#include "model/puzzle_file.h"
#include "tool/bench_create.h"
#include "tool/commands.h"
#include "tool/creation_jobs.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

// seedgrid P1 ... P9: the grid MakeSolution makes from a fresh engine when
// the nine seed draws put digit d on the Pd-th cell of box d and every later
// draw is 0.
int SeedGridCommand(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 9) return UsageError("seedgrid", err);
  std::vector<double> draws;
  for (const std::string& a : args) {
    unsigned long long p = 0;
    if (!ParseNumber(a, 1, 9, p)) return UsageError("seedgrid", err);
    draws.push_back((static_cast<double>(p) - 0.5) / 9);
  }
  PuzzleState puzzle;
  SolverState solver;
  ScriptedRandom random(std::move(draws), 0.0);
  Generator generator(random);
  SilentHost host;
  GeneratorContext ctx{puzzle, solver, generator, host};
  if (MakeSolution(ctx) == MakeResult::GaveUp)
    out << "gave up\n";
  else
    out << puzzle.SolutionText << '\n';
  return kExitOk;
}

// Options of `create`.
struct CreateOptions {
  CreationRequest request;       // --level or --fixed: which cells are fixed
  bool havePattern = false;   // one of the two was given
  long long count = 0;     // --count: puzzles to create
  std::string outFile;     // --out: file the lines are appended to; "" = standard output
  std::uint64_t seed = 0;  // --seed: job j draws from seed + j
  bool seeded = false;     // --seed was given; otherwise the clock seeds
  int jobs = 1;            // --jobs: engines running side by side
};

// "r,c r,c ..." into a pattern; false on a malformed or repeated cell.
bool ParseFixedCells(const std::string& text, Grid<int>& pattern) {
  std::istringstream in(text);
  std::string item;
  int count = 0;
  while (in >> item) {
    if (item.size() != 3 || item[1] != ',' || item[0] < '1' || item[0] > '9' || item[2] < '1' || item[2] > '9')
      return false;
    int& flag = pattern[item[0] - '0'][item[2] - '0'];
    if (flag) return false;
    flag = 1;
    ++count;
  }
  return count > 0;
}

bool ParseCreateOptions(const Args& args, CreateOptions& opt) {
  const unsigned cores = std::thread::hardware_concurrency();
  opt.jobs = cores > 0 ? static_cast<int>(cores) : 1;
  for (std::size_t i = 0; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) return false;
    const std::string& name = args[i];
    const std::string& value = args[i + 1];
    unsigned long long v = 0;
    if (name == "--level" && !opt.havePattern) {
      opt.request.levelIndex = -1;
      for (int level = 0; level < static_cast<int>(kCreateLevels.size()); ++level)
        if (value == LevelOptionName(level)) opt.request.levelIndex = level;
      if (opt.request.levelIndex < 0) return false;
      opt.havePattern = true;
    } else if (name == "--fixed" && !opt.havePattern) {
      if (!ParseFixedCells(value, opt.request.pattern)) return false;
      opt.havePattern = true;
    } else if (name == "--count" && ParseNumber(value, 1, 1000000000, v)) {
      opt.count = static_cast<long long>(v);
    } else if (name == "--out" && !value.empty()) {
      opt.outFile = value;
    } else if (name == "--seed" && ParseNumber(value, 0, UINT64_MAX, v)) {
      opt.seed = v;
      opt.seeded = true;
    } else if (name == "--jobs" && ParseNumber(value, 1, 256, v)) {
      opt.jobs = static_cast<int>(v);
    } else {
      return false;
    }
  }
  return opt.havePattern && opt.count > 0;
}

// Where finished lines go, one whole line per write and never two at once:
// a puzzle file gets CR LF lines appended (a last line without its line end
// is ended first), standard output plain LF lines.
class LineSink {
 public:
  LineSink(std::ostream& out, const std::string& fileName) : out_(out) {
    if (fileName.empty()) return;
    const bool endLastLine = LacksFinalLineEnd(fileName);
    file_.reset(std::fopen(fileName.c_str(), "ab"));
    if (file_ && endLastLine) failed_ = std::fputs("\r\n", file_.get()) < 0 || std::fflush(file_.get()) != 0;
    toFile_ = true;
  }

  bool IsOpen() const { return !toFile_ || file_ != nullptr; }
  bool Failed() const { return failed_; }

  void Write(const std::string& line) {
    const std::lock_guard lock(mutex_);
    if (!toFile_) {
      out_ << line << '\n';
      out_.flush();
      return;
    }
    const std::string text = line + "\r\n";
    if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size() || std::fflush(file_.get()) != 0)
      failed_ = true;
  }

 private:
  std::ostream& out_;
  FilePtr file_;
  bool toFile_ = false;
  bool failed_ = false;
  std::mutex mutex_;
};

std::string Fixed(double value, int decimals) {
  std::ostringstream s;
  s << std::fixed << std::setprecision(decimals) << value;
  return s.str();
}

// create (--level L | --fixed CELLS) --count N [--out FILE] [--seed S] [--jobs J]
int CreateCommand(const Args& args, std::ostream& out, std::ostream& err) {
  CreateOptions opt;
  if (!ParseCreateOptions(args, opt)) return UsageError("create", err);
  if (!opt.seeded) opt.seed = ClockSeed();
  LineSink sink(out, opt.outFile);
  if (!sink.IsOpen()) {
    err << "kalvero-tool: cannot write " << opt.outFile << '\n';
    return kExitInput;
  }
  const std::string what = std::to_string(opt.count) + " (" + opt.request.Name() + ")";
  const bool terminal = isatty(STDERR_FILENO) == 1;
  int ticks = 0;
  const auto progress = [&](long long done, double seconds) {
    ++ticks;
    if (!terminal && ticks % 10 != 0) return;
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
    const std::string left = rate > 0 ? Fixed(static_cast<double>(opt.count - done) / rate, 1) + " s left" : "";
    err << (terminal ? "\r" : "") << "created " << done << " of " << what << ", " << Fixed(rate, 1)
        << " puzzles/s, " << left << (terminal ? "   " : "\n") << std::flush;
  };
  const RunSummary run = RunJobs(opt.request, opt.count, opt.jobs, opt.seed,
                                 [&sink](const std::string& line) { sink.Write(line); }, progress, 0.2);
  const JobStats& t = run.total;
  const double rate = run.seconds > 0 ? static_cast<double>(t.puzzles) / run.seconds : 0;
  err << (terminal ? "\r" : "") << "created " << t.puzzles << " of " << what << " in " << Fixed(run.seconds, 2)
      << " s, " << Fixed(rate, 1) << " puzzles/s, "
      << Fixed(t.puzzles ? static_cast<double>(t.attempts) / static_cast<double>(t.puzzles) : 0, 2)
      << " attempts per puzzle, " << t.gaveUp << " grids given up, seed " << opt.seed << ", " << opt.jobs
      << " jobs\n";
  if (sink.Failed()) {
    err << "kalvero-tool: writing " << opt.outFile << " failed\n";
    return kExitInput;
  }
  return kExitOk;
}

}  // namespace

std::vector<Command> GeneratorCommands() {
  return {
      {"seedgrid", "P1 P2 P3 P4 P5 P6 P7 P8 P9", SeedGridCommand},
      {"create", "(--level very-easy|easy|hard | --fixed \"r,c r,c ...\") --count N [--out FILE] [--seed S] [--jobs J]",
       CreateCommand},
  };
}

std::vector<BenchCommand> GeneratorBenches() { return {{"create", "[--count N] [--seed S]", BenchCreate}}; }

}  // namespace kalvero::tool
